#include "framework/graphics/picture.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/sysutils.h"
#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/graphics/metafile.h"
#include "framework/graphics/png_image.h"
#include "framework/system/resource.h"

#include <cstdint>

namespace {

// The extension as written, without the dot; "" when the file name has none.
std::string ExtensionOf(const std::string& path) {
  const size_t nameStart = path.find_last_of("\\/:");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
    return {};
  return path.substr(dot + 1);
}

std::unique_ptr<TGraphic> GraphicFor(const std::string& extension) {
  const std::string ext = AsciiLowerCase(extension);
  if (ext == "bmp")
    return std::make_unique<TBitmap>();
  if (ext == "jpg" || ext == "jpeg")
    return std::make_unique<TJPEGImage>();
  if (ext == "png")
    return std::make_unique<TPNGImage>();
  if (ext == "ico")
    return std::make_unique<TIcon>();
  if (ext == "emf" || ext == "wmf")
    return std::make_unique<TMetafile>();
  throw EInvalidGraphic(Format("Unknown picture file extension (.%s)", extension.c_str()));
}

}  // namespace

void TPicture::LoadFromFile(const std::string& path) {
  std::unique_ptr<TGraphic> graphic = GraphicFor(ExtensionOf(path));
  graphic->LoadFromFile(path);
  graphic_ = std::move(graphic);
  Changed();
}

void TPicture::LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight) {
  std::unique_ptr<TGraphic> graphic = GraphicFor(ExtensionOf(path));
  graphic->LoadFromFileWithin(path, maxWidth, maxHeight);
  graphic_ = std::move(graphic);
  Changed();
}

void TPicture::LoadFromResource(HINSTANCE instance, const char* name, const char* type,
                                const std::string& extension) {
  std::unique_ptr<TGraphic> graphic = GraphicFor(extension);
  const std::string_view data = ResourceBytes(instance, name, type);
  graphic->LoadFromBytes(data.data(), data.size());
  graphic_ = std::move(graphic);
  Changed();
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  Changed();
}

void TPicture::Clear() {
  graphic_.reset();
  Changed();
}

void TPicture::Changed() const {
  if (OnChange)
    OnChange();
}

void TPicture::Draw(HDC dc, const RECT& dest, bool stretch) const {
  if (Empty())
    return;
  TSaveDC keep(dc);
  IntersectClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
  if (stretch) {
    graphic_->Draw(dc, dest);
  } else {
    const RECT natural{dest.left, dest.top, dest.left + graphic_->Width(),
                       dest.top + graphic_->Height()};
    graphic_->Draw(dc, natural);
  }
}
