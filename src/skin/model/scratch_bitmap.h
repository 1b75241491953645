#pragma once
// The one off-screen bitmap the control skinners share for building their paints.

#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"

#include <windows.h>

// A 24-bit bitmap kept selected into its own memory DC, whose stretch mode is COLORONCOLOR.
class TScratchBitmap {
public:
  TScratchBitmap();
  ~TScratchBitmap();
  TScratchBitmap(const TScratchBitmap&) = delete;
  TScratchBitmap& operator=(const TScratchBitmap&) = delete;

  // A black picture of the size (negative sizes count as 0, which leaves nothing selected).
  // The DC stays the same.
  void SetSize(int width, int height);
  HDC Dc() const { return dc_.Get(); }
  const TBitmap& Bitmap() const { return bitmap_; }

private:
  UniqueDC dc_;              // the memory DC
  HGDIOBJ original_;         // the DC's own bitmap, selected while ours is replaced or freed
  TBitmap bitmap_;           // the picture
};

// The shared scratch bitmap, made at first use and freed at exit.
TScratchBitmap& ScratchBitmap();
