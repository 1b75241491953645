#include "skin/model/skin_bitmap_loading.h"

#include "framework/core/exceptions.h"

#include <windows.h>

// The image this code is linked into: the program, or a DLL that carries the skin engine.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

std::string FileNamePart(const std::string& path) {
  const size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A damaged picture is reported by its entry's name, so that the skin's author knows which.
void LoadEntry(TBitmap& bitmap, const std::string& name, std::string_view entry) {
  try {
    bitmap.LoadFromBytes(entry.data(), entry.size());
  } catch (const EInvalidGraphic& e) {
    throw EInvalidGraphic(name + ": " + e.Message());
  }
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
    LoadEntry(bitmap, FileNamePart(fileName), entry);
}

void DecodeEveryPicture(const TSkinReader& reader) {
  for (const std::string& name : reader.EntryNames())
    if (IsSkinBitmapName(name)) {
      TBitmap picture;
      LoadEntry(picture, name, reader.EntryBytes(name));
    }
}

void LoadEngineBitmap(TBitmap& bitmap, const char* name) {
  bitmap.LoadFromResource(reinterpret_cast<HINSTANCE>(&__ImageBase), name);
}
