#include "skin/format/memory_stream.h"

#include <algorithm>
#include <cstring>

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::Beginning:
      SetPosition(offset);
      break;
    case TSeekOrigin::Current:
      SetPosition(pos_ + offset);
      break;
    case TSeekOrigin::End:
      SetPosition(Size() + offset);
      break;
  }
  return pos_;
}

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || pos_ >= Size())
    return 0;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, Size() - pos_));
  std::memcpy(buffer, bytes_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0)
    return;
  const int64_t end = pos_ + count;
  if (end > Size())
    bytes_.resize(static_cast<size_t>(end));
  std::memcpy(bytes_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ = end;
}

std::vector<uint8_t> TMemoryStream::ReadRest() {
  if (pos_ >= Size())
    return {};
  std::vector<uint8_t> rest(bytes_.begin() + pos_, bytes_.end());
  pos_ = Size();
  return rest;
}

void TMemoryStream::SetSize(int64_t size) {
  bytes_.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
  pos_ = std::min(pos_, Size());
}

std::vector<uint8_t> TMemoryStream::TakeContents() {
  std::vector<uint8_t> taken = std::move(bytes_);
  bytes_.clear();
  pos_ = 0;
  return taken;
}

void TMemoryStream::Clear() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  pos_ = 0;
}
