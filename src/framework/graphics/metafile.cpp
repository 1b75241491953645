#include "framework/graphics/metafile.h"

#include "framework/core/exceptions.h"
#include "framework/core/metafile_format.h"

void TMetafile::LoadFromBytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  const MetafileLayout layout = ParseMetafile(bytes, size);

  int dpiX = 96, dpiY = 96;
  {
    TWindowDC screen(nullptr);
    if (screen) {
      dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
      dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
  }
  const int width = MetafilePixels(layout.width, layout.unitsPerInch, dpiX);
  const int height = MetafilePixels(layout.height, layout.unitsPerInch, dpiY);
  if (width <= 0 || height <= 0)
    throw EInvalidGraphic("Metafile is not valid");

  UniqueEnhMetaFile emf;
  if (layout.kind == MetafileKind::Enhanced) {
    emf.Reset(SetEnhMetaFileBits(static_cast<UINT>(layout.size), bytes + layout.offset));
  } else {
    // The conversion maps the metafile's window onto a frame of this size (0.01 mm units).
    METAFILEPICT picture{};
    picture.mm = MM_ANISOTROPIC;
    picture.xExt = MulDiv(width, 2540, dpiX);
    picture.yExt = MulDiv(height, 2540, dpiY);
    emf.Reset(SetWinMetaFileBits(static_cast<UINT>(layout.size), bytes + layout.offset, nullptr,
                                 &picture));
  }
  if (!emf)
    throw EInvalidGraphic("Metafile is not valid");
  emf_ = std::move(emf);
  width_ = width;
  height_ = height;
}

void TMetafile::Draw(HDC dc, const RECT& rect) const {
  if (emf_)
    PlayEnhMetaFile(dc, emf_.Get(), &rect);
}
