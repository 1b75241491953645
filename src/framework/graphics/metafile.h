#pragma once
#include "framework/system/gdi_handles.h"
#include "framework/graphics/graphic.h"

// A vector picture: an enhanced metafile, or a Windows metafile (plain or placeable) turned
// into one. Its natural size is its frame at the screen's resolution; a plain Windows
// metafile's is its window extent in pixels.
class TMetafile : public TGraphic {
public:
  bool Empty() const override { return !emf_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  HENHMETAFILE Handle() const { return emf_.Get(); }

  // EInvalidGraphic("Metafile is not valid") for a damaged file.
  void LoadFromBytes(const void* data, size_t size) override;
  // Plays the picture into rect, scaled to it.
  void Draw(HDC dc, const RECT& rect) const override;

private:
  UniqueEnhMetaFile emf_;  // the picture
  int width_ = 0;          // natural size in pixels
  int height_ = 0;
};
