#pragma once
#include "framework/gdi_handles.h"
#include "framework/graphics/graphic.h"

// An icon loaded from an ICO file image. Of the file's images the largest (then the deepest)
// is kept; it is drawn with its mask, stretched to the rectangle.
class TIcon : public TGraphic {
public:
  bool Empty() const override { return !icon_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  HICON Handle() const { return icon_.Get(); }

  // EInvalidGraphic("Icon image is not valid") for a damaged file.
  void LoadFromBytes(const void* data, size_t size) override;
  void Draw(HDC dc, const RECT& rect) const override;

private:
  UniqueIcon icon_;  // the icon
  int width_ = 0;    // size of its image
  int height_ = 0;
};
