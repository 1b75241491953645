#include "framework/graphics/icon.h"

#include "framework/core/exceptions.h"
#include "framework/core/ico_format.h"

void TIcon::LoadFromBytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  const std::vector<IcoImage> images = ParseIcoFile(bytes, size);
  const IcoImage& image = ChooseIcoImage(images);
  // 0x00030000: the format version of icon resources. The call only reads the bytes.
  UniqueIcon icon(CreateIconFromResourceEx(const_cast<BYTE*>(bytes + image.offset),
                                           static_cast<DWORD>(image.size), TRUE, 0x00030000,
                                           image.width, image.height, LR_DEFAULTCOLOR));
  if (!icon)
    throw EInvalidGraphic("Icon image is not valid");
  icon_ = std::move(icon);
  width_ = image.width;
  height_ = image.height;
  Changed();
}

void TIcon::SetHandle(HICON icon) {
  icon_.Reset(icon);
  width_ = height_ = 0;
  ICONINFO info = {};
  if (icon && GetIconInfo(icon, &info)) {
    // GetIconInfo hands over copies of both bitmaps; a monochrome icon's mask is twice as tall.
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bits = {};
    if (GetObjectA(color ? color.Get() : mask.Get(), sizeof bits, &bits)) {
      width_ = bits.bmWidth;
      height_ = color ? bits.bmHeight : bits.bmHeight / 2;
    }
  }
  Changed();
}

void TIcon::Assign(const TIcon& source) {
  if (&source != this)
    SetHandle(source.icon_ ? CopyIcon(source.icon_.Get()) : nullptr);
}

void TIcon::Changed() {
  if (OnChange)
    OnChange();
}

void TIcon::Draw(HDC dc, const RECT& rect) const {
  if (icon_)
    DrawIconEx(dc, rect.left, rect.top, icon_.Get(), rect.right - rect.left,
               rect.bottom - rect.top, 0, nullptr, DI_NORMAL);
}
