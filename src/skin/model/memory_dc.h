#pragma once
// A memory DC with one bitmap selected for its lifetime: the bitmap is selected back out before
// the DC goes.

#include "framework/core/exceptions.h"
#include "framework/system/gdi_handles.h"

#include <windows.h>

class TMemoryDC {
public:
  explicit TMemoryDC(HBITMAP bitmap) : dc_(Create()), select_(dc_.Get(), bitmap) {}

  HDC Get() const { return dc_.Get(); }

private:
  static HDC Create() {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
      throw EOutOfResources("Out of system resources");
    return dc;
  }

  UniqueDC dc_;            // the memory DC
  TSelectObject select_;   // the bitmap in it
};
