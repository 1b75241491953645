#include "skin/model/transparent_blit.h"

#include "skin/model/memory_dc.h"

#include <algorithm>

namespace {

bool IsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Monochrome, white where the source pixel is the key colour: a colour-to-monochrome copy turns
// the source DC's background colour white and everything else black.
UniqueBitmap BuildMask(HDC source, int width, int height, TColour key) {
  UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (!mask)
    throw EOutOfResources("Out of system resources");
  TMemoryDC maskDc(mask.Get());
  const COLORREF oldBack = SetBkColor(source, static_cast<COLORREF>(key));
  BitBlt(maskDc.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  SetBkColor(source, oldBack);
  return mask;
}

// Source where the mask is black, destination kept where it is white.
void BlitThroughMask(HDC dc, int x, int y, int w, int h, HDC source, HBITMAP mask) {
  MaskBlt(dc, x, y, w, h, source, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
}

// dest ^ src, then cleared where the mask is black, then ^ src again: the source where the mask
// is black, the destination where it is white. The monochrome mask takes the destination's
// text colour for 0 and its background colour for 1.
void BlitByInversion(HDC dc, int x, int y, int w, int h, HDC source, HBITMAP mask) {
  TMemoryDC maskDc(mask);
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, x, y, w, h, maskDc.Get(), 0, 0, SRCAND);
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

}  // namespace

void DrawTransparentBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TColour key) {
  static const bool nt = IsNtFamily();
  DrawTransparentBitmap(dc, dest, bitmap, key, nt ? TMaskMethod::mmMaskBlt : TMaskMethod::mmInversion);
}

void DrawTransparentBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TColour key,
                           TMaskMethod method) {
  if (dest.right < dest.left || dest.bottom < dest.top || bitmap.Empty())
    return;
  const int w = std::min<int>(bitmap.Width(), dest.right - dest.left);
  const int h = std::min<int>(bitmap.Height(), dest.bottom - dest.top);
  if (w == 0 || h == 0)
    return;
  TMemoryDC source(bitmap.Handle());
  const UniqueBitmap mask = BuildMask(source.Get(), w, h, key);
  if (method == TMaskMethod::mmMaskBlt)
    BlitThroughMask(dc, dest.left, dest.top, w, h, source.Get(), mask.Get());
  else
    BlitByInversion(dc, dest.left, dest.top, w, h, source.Get(), mask.Get());
}
