#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace asset_checks {

using Bytes = std::vector<std::uint8_t>;

inline Bytes read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian fields of Windows headers; throw rather than read past the end.
inline std::uint32_t le16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) throw std::out_of_range("le16 past end");
    return b[at] | (b[at + 1] << 8);
}

inline std::uint32_t le32(const Bytes& b, std::size_t at) {
    if (at + 4 > b.size()) throw std::out_of_range("le32 past end");
    return le16(b, at) | (le16(b, at + 2) << 16);
}

inline std::int32_t sle32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(le32(b, at));
}

// JPEG segment lengths are big-endian.
inline std::uint32_t be16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) throw std::out_of_range("be16 past end");
    return (b[at] << 8) | b[at + 1];
}

}  // namespace asset_checks
