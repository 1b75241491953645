#include "skin/format/lzh.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "skin/format/lzh_model.h"

using namespace lzh;

namespace {

constexpr int32_t InputBlock = 4096;
constexpr int32_t OutputBlock = 64 * 1024;
constexpr int CopyStep = 8;  // matches at least this far back are copied this many bytes at a time

using TBitWord = uintptr_t;  // the machine's word: 64 bits on the host, 32 in the program
constexpr int WordBits = static_cast<int>(sizeof(TBitWord) * 8);
constexpr int PositionBits = 14;  // the longest position code: 8 bits of prefix, 6 low bits

void* AllocateWithMalloc(size_t bytes) { return std::malloc(bytes); }

bool ReleaseWithFree(void* block) {
  std::free(block);
  return true;
}

// Unread input bits, most significant first: count of them at the top of word. The bits
// below them are either zero or the very bits the next refill puts there.
struct TBits {
  TBitWord word;
  int count;
};

TBitWord LoadBigEndian(const uint8_t* p) {
  TBitWord word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (WordBits == 64)
    return static_cast<TBitWord>(__builtin_bswap64(word));
  else
    return static_cast<TBitWord>(__builtin_bswap32(static_cast<uint32_t>(word)));
}

// The input bytes, fetched a block at a time. Past the end of the input every byte is zero.
class TByteSource {
public:
  explicit TByteSource(const TLzhRead& read) : read_(read) {}

  // Tops up to at least WordBits - 8 bits, a whole word at a time while the block lasts.
  TBits TopUp(TBits b) {
    if (end_ - ptr_ < static_cast<ptrdiff_t>(sizeof(TBitWord)))
      return TopUpSlowly(b);
    b.word |= LoadBigEndian(ptr_) >> b.count;
    const int taken = (WordBits - 1 - b.count) >> 3;
    ptr_ += taken;
    b.count += taken * 8;
    return b;
  }

  // Whether a bit past the end of the input was taken, with b.count bits still unread: the
  // last bits added are the invented ones.
  bool TookInventedBits(TBits b) const { return invented_ > b.count; }

private:
  [[gnu::noinline]] TBits TopUpSlowly(TBits b) {
    while (b.count <= WordBits - 8) {
      if (ptr_ == end_ && !Fetch()) {
        b.count += 8;  // a zero byte past the end
        invented_ += 8;
        continue;
      }
      b.word |= static_cast<TBitWord>(*ptr_++) << (WordBits - 8 - b.count);
      b.count += 8;
    }
    return b;
  }

  bool Fetch() {
    if (atEnd_)
      return false;
    const int32_t got = read_(buffer_, InputBlock);
    if (got <= 0) {
      atEnd_ = true;
      return false;
    }
    ptr_ = buffer_;
    end_ = buffer_ + (got < InputBlock ? got : InputBlock);
    return true;
  }

  const TLzhRead& read_;
  uint8_t buffer_[InputBlock];
  const uint8_t* ptr_ = buffer_;  // next unread byte of buffer_
  const uint8_t* end_ = buffer_;  // end of the bytes buffer_ holds
  bool atEnd_ = false;            // the input has delivered its last byte
  int64_t invented_ = 0;          // zero bits added past the end of the input
};

// Where a walk down the tree stands after each Bits-bit prefix of a code: the node it reached
// (a leaf, or the node at depth Bits) and the depth, as node | depth << 10. A symbol's walk
// starts there, so most codes take one look-up instead of a branch per bit.
//
// When two nodes trade subtrees, only the prefixes through them change. To find those without
// climbing the tree, the table also keeps the code and depth of every node above depth Bits
// (the nodes a prefix passes through or ends at), and marks every other node as deep.
class TWalkTable {
public:
  static constexpr int Bits = 8;

  void Build(const TLzhTables& t) {
    std::fill_n(where_, T, Deep);
    Place(t, t.son[R], 1, 0);
    Place(t, t.son[R] + 1, 1, 1);
  }

  // After node x received another subtree.
  void Refresh(const TLzhTables& t, int x) {
    const unsigned where = where_[x];
    if (where != Deep) {
      Place(t, x, static_cast<int>(where >> 10), where & 1023);
    } else if (t.son[x] < T) {
      Sink(t, t.son[x]);
      Sink(t, t.son[x] + 1);
    }
  }

  unsigned At(TBitWord word) const { return entries_[word >> (WordBits - Bits)]; }

private:
  static constexpr uint16_t Deep = 0xFFFF;

  // Node x is now at depth 1..Bits with the given code.
  void Place(const TLzhTables& t, int x, int depth, unsigned code) {
    const int child = t.son[x];
    if (depth == Bits || child >= T) {
      where_[x] = depth == Bits ? Deep : static_cast<uint16_t>(code | depth << 10);
      const auto entry = static_cast<uint16_t>(x | depth << 10);
      std::fill_n(entries_ + (code << (Bits - depth)), 1u << (Bits - depth), entry);
      if (child < T) {
        Sink(t, child);
        Sink(t, child + 1);
      }
      return;
    }
    where_[x] = static_cast<uint16_t>(code | depth << 10);
    Place(t, child, depth + 1, code << 1);
    Place(t, child + 1, depth + 1, (code << 1) | 1);
  }

  // Node x is now deeper than Bits. A node that was deep already has only deep nodes below.
  void Sink(const TLzhTables& t, int x) {
    if (where_[x] == Deep)
      return;
    where_[x] = Deep;
    if (t.son[x] < T) {
      Sink(t, t.son[x]);
      Sink(t, t.son[x] + 1);
    }
  }

  uint16_t entries_[1 << Bits];
  uint16_t where_[T];  // code | depth << 10 of each node above depth Bits, else Deep
};

// A symbol's leaf node and the symbol (0..313).
struct TLeaf {
  int node;
  int symbol;
};

// The next symbol: the walk table takes the first bits at once, then one branch per bit. The
// caller has topped up to at least the table's bits.
inline TLeaf DecodeSymbol(const TLzhTables& t, const TWalkTable& table, TByteSource& in, TBits& b) {
  const int16_t* const son = t.son;
  const unsigned entry = table.At(b.word);
  int node = static_cast<int>(entry & 1023);
  const int depth = static_cast<int>(entry >> 10);
  b.word <<= depth;
  b.count -= depth;
  int c = son[node];
  while (c < T) {
    if (b.count == 0)
      b = in.TopUp(b);
    node = c + static_cast<int>(b.word >> (WordBits - 1));
    c = son[node];
    b.word <<= 1;
    --b.count;
  }
  return {node, c - T};
}

// The distance back of a match, 1..N.
inline int DecodeDistance(TBits& b) {
  const auto first = static_cast<unsigned>(b.word >> (WordBits - 8));
  const int bits = PositionTables.length[first] + 6;
  const auto code = static_cast<unsigned>(b.word >> (WordBits - bits));
  b.word <<= bits;
  b.count -= bits;
  return ((PositionTables.upper[first] << 6) | static_cast<int>(code & 63)) + 1;
}

// Copies length bytes from distance back; the copy overlaps its own output when the distance
// is shorter than the length, repeating the last distance bytes. A short distance is
// copied from a whole number of repeats back instead, at least CopyStep bytes, once that
// many bytes have been written.
inline void CopyMatch(uint8_t* out, int distance, int length) {
  if (distance == 1) {
    std::memset(out, out[-1], static_cast<size_t>(length));
    return;
  }
  int back = distance;
  int k = 0;
  if (distance < CopyStep) {
    back = distance * ((CopyStep + distance - 1) / distance);
    for (; k < back - distance && k < length; ++k)
      out[k] = out[k - distance];
  }
  for (; k < length; k += CopyStep)
    std::memcpy(out + k, out + k - back, CopyStep);
}

// Everything one decode needs, allocated at once.
struct TDecoderMemory {
  TLzhTables tables;
  TWalkTable walks;
  // The last N bytes of output, then room for one block more: a match reads straight from
  // what was written, and the spaces before the first byte stand for the ring's initial fill.
  // A match started at the block's end is copied whole, a copy step may overshoot.
  uint8_t window[N + OutputBlock + F + CopyStep];
};

bool Run(TDecoderMemory& m, int32_t size, const TLzhRead& read, const TLzhWrite& write) {
  TLzhTables& t = m.tables;
  InitModel(t);
  m.walks.Build(t);
  uint8_t* const history = m.window;
  uint8_t* const block = m.window + N;
  std::memset(history, RingFill, N);
  auto input = std::make_unique<TByteSource>(read);
  TBits b{0, 0};
  uint8_t* out = block;

  for (int64_t count = 0; count < size;) {
    if (b.count < TWalkTable::Bits)
      b = input->TopUp(b);
    TLeaf leaf = DecodeSymbol(t, m.walks, *input, b);
    if (t.freq[R] == MAX_FREQ) {
      ReconstructTree(t);
      m.walks.Build(t);
      leaf.node = t.prnt[leaf.symbol + T];
    }
    // Two leaves trading places change no walk through them; any other exchange moves the
    // walks that pass through either node.
    CountFrom(t, leaf.node, [&](int c, int l) {
      if (t.son[c] < T || t.son[l] < T) {
        m.walks.Refresh(t, c);
        m.walks.Refresh(t, l);
      }
    });
    const int c = leaf.symbol;
    if (c < 256) {
      *out++ = static_cast<uint8_t>(c);
      ++count;
    } else {
      if (b.count < PositionBits)
        b = input->TopUp(b);
      const int length = c - 255 + THRESHOLD;
      CopyMatch(out, DecodeDistance(b), length);
      out += length;
      count += length;
    }
    if (out - block >= OutputBlock) {
      write(block, static_cast<int32_t>(out - block));
      std::memcpy(history, out - N, N);
      out = block;
    }
  }
  if (out > block)
    write(block, static_cast<int32_t>(out - block));
  return !input->TookInventedBits(b);
}

}  // namespace

TLzhMemory DefaultLzhMemory() { return {AllocateWithMalloc, ReleaseWithFree}; }

bool TLZH::Decode(int32_t size, const TLzhRead& read, const TLzhWrite& write) {
  auto* tables = static_cast<TDecoderMemory*>(memory_.Allocate(sizeof(TDecoderMemory)));
  if (tables == nullptr)
    throw ElzhException(kLzhNoMemoryMessage);
  bool whole = false;
  try {
    whole = Run(*tables, size, read, write);
  } catch (...) {
    memory_.Release(tables);
    throw;
  }
  if (!memory_.Release(tables))
    throw ElzhException(kLzhFreeErrorMessage);
  return whole;
}
