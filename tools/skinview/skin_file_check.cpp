#include "skin_file_check.h"

#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "skin/format/lzh.h"
#include "skin/format/memory_stream.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin_reader.h"

#include <functional>
#include <string_view>
#include <utility>

namespace {

TSkinPackageCheck Refused(std::string why) {
  TSkinPackageCheck check;
  check.Why = std::move(why);
  return check;
}

}  // namespace

TSkinPackageCheck CheckSkinPackage(const std::string& bytes) {
  if (bytes.size() > static_cast<size_t>(TSkinReader::DefaultMaxPackageSize))
    return Refused("the file is too large for a skin package");
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
    if (!reader.LoadPackage(stream))
      return Refused(notice.empty() ? "not a skin package, or a damaged one" : "not a skin package of a known version");
  } catch (const ElzhException& e) {
    return Refused(e.what());
  }
  TMemoryStream description;
  std::string entryName;
  reader.ExtractEntryContaining(".ini", description, entryName);
  if (entryName.empty())
    return Refused("the package holds no skin description");
  TQuickIni ini;
  ini.LoadFromStream(std::string_view(reinterpret_cast<const char*>(description.Memory()),
                                      static_cast<size_t>(description.Size())));
  TSkinPackageCheck check;
  check.Usable = true;
  check.Name = ini.ReadString("TitlebarSkin", "SkinName", "");
  return check;
}

TSkinPackageCheck CheckSkinPackageFile(const std::string& fileName) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(fileName);
  } catch (const Exception& e) {
    return Refused(e.Message());
  }
  return CheckSkinPackage(bytes);
}
