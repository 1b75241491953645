#include "skin_file_check.h"

#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "skin/format/lzh.h"
#include "skin/format/memory_stream.h"
#include "skin/format/skin_reader.h"

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
  TSkinReader reader;
  try {
    if (!reader.LoadPackage(stream)) {
      why = "not a skin package, or a damaged one";
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
