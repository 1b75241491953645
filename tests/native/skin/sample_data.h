#pragma once
// Deterministic inputs for the compression tests.

#include <cstdint>
#include <string>
#include <vector>

namespace sample {

inline uint32_t NextRandom(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

inline std::vector<uint8_t> Random(size_t size, uint32_t seed) {
  std::vector<uint8_t> out(size);
  for (uint8_t& b : out) b = static_cast<uint8_t>(NextRandom(seed) >> 24);
  return out;
}

// Words drawn with a skewed distribution, with punctuation and line breaks: compresses like
// prose and description files do.
inline std::vector<uint8_t> TextLike(size_t size, uint32_t seed) {
  static const char* const kWords[] = {
      "the", "skin", "button", "frame", "caption", "wallpaper", "window", "of", "and", "to",
      "bitmap", "left", "right", "top", "bottom", "color", "a", "is", "in", "menu", "border",
      "rotate", "folder", "picture", "every", "minute", "desktop", "icon", "tray", "with"};
  constexpr size_t kCount = sizeof kWords / sizeof kWords[0];
  std::string text;
  text.reserve(size + 16);
  while (text.size() < size) {
    const uint32_t r = NextRandom(seed);
    const size_t pick = (r % kCount) * ((r >> 8) % kCount) / kCount;  // favours early words
    text += kWords[pick];
    const uint32_t p = (r >> 16) % 20;
    text += p == 0 ? ".\r\n" : p == 1 ? ", " : " ";
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

}  // namespace sample
