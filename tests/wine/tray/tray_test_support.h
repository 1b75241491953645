#pragma once
// Shared pieces of the tray tests: an application whose error boxes are recorded, a recorder in
// place of Shell_NotifyIconA, message pumping and icons made in code.
#include "framework/application.h"
#include "tray/shell_notify.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tray_test {

// Dispatches messages for MS milliseconds, so that timers are delivered.
inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<int32_t>(end - GetTickCount()) > 0) {
    Application->ProcessMessages();
    Sleep(2);
  }
}

// Dispatches messages until DONE holds or MS milliseconds have passed; returns DONE().
template <typename Done>
bool PumpUntil(Done done, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (!done() && static_cast<int32_t>(end - GetTickCount()) > 0) {
    Application->ProcessMessages();
    Sleep(2);
  }
  return done();
}

// One request the shell would have received.
struct ShellCall {
  DWORD message;
  TNotifyIconData data;
};

// An icon of SIZE x SIZE pixels in one opaque colour (0x00RRGGBB).
inline HICON MakeIcon(int size, uint32_t rgb) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i)
    pixels[i] = 0xFF000000u | rgb;
  std::vector<uint8_t> maskBits(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);  // all opaque
  HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
  ICONINFO iconInfo{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&iconInfo);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

// The colour (0x00RRGGBB) in the middle of ICON drawn at SIZE x SIZE on black.
inline uint32_t IconColour(HICON icon, int size) {
  wine_support::Canvas canvas(size, size, 0);
  DrawIconEx(canvas.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  return canvas.Pixel(size / 2, size / 2);
}

// An application object with recorded error boxes and a recorder in place of the shell.
class TrayFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application = &app_;
    app_.SetTitle("Tapestrel");
    app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string&, UINT) {
      errors_.push_back(text);
      return IDOK;
    });
    SetShellNotifyIcon([this](DWORD message, const TNotifyIconData& data) {
      calls_.push_back({message, data});
      return shellAnswer_;
    });
  }
  void TearDown() override {
    SetShellNotifyIcon(nullptr);
    Application = nullptr;
  }

  // The requests of one kind, in order.
  std::vector<ShellCall> CallsOf(DWORD message) const {
    std::vector<ShellCall> found;
    for (const ShellCall& call : calls_)
      if (call.message == message)
        found.push_back(call);
    return found;
  }

  TApplication app_;
  std::vector<std::string> errors_;
  std::vector<ShellCall> calls_;
  bool shellAnswer_ = true;  // what the recorded shell answers
};

}  // namespace tray_test
