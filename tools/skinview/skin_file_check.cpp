#include "skin_file_check.h"

#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "skin/format/lzh.h"
#include "skin/format/memory_stream.h"
#include "skin/format/skin_reader.h"

#include <functional>
#include <utility>

bool CheckSkinPackage(const std::string& fileName, std::string& why) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(fileName);
  } catch (const Exception& e) {
    why = e.Message();
    return false;
  }
  if (bytes.size() > static_cast<size_t>(TSkinReader::DefaultMaxPackageSize)) {
    why = "the file is too large for a skin package";
    return false;
  }
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
  stream.SetPosition(0);
  // The reader's own notice (an unknown package version) becomes the reason, not a box of its own.
  std::string notice;
  auto savedNotify = std::exchange(TSkinReader::Notify, [&notice](const std::string& text) { notice = text; });
  struct TRestore {
    std::function<void(const std::string&)>& slot;
    std::function<void(const std::string&)> saved;
    ~TRestore() { slot = std::move(saved); }
  } restore{TSkinReader::Notify, std::move(savedNotify)};
  TSkinReader reader;
  try {
    if (!reader.LoadPackage(stream)) {
      why = notice.empty() ? "not a skin package, or a damaged one" : "not a skin package of a known version";
      return false;
    }
  } catch (const ElzhException& e) {
    why = e.what();
    return false;
  }
  TMemoryStream description;
  std::string name;
  reader.ExtractEntryContaining(".ini", description, name);
  if (name.empty()) {
    why = "the package holds no skin description";
    return false;
  }
  return true;
}
