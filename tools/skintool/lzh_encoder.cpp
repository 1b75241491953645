#include "lzh_encoder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>

#include "skin/format/lzh_model.h"

using namespace lzh;

namespace {

constexpr int HashBits = 15;
constexpr int ChainLimit = 1024;  // candidates tried per position
constexpr int MaxDistance = N;    // a copy may start at the write position itself
constexpr int MinMatch = THRESHOLD + 1;

// Bits most significant first, padded with zeros to a whole byte at the end.
class TBitOutput {
public:
  explicit TBitOutput(std::vector<uint8_t>& out) : out_(out) {}

  void Put(uint32_t bits, int count) {
    acc_ = (acc_ << count) | (bits & ((1ULL << count) - 1));
    count_ += count;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<uint8_t>(acc_ >> count_));
    }
  }

  void Flush() {
    if (count_ > 0)
      out_.push_back(static_cast<uint8_t>(acc_ << (8 - count_)));
    count_ = 0;
  }

private:
  std::vector<uint8_t>& out_;
  uint64_t acc_ = 0;  // pending bits in the low count_ bits
  int count_ = 0;
};

// Code of each upper-6-bit value of a position: the first code byte's leading bits.
struct TPositionCode {
  uint8_t bits[64];
  uint8_t length[64];
};

TPositionCode MakePositionCode() {
  TPositionCode code{};
  for (int b = 255; b >= 0; --b) {
    const int u = PositionTables.upper[b];
    code.length[u] = PositionTables.length[b];
    code.bits[u] = static_cast<uint8_t>(b >> (8 - code.length[u]));
  }
  return code;
}

class TEncoder {
public:
  explicit TEncoder(std::vector<uint8_t>& out)
      : bits_(out), tables_(std::make_unique<TLzhTables>()) {
    InitModel(*tables_);
  }

  void PutSymbol(int symbol) {
    // Collects the branch taken at each node from the leaf up, then sends them root first.
    uint8_t path[T];
    int depth = 0;
    for (int k = tables_->prnt[symbol + T]; k != R; k = tables_->prnt[k])
      path[depth++] = static_cast<uint8_t>(k - tables_->son[tables_->prnt[k]]);
    while (depth > 0)
      bits_.Put(path[--depth], 1);
    UpdateModel(*tables_, symbol);
  }

  void PutPosition(int position) {
    static const TPositionCode code = MakePositionCode();
    const int upper = position >> 6;
    bits_.Put(code.bits[upper], code.length[upper]);
    bits_.Put(static_cast<uint32_t>(position & 63), 6);
  }

  void Finish() { bits_.Flush(); }

private:
  TBitOutput bits_;
  std::unique_ptr<TLzhTables> tables_;
};

// Hash chains over the history: the ring's initial spaces followed by the input.
class TMatchFinder {
public:
  explicit TMatchFinder(const std::vector<uint8_t>& history)
      : history_(history), head_(1u << HashBits, -1), prev_(N, -1) {}

  void Insert(int64_t pos) {
    if (pos + MinMatch > static_cast<int64_t>(history_.size()))
      return;
    const uint32_t h = Hash(pos);
    prev_[pos & RingMask] = head_[h];
    head_[h] = pos;
  }

  // Longest earlier match for pos, at most maxLength bytes; sets distance when found.
  int Longest(int64_t pos, int maxLength, int& distance) const {
    if (maxLength < MinMatch)
      return 0;
    const uint8_t* const text = history_.data();
    int best = 0;
    int64_t candidate = head_[Hash(pos)];
    for (int tries = 0; candidate >= 0 && tries < ChainLimit; ++tries) {
      if (pos - candidate > MaxDistance)
        break;
      if (text[candidate + best] == text[pos + best]) {
        int len = 0;
        while (len < maxLength && text[candidate + len] == text[pos + len])
          ++len;
        if (len > best) {
          best = len;
          distance = static_cast<int>(pos - candidate);
          if (best == maxLength)
            break;
        }
      }
      const int64_t next = prev_[candidate & RingMask];
      if (next >= candidate)
        break;  // the slot was reused by a newer position
      candidate = next;
    }
    return best >= MinMatch ? best : 0;
  }

private:
  uint32_t Hash(int64_t pos) const {
    const uint8_t* p = history_.data() + pos;
    const uint32_t v = p[0] | p[1] << 8 | p[2] << 16;
    return (v * 2654435761u) >> (32 - HashBits);
  }

  const std::vector<uint8_t>& history_;
  std::vector<int64_t> head_;  // latest position with each hash
  std::vector<int64_t> prev_;  // previous position with the same hash, by position mod N
};

}  // namespace

std::vector<uint8_t> LzhCompress(const uint8_t* data, size_t size) {
  if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw std::length_error("input too large for the 4-byte size field");

  std::vector<uint8_t> out;
  out.reserve(size / 2 + 16);
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(size >> (8 * i)));

  // Linear position i stands for ring position i mod N; the input starts where the decoder
  // starts writing, after the spaces it fills the ring with.
  std::vector<uint8_t> history(FirstWritePosition, RingFill);
  history.insert(history.end(), data, data + size);
  const auto end = static_cast<int64_t>(history.size());

  TEncoder encoder(out);
  TMatchFinder finder(history);
  for (int64_t pos = 0; pos < FirstWritePosition; ++pos)
    finder.Insert(pos);

  for (int64_t pos = FirstWritePosition; pos < end;) {
    int distance = 0;
    const int maxLength = static_cast<int>(std::min<int64_t>(F, end - pos));
    const int length = finder.Longest(pos, maxLength, distance);
    const int step = length > 0 ? length : 1;
    if (length > 0) {
      encoder.PutSymbol(255 - THRESHOLD + length);
      encoder.PutPosition(distance - 1);
    } else {
      encoder.PutSymbol(history[pos]);
    }
    for (int k = 0; k < step; ++k)
      finder.Insert(pos + k);
    pos += step;
  }
  encoder.Finish();
  return out;
}
