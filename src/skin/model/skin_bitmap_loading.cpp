#include "skin/model/skin_bitmap_loading.h"

#include <windows.h>

// The image this code is linked into: the program, or a DLL that carries the skin engine.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

std::string FileNamePart(const std::string& path) {
  const size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

bool IsSkinBitmapName(const std::string& fileName) {
  const std::string name = FileNamePart(fileName);
  const size_t dot = name.rfind('.');
  return !name.empty() && dot != std::string::npos && name.substr(dot) == ".bmp";
}

void LoadSkinBitmap(const TSkinReader& reader, TBitmap& bitmap, const std::string& fileName) {
  bitmap.Clear();
  if (!IsSkinBitmapName(fileName))
    return;
  const std::string_view entry = reader.EntryBytes(FileNamePart(fileName));
  if (!entry.empty())
    bitmap.LoadFromBytes(entry.data(), entry.size());
}

void LoadEngineBitmap(TBitmap& bitmap, const char* name) {
  bitmap.LoadFromResource(reinterpret_cast<HINSTANCE>(&__ImageBase), name);
}
