#include "skin_pixels.h"

namespace e2e {
namespace {

HBITMAP LoadPicture(const std::string& path) {
  return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

}  // namespace

COLORREF PicturePixel(const std::string& path, int x, int y) {
  HBITMAP picture = LoadPicture(path);
  if (!picture)
    return CLR_INVALID;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  const COLORREF pixel = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(picture);
  return pixel;
}

SIZE PictureSize(const std::string& path) {
  HBITMAP picture = LoadPicture(path);
  BITMAP info{};
  if (picture)
    GetObjectA(picture, sizeof info, &info);
  DeleteObject(picture);
  return {info.bmWidth, info.bmHeight};
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

}  // namespace e2e
