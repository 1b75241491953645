#pragma once
// An independent, literal rendering of the decoding rules (16-bit bit buffer, one byte per read,
// its own model code) and the matching symbol writer, so the fast decoder and the authoring
// encoder are checked against something that shares no code with them.

#include <cstdint>
#include <vector>

namespace reference {

constexpr int kN = 4096, kF = 60, kNChar = 314, kT = 627, kR = 626;

struct TModel {
  uint16_t freq[kT + 1];
  int16_t prnt[kT + kNChar];
  int16_t son[kT];
  int reconstructions = 0;

  TModel() {
    for (int i = 0; i < kNChar; ++i) {
      freq[i] = 1;
      son[i] = static_cast<int16_t>(i + kT);
      prnt[i + kT] = static_cast<int16_t>(i);
    }
    for (int i = 0, j = kNChar; j < kT; ++j, i += 2) {
      freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<int16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
    }
    freq[kT] = 0xFFFF;
    prnt[kR] = 0;
  }

  void Reconstruct() {
    ++reconstructions;
    int j = 0;
    for (int i = 0; i < kT; ++i)
      if (son[i] >= kT) {
        freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
        son[j] = son[i];
        ++j;
      }
    for (int i = 0, jj = kNChar; jj < kT; i += 2, ++jj) {
      const unsigned f = freq[i] + freq[i + 1];
      int k = jj;
      while (freq[k - 1] > f) --k;
      for (int m = jj; m > k; --m) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[k] = static_cast<uint16_t>(f);
      son[k] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < kT; ++i) {
      const int k = son[i];
      prnt[k] = static_cast<int16_t>(i);
      if (k < kT) prnt[k + 1] = static_cast<int16_t>(i);
    }
  }

  void Update(int s) {
    if (freq[kR] == 0x8000) Reconstruct();
    int c = prnt[s + kT];
    do {
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) {
        int l = c + 1;
        while (l + 1 <= kT && freq[l + 1] < k) ++l;
        freq[c] = freq[l];
        freq[l] = static_cast<uint16_t>(k);
        const int i = son[c];
        prnt[i] = static_cast<int16_t>(l);
        if (i < kT) prnt[i + 1] = static_cast<int16_t>(l);
        const int jn = son[l];
        son[l] = static_cast<int16_t>(i);
        prnt[jn] = static_cast<int16_t>(c);
        if (jn < kT) prnt[jn + 1] = static_cast<int16_t>(c);
        son[c] = static_cast<int16_t>(jn);
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }
};

// Upper 6 bits and code length of a position code, by its first byte, from the range rule.
inline void PositionCode(unsigned byte, int& upper, int& length) {
  if (byte < 0x20) { upper = 0; length = 3; }
  else if (byte < 0x50) { upper = 1 + (byte - 0x20) / 16; length = 4; }
  else if (byte < 0x90) { upper = 4 + (byte - 0x50) / 8; length = 5; }
  else if (byte < 0xC0) { upper = 12 + (byte - 0x90) / 4; length = 6; }
  else if (byte < 0xF0) { upper = 24 + (byte - 0xC0) / 2; length = 7; }
  else { upper = 48 + (byte - 0xF0); length = 8; }
}

struct TResult {
  std::vector<uint8_t> output;
  int reconstructions = 0;
};

inline TResult Decode(const std::vector<uint8_t>& stream, int32_t size) {
  size_t in = 0;
  unsigned getbuf = 0, getlen = 0;
  auto refill = [&] {
    while (getlen <= 8) {
      const unsigned b = in < stream.size() ? stream[in++] : 0;
      getbuf = (getbuf | (b << (8 - getlen))) & 0xFFFF;
      getlen += 8;
    }
  };
  auto bit = [&] {
    refill();
    const unsigned b = (getbuf >> 15) & 1;
    getbuf = (getbuf << 1) & 0xFFFF;
    --getlen;
    return b;
  };
  auto byte = [&] {
    refill();
    const unsigned b = getbuf >> 8;
    getbuf = (getbuf << 8) & 0xFFFF;
    getlen -= 8;
    return b;
  };

  TModel model;
  uint8_t ring[kN + kF - 1];
  // Positions 0..4035 are spaces by the rules; the rest too, as the program fills them.
  for (uint8_t& b : ring) b = 0x20;
  int r = kN - kF;
  TResult result;
  for (int64_t count = 0; count < size;) {
    int c = model.son[kR];
    while (c < kT) c = model.son[c + bit()];
    c -= kT;
    model.Update(c);
    if (c < 256) {
      result.output.push_back(static_cast<uint8_t>(c));
      ring[r] = static_cast<uint8_t>(c);
      r = (r + 1) & (kN - 1);
      ++count;
    } else {
      unsigned v = byte();
      int upper, length;
      PositionCode(v, upper, length);
      for (int k = 0; k < length - 2; ++k) v = ((v << 1) + bit()) & 0xFFFF;
      const int p = upper * 64 + static_cast<int>(v & 63);
      const int start = (r - p - 1) & (kN - 1);
      for (int k = 0; k < c - 253; ++k) {
        const uint8_t b = ring[(start + k) & (kN - 1)];
        result.output.push_back(b);
        ring[r] = b;
        r = (r + 1) & (kN - 1);
        ++count;
      }
    }
  }
  result.reconstructions = model.reconstructions;
  return result;
}

// Writes chosen symbols and positions, to make streams no ordinary encoder would.
class TStreamWriter {
 public:
  void Literal(uint8_t c) { Symbol(c); }
  // length 3..60; distance is the position field p (0..4095): the copy starts p + 1 back.
  void Match(int length, int p) {
    Symbol(253 + length);
    const int upper = p >> 6;
    for (unsigned first = 0; first < 256; ++first) {
      int u, len;
      PositionCode(first, u, len);
      if (u == upper) {
        Bits(first >> (8 - len), len);
        break;
      }
    }
    Bits(static_cast<unsigned>(p & 63), 6);
  }
  // The compressed form: the declared size, then the bits padded to a byte.
  std::vector<uint8_t> Finish(int32_t declaredSize) {
    std::vector<uint8_t> out;
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(declaredSize) >> (8 * i)));
    std::vector<uint8_t> bytes((bits_.size() + 7) / 8, 0);
    for (size_t i = 0; i < bits_.size(); ++i)
      if (bits_[i]) bytes[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
  }

 private:
  void Symbol(int s) {
    std::vector<int> path;
    for (int k = model_.prnt[s + kT]; k != kR; k = model_.prnt[k])
      path.push_back(k - model_.son[model_.prnt[k]]);
    for (auto it = path.rbegin(); it != path.rend(); ++it) bits_.push_back(*it != 0);
    model_.Update(s);
  }
  void Bits(unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) bits_.push_back(((value >> i) & 1) != 0);
  }

  TModel model_;
  std::vector<bool> bits_;
};

}  // namespace reference
