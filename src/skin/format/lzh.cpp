#include "skin/format/lzh.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "skin/format/lzh_model.h"

using namespace lzh;

namespace {

constexpr int32_t InputBlock = 4096;
constexpr int32_t OutputBlock = 64 * 1024;

void* AllocateWithMalloc(size_t bytes) { return std::malloc(bytes); }

bool ReleaseWithFree(void* block) {
  std::free(block);
  return true;
}

// Bits of the input, most significant first, kept 57 to 64 at a time so one refill serves
// a whole symbol. Past the end of the input every bit is zero.
class TBitInput {
public:
  explicit TBitInput(const TLzhRead& read) : read_(read) {}

  void Refill() {
    if (end_ - ptr_ >= 8) {
      // Loads 8 bytes at once; the bits beyond the whole bytes taken are those of the
      // next byte, which the following refill ORs in again at the same place.
      uint64_t word = 0;
      for (int i = 0; i < 8; ++i)
        word = (word << 8) | ptr_[i];
      bits_ |= word >> count_;
      const int taken = (63 - count_) >> 3;
      ptr_ += taken;
      count_ += taken * 8;
    } else {
      RefillSlowly();
    }
  }

  int TakeBit() {
    if (count_ == 0)
      Refill();
    const int bit = static_cast<int>(bits_ >> 63);
    bits_ <<= 1;
    --count_;
    return bit;
  }

  // n is at most 16, and the caller has refilled since count_ last fell under 16.
  unsigned Peek(int n) const { return static_cast<unsigned>(bits_ >> (64 - n)); }
  void Skip(int n) {
    bits_ <<= n;
    count_ -= n;
  }
  int Available() const { return count_; }
  // Whether a bit past the end of the input was taken: the last bits added are the invented
  // ones, so some were taken once fewer bits are left than were invented.
  bool TookInventedBits() const { return invented_ > count_; }

private:
  void RefillSlowly() {
    while (count_ <= 56) {
      if (ptr_ == end_ && !Fetch()) {
        count_ += 8;  // zero byte past the end
        invented_ += 8;
        continue;
      }
      bits_ |= static_cast<uint64_t>(*ptr_++) << (56 - count_);
      count_ += 8;
    }
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
  uint64_t bits_ = 0;             // next bits at the top
  int count_ = 0;                 // how many of bits_ are input
  int64_t invented_ = 0;          // zero bits added past the end of the input
};

int DecodeSymbol(const TLzhTables& t, TBitInput& in) {
  int c = t.son[R];
  while (c < T)
    c = t.son[c + in.TakeBit()];
  return c - T;
}

// The 12-bit distance back from the write position, less one.
int DecodePosition(TBitInput& in) {
  if (in.Available() < 16)
    in.Refill();
  const unsigned first = in.Peek(8);
  const int bits = PositionTables.length[first] + 6;
  const unsigned code = in.Peek(bits);
  in.Skip(bits);
  return (PositionTables.upper[first] << 6) | static_cast<int>(code & 63);
}

bool Run(TLzhTables& t, int32_t size, const TLzhRead& read, const TLzhWrite& write) {
  InitModel(t);
  std::memset(t.ring, RingFill, sizeof t.ring);
  auto input = std::make_unique<TBitInput>(read);
  auto output = std::make_unique<uint8_t[]>(OutputBlock + F);
  uint8_t* const ring = t.ring;
  uint8_t* const out = output.get();
  int32_t pending = 0;  // bytes in out not yet written
  int r = FirstWritePosition;

  for (int64_t count = 0; count < size;) {
    if (input->Available() < 32)
      input->Refill();
    const int c = DecodeSymbol(t, *input);
    UpdateModel(t, c);
    if (c < 256) {
      out[pending++] = static_cast<uint8_t>(c);
      ring[r] = static_cast<uint8_t>(c);
      r = (r + 1) & RingMask;
      ++count;
    } else {
      const int start = (r - DecodePosition(*input) - 1) & RingMask;
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) {
        const uint8_t b = ring[(start + k) & RingMask];
        out[pending++] = b;
        ring[r] = b;
        r = (r + 1) & RingMask;
      }
      count += length;
    }
    if (pending >= OutputBlock) {
      write(out, pending);
      pending = 0;
    }
  }
  if (pending > 0)
    write(out, pending);
  return !input->TookInventedBits();
}

}  // namespace

TLzhMemory DefaultLzhMemory() { return {AllocateWithMalloc, ReleaseWithFree}; }

bool TLZH::Decode(int32_t size, const TLzhRead& read, const TLzhWrite& write) {
  auto* tables = static_cast<TLzhTables*>(memory_.Allocate(sizeof(TLzhTables)));
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
