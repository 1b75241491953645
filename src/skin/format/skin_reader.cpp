#include "skin/format/skin_reader.h"

#include <cstring>

#include "skin/format/lzh.h"
#include "skin/format/lzh_model.h"

std::function<void(const std::string&)> TSkinReader::Notify;

namespace {

constexpr int64_t HeaderSize = 16;

uint32_t LoadLE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::string AsciiLower(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z')
      ch = static_cast<char>(ch - 'A' + 'a');
  return s;
}

// One name per line; CR LF, a lone CR and a lone LF each end a line, and a break after the
// last name adds no entry. False, as soon as it shows, when there are more than limit names.
bool SplitNames(const std::string& text, size_t limit, std::vector<std::string>& names) {
  size_t i = 0;
  while (i < text.size()) {
    if (names.size() == limit)
      return false;
    size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
      ++end;
    names.emplace_back(text, i, end - i);
    i = end;
    if (i < text.size() && text[i] == '\r')
      ++i;
    if (i < text.size() && text[i] == '\n')
      ++i;
  }
  return true;
}

}  // namespace

int32_t TSkinReader::InformationBlockSize(uint32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return -1;
  }
}

bool TSkinReader::Unpack(TMemoryStream& in, TMemoryStream& out) const {
  in.SetPosition(0);
  uint8_t sizeField[4] = {};
  in.Read(sizeField, 4);
  const auto size = static_cast<int32_t>(LoadLE32(sizeField));
  if (size < 0 || size > maxPackageSize_)
    return false;
  out.SetPosition(0);
  out.Reserve(static_cast<int64_t>(size) + lzh::F);
  TLZH decoder;
  // A package cut short would decode into zeros and load as an almost empty skin: refuse it.
  return decoder.Decode(
      size, [&in](uint8_t* buffer, int32_t count) { return in.Read(buffer, count); },
      [&out](const uint8_t* buffer, int32_t count) { out.Write(buffer, count); });
}

bool TSkinReader::LoadPackage(TMemoryStream& compressed) {
  TMemoryStream package;
  if (!Unpack(compressed, package))
    return false;

  // A package shorter than its header reads as zeros there, and so as an unknown version.
  const uint8_t* const bytes = package.Memory();
  const int64_t total = package.Size();
  uint8_t header[HeaderSize] = {};
  if (total > 0)
    std::memcpy(header, bytes, static_cast<size_t>(total < HeaderSize ? total : HeaderSize));
  const uint32_t version = LoadLE32(header);
  const auto namesLength = static_cast<int32_t>(LoadLE32(header + 4));

  const int32_t infoSize = InformationBlockSize(version);
  if (infoSize < 0) {
    if (Notify)
      Notify(kOlderSkinMessage);
    return false;
  }

  const int64_t namesStart = HeaderSize + infoSize;
  if (namesLength < 0 || namesStart + namesLength > total)
    return false;
  const std::string namesText = AsciiLower(std::string(
      reinterpret_cast<const char*>(bytes) + namesStart, static_cast<size_t>(namesLength)));
  std::vector<std::string> names;
  if (!SplitNames(namesText, MaxEntries, names))
    return false;
  const auto count = static_cast<int32_t>(names.size());

  const int64_t sizesStart = namesStart + namesLength;
  const int64_t dataStart = sizesStart + 4 * static_cast<int64_t>(count);
  if (dataStart > total)
    return false;
  std::array<int32_t, MaxEntries> sizes{};
  int64_t used = 0;
  for (int32_t i = 0; i < count; ++i) {
    sizes[i] = static_cast<int32_t>(LoadLE32(bytes + sizesStart + 4 * i));
    used += sizes[i];
    if (sizes[i] < 0 || used > total - dataStart)
      return false;
  }

  names_ = std::move(names);
  count_ = count;
  sizes_ = sizes;
  version_ = version;
  namesLength_ = namesLength;
  // The entries stay in the decoded package, in place of a copy; only what precedes them goes.
  std::vector<uint8_t> area = package.TakeContents();
  area.erase(area.begin(), area.begin() + dataStart);
  data_ = TMemoryStream(std::move(area));
  return true;
}

void TSkinReader::CopyEntry(int32_t index, int64_t offset, TMemoryStream& out) const {
  out.Write(data_.Memory() + offset, sizes_[index]);
  out.SetPosition(0);
}

void TSkinReader::ExtractEntry(const std::string& name, TMemoryStream& out) const {
  out.Clear();
  const std::string_view bytes = EntryBytes(name);
  out.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
  out.SetPosition(0);
}

std::string_view TSkinReader::EntryBytes(const std::string& name) const {
  const std::string wanted = AsciiLower(name);
  int64_t offset = 0;
  for (int32_t i = 0; i < count_; ++i) {
    if (names_[i] == wanted)
      return std::string_view(reinterpret_cast<const char*>(data_.Memory()) + offset,
                              static_cast<size_t>(sizes_[i]));
    offset += sizes_[i];
  }
  return {};
}

void TSkinReader::ExtractEntryContaining(const std::string& fragment, TMemoryStream& out,
                                         std::string& foundName) const {
  out.Clear();
  if (fragment.empty())
    return;
  int64_t offset = 0;
  for (int32_t i = 0; i < count_; ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      foundName = names_[i];
      return CopyEntry(i, offset, out);
    }
    offset += sizes_[i];
  }
}

void TSkinReader::ExtractEntryAt(int32_t index, TMemoryStream& out) const {
  out.Clear();
  if (index < 0 || index >= count_)
    return;
  int64_t offset = 0;
  for (int32_t i = 0; i < index; ++i)
    offset += sizes_[i];
  CopyEntry(index, offset, out);
}
