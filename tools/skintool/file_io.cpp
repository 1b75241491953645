#include "file_io.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot open " + path.string());
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad())
    throw std::runtime_error("cannot read " + path.string());
  return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, const uint8_t* bytes, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    throw std::runtime_error("cannot create " + path.string());
  out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  out.close();
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
}

void WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  WriteWholeFile(path, bytes.data(), bytes.size());
}
