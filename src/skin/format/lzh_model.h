#pragma once
// The adaptive Huffman model and the fixed match-position code of the skin compression method.
// The decoder and the authoring tool's encoder both drive this one model, so the two can never
// disagree about the tree.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace lzh {

inline constexpr int N = 4096;                      // ring buffer size
inline constexpr int RingMask = N - 1;              // positions are taken modulo N
inline constexpr int F = 60;                        // longest match
inline constexpr int THRESHOLD = 2;                 // a match is at least THRESHOLD + 1 bytes
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 256 literals and 58 match lengths
inline constexpr int T = N_CHAR * 2 - 1;            // tree size
inline constexpr int R = T - 1;                     // root node
inline constexpr int MAX_FREQ = 0x8000;             // root frequency that triggers reconstruction
inline constexpr int FirstWritePosition = N - F;
inline constexpr uint8_t RingFill = 0x20;  // unwritten ring positions read as spaces

// Tables of one model: allocated once per run.
struct TLzhTables {
  uint16_t freq[T + 4];      // node frequencies; freq[T] on are sentinels above every count
  int16_t prnt[T + N_CHAR];  // parent of each node, then of each leaf (symbol + T)
  int16_t son[T];            // first child of a node, or symbol + T for a leaf
};

// Upper 6 bits of a match position, and the length of its code, by the code's first byte.
struct TPositionTables {
  std::array<uint8_t, 256> upper;
  std::array<uint8_t, 256> length;
};

constexpr TPositionTables MakePositionTables() {
  // For each code length: how many upper values use it, and how many first bytes each takes.
  constexpr int groups[6][3] = {{3, 1, 32}, {4, 3, 16}, {5, 8, 8},
                                {6, 12, 4}, {7, 24, 2}, {8, 16, 1}};
  TPositionTables t{};
  int byte = 0, upper = 0;
  for (const auto& g : groups)
    for (int u = 0; u < g[1]; ++u, ++upper)
      for (int k = 0; k < g[2]; ++k, ++byte) {
        t.upper[byte] = static_cast<uint8_t>(upper);
        t.length[byte] = static_cast<uint8_t>(g[0]);
      }
  return t;
}

inline constexpr TPositionTables PositionTables = MakePositionTables();

inline void InitModel(TLzhTables& t) {
  for (int i = 0; i < N_CHAR; ++i) {
    t.freq[i] = 1;
    t.son[i] = static_cast<int16_t>(i + T);
    t.prnt[i + T] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; ++j, i += 2) {
    t.freq[j] = static_cast<uint16_t>(t.freq[i] + t.freq[i + 1]);
    t.son[j] = static_cast<int16_t>(i);
    t.prnt[i] = t.prnt[i + 1] = static_cast<int16_t>(j);
  }
  std::fill(std::begin(t.freq) + T, std::end(t.freq), uint16_t{0xFFFF});
  t.prnt[R] = 0;
}

// Halves every leaf count and rebuilds the tree from the sorted leaves.
inline void ReconstructTree(TLzhTables& t) {
  int j = 0;
  for (int i = 0; i < T; ++i)
    if (t.son[i] >= T) {
      t.freq[j] = static_cast<uint16_t>((t.freq[i] + 1) / 2);
      t.son[j] = t.son[i];
      ++j;
    }
  for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, ++j2) {
    const unsigned f = static_cast<unsigned>(t.freq[i]) + t.freq[i + 1];
    int k = j2;
    while (t.freq[k - 1] > f)
      --k;
    const size_t moved = static_cast<size_t>(j2 - k);
    std::memmove(&t.freq[k + 1], &t.freq[k], moved * sizeof t.freq[0]);
    std::memmove(&t.son[k + 1], &t.son[k], moved * sizeof t.son[0]);
    t.freq[k] = static_cast<uint16_t>(f);
    t.son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = t.son[i];
    t.prnt[k] = static_cast<int16_t>(i);
    if (k < T)
      t.prnt[k + 1] = static_cast<int16_t>(i);
  }
}

// The first index from FROM on whose count reaches K, four counts at a time: the runs of equal
// counts that random data leaves are long. Below the sentinel every count is under 0x8000 and
// K is too, so (count | 0x8000) - K keeps its top bit exactly when count >= K and never
// borrows from the next count; the sentinels (0xFFFF) always keep it, so the search ends at
// the first of them at the latest, reading no further than the last.
inline int FirstReaching(const uint16_t* freq, int from, unsigned k) {
  constexpr uint64_t kTopBits = 0x8000800080008000ull;
  const uint64_t ks = k * 0x0001000100010001ull;
  for (int at = from;; at += 4) {
    uint64_t counts;
    std::memcpy(&counts, freq + at, sizeof counts);
    const uint64_t reached = ((counts | kTopBits) - ks) & kTopBits;
    if (reached)
      return at + (__builtin_ctzll(reached) >> 4);
  }
}

// Counts one more occurrence at node c (a leaf) and each of its ancestors, keeping the nodes
// ordered by frequency. When a node trades places with the last node of its count's run, so
// that their subtrees change places, exchanged(c, l) is told: a decoder that caches walks
// down the tree learns which ones changed.
template <class Exchanged>
inline void CountFrom(TLzhTables& t, int c, Exchanged&& exchanged) {
  uint16_t* const freq = t.freq;
  int16_t* const prnt = t.prnt;
  int16_t* const son = t.son;
  do {
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) {
      // Counts never decrease along the node order: the run of the old count ends at the
      // first node that reaches k, at the latest at the sentinel.
      const int l = FirstReaching(freq, c + 2, k) - 1;
      freq[c] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      const int i = son[c];
      prnt[i] = static_cast<int16_t>(l);
      if (i < T)
        prnt[i + 1] = static_cast<int16_t>(l);
      const int j = son[l];
      son[l] = static_cast<int16_t>(i);
      prnt[j] = static_cast<int16_t>(c);
      if (j < T)
        prnt[j + 1] = static_cast<int16_t>(c);
      son[c] = static_cast<int16_t>(j);
      exchanged(c, l);
      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

// Counts one more occurrence of symbol s.
inline void UpdateModel(TLzhTables& t, int s) {
  if (t.freq[R] == MAX_FREQ)
    ReconstructTree(t);
  CountFrom(t, t.prnt[s + T], [](int, int) {});
}

}  // namespace lzh
