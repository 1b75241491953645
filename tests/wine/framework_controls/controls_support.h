#pragma once
// Windows, messages and pixels for the tests of the button-like controls.
#include "framework/graphics/bitmap.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace controls_support {

// Handles the thread's messages until DONE answers true or MS milliseconds passed.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done())
      return true;
    if (GetTickCount() - start > ms)
      return false;
    Sleep(5);
  }
}

inline void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// A COLORREF (or a system colour) as the canvas reads pixels: 0x00RRGGBB.
inline uint32_t Rgb(COLORREF c) {
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}
inline uint32_t SysRgb(int index) {
  return Rgb(GetSysColor(index));
}

// A pixel of a window's client area as the screen shows it.
inline uint32_t ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return Rgb(c);
}

// The posted button messages of a click at a client point, handled before it returns.
inline void PostClick(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump(50);
}

// A 24-bit strip of COUNT solid images of SIZE x SIZE pixels in the given 0x00RRGGBB colours;
// the bottom-left pixel of the strip is TRANSPARENT, the colour a glyph leaves out.
inline TBitmap GlyphStrip(const std::vector<uint32_t>& colours, int size, uint32_t transparent) {
  TBitmap strip(size * static_cast<int>(colours.size()), size);
  for (int y = 0; y < size; ++y) {
    uint8_t* pixel = strip.ScanLine(y);
    for (int x = 0; x < strip.Width(); ++x) {
      const uint32_t colour = x == 0 && y == size - 1 ? transparent : colours[static_cast<size_t>(x / size)];
      *pixel++ = colour & 0xFF;
      *pixel++ = (colour >> 8) & 0xFF;
      *pixel++ = (colour >> 16) & 0xFF;
    }
  }
  return strip;
}

}  // namespace controls_support
