#include "screenshot.h"

#include "scratch_files.h"

namespace e2e {
namespace {

class TScreenDc {
public:
  TScreenDc() : dc_(GetDC(nullptr)) {}
  ~TScreenDc() { ReleaseDC(nullptr, dc_); }
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  HDC Get() const { return dc_; }

private:
  HDC dc_;
};

// A top-down 24-bit DIB section selected into a memory DC.
class TCapture {
public:
  TCapture(HDC screen, int width, int height) : dc_(CreateCompatibleDC(screen)) {
    info_.biSize = sizeof info_;
    info_.biWidth = width;
    info_.biHeight = -height;
    info_.biPlanes = 1;
    info_.biBitCount = 24;
    bitmap_ = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS,
                               &bits_, nullptr, 0);
    old_ = bitmap_ ? SelectObject(dc_, bitmap_) : nullptr;
  }
  ~TCapture() {
    if (old_)
      SelectObject(dc_, old_);
    if (bitmap_)
      DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TCapture(const TCapture&) = delete;
  TCapture& operator=(const TCapture&) = delete;

  bool IsValid() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_; }

  std::string FileBytes() const {
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(info_.biWidth) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(-info_.biHeight);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info_;
    file.bfSize = file.bfOffBits + imageBytes;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info_), sizeof info_);
    bytes.append(static_cast<const char*>(bits_), imageBytes);
    return bytes;
  }

private:
  HDC dc_;
  BITMAPINFOHEADER info_{};
  HBITMAP bitmap_ = nullptr;
  void* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

void SaveScreenshot(HWND window, const std::string& path) {
  RECT area;
  if (!GetWindowRect(window, &area) || area.right <= area.left || area.bottom <= area.top)
    return;
  const TScreenDc screen;
  TCapture capture(screen.Get(), area.right - area.left, area.bottom - area.top);
  if (!capture.IsValid() || !BitBlt(capture.Dc(), 0, 0, area.right - area.left,
                                    area.bottom - area.top, screen.Get(), area.left, area.top,
                                    SRCCOPY))
    return;
  try {
    WriteFileBytes(path, capture.FileBytes());
  } catch (const std::exception&) {
    DeleteFileA(path.c_str());
  }
}

}  // namespace e2e
