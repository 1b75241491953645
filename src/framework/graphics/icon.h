#pragma once
#include "framework/system/gdi_handles.h"
#include "framework/graphics/graphic.h"

#include <functional>

// An icon loaded from an ICO file image. Of the file's images the largest (then the deepest)
// is kept; it is drawn with its mask, stretched to the rectangle.
class TIcon : public TGraphic {
public:
  bool Empty() const override { return !icon_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  HICON Handle() const { return icon_.Get(); }
  // Takes ICON over (null empties the icon) and reads its size from it.
  void SetHandle(HICON icon);
  // Becomes a copy of SOURCE (CopyIcon); empty when SOURCE is.
  void Assign(const TIcon& source);

  // EInvalidGraphic("Icon image is not valid") for a damaged file.
  void LoadFromBytes(const void* data, size_t size) override;
  void Draw(HDC dc, const RECT& rect) const override;

  // Runs after every change of the picture (load, SetHandle, Assign).
  std::function<void()> OnChange;

private:
  void Changed();

  UniqueIcon icon_;  // the icon
  int width_ = 0;    // size of its image
  int height_ = 0;
};
