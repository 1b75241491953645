#include "package_writer.h"

#include <stdexcept>

#include "lzh_encoder.h"
#include "skin/format/skin_reader.h"

namespace {

void PutLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> BuildPackage(const std::vector<TPackageEntry>& entries, uint32_t version) {
  const int32_t infoSize = TSkinReader::InformationBlockSize(version);
  if (infoSize < 0)
    throw std::invalid_argument("unknown package version " + std::to_string(version));
  if (entries.size() > static_cast<size_t>(TSkinReader::MaxEntries))
    throw std::invalid_argument("a package holds at most " +
                                std::to_string(TSkinReader::MaxEntries) + " entries");

  std::string names;
  for (const TPackageEntry& entry : entries) {
    if (entry.Name.empty() || entry.Name.find_first_of("\r\n") != std::string::npos)
      throw std::invalid_argument("entry name '" + entry.Name + "' is empty or has a line break");
    names += entry.Name + "\r\n";
  }

  std::vector<uint8_t> out;
  PutLE32(out, version);
  PutLE32(out, static_cast<uint32_t>(names.size()));
  out.resize(out.size() + 8 + static_cast<size_t>(infoSize), 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TPackageEntry& entry : entries)
    PutLE32(out, static_cast<uint32_t>(entry.Bytes.size()));
  for (const TPackageEntry& entry : entries)
    out.insert(out.end(), entry.Bytes.begin(), entry.Bytes.end());
  return out;
}

std::vector<uint8_t> BuildCompressedPackage(const std::vector<TPackageEntry>& entries,
                                            uint32_t version) {
  return LzhCompress(BuildPackage(entries, version));
}
