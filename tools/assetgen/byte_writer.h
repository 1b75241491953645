#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

// Appends little-endian fields, the byte order of every Windows file header.
class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void append(const std::vector<std::uint8_t>& data);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;  // everything written so far
};

// Writes the whole file or throws with the path in the message.
void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace assetgen
