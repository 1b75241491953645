#pragma once
// A growable in-memory byte stream with a read/write position, the portable stand-in for the
// framework's memory stream: readers and writers of skin data and their tests share it.

#include <cstddef>
#include <cstdint>
#include <vector>

enum class TSeekOrigin { Beginning, Current, End };

class TMemoryStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
  int64_t Position() const { return pos_; }
  // Positions past the end are allowed; a later write fills the gap with zeros.
  void SetPosition(int64_t position) { pos_ = position < 0 ? 0 : position; }
  int64_t Seek(int64_t offset, TSeekOrigin origin);

  // Copies up to count bytes from the position onwards; returns how many were copied.
  int32_t Read(void* buffer, int32_t count);
  // Writes count bytes at the position, growing the stream as needed.
  void Write(const void* buffer, int32_t count);
  // Reads the rest of the stream from the position.
  std::vector<uint8_t> ReadRest();

  // Truncates or extends (with zeros); the position is kept but clamped to the new size.
  void SetSize(int64_t size);
  // Makes room for size bytes without changing the contents, so large writes do not reallocate.
  void Reserve(int64_t size) { bytes_.reserve(static_cast<size_t>(size > 0 ? size : 0)); }
  void Clear();

  const uint8_t* Memory() const { return bytes_.data(); }
  const std::vector<uint8_t>& Contents() const { return bytes_; }
  // Hands the contents over without copying them; the stream is left empty.
  std::vector<uint8_t> TakeContents();

private:
  std::vector<uint8_t> bytes_;  // the stream's contents
  int64_t pos_ = 0;             // next byte read or written
};
