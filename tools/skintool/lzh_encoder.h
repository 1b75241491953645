#pragma once
// Compressor for the skin compression method, for authoring only: the program reads skins but
// never writes them.

#include <cstddef>
#include <cstdint>
#include <vector>

// The compressed form of size bytes: their count as a 4-byte little-endian integer, then the
// bit stream. Throws std::length_error above 2 GiB - 1, which the size field cannot hold.
std::vector<uint8_t> LzhCompress(const uint8_t* data, size_t size);

inline std::vector<uint8_t> LzhCompress(const std::vector<uint8_t>& data) {
  return LzhCompress(data.data(), data.size());
}
