#pragma once
#include "framework/utility_window.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class TTrayIcon;

// The message the shell posts for an icon's mouse and balloon notifications (WM_USER + 1024):
// wParam is the icon's identifier, lParam the notification.
constexpr UINT kTrayCallbackMessage = 0x800;

// The hidden window every TTrayIcon of the process shares. The handler lives from the first
// icon's construction to the last one's destruction, its window from the first request to the
// shell; it turns the callback message back into the component the identifier names, and
// cannot be closed from outside.
class TTrayIconHandler {
public:
  // The handler of the process, or null while no tray icon exists.
  static TTrayIconHandler* Instance();

  HWND Handle() const { return window_.Handle(); }
  bool HandleAllocated() const { return window_.HandleAllocated(); }
  // Number of live tray icon components.
  uint32_t ReferenceCount() const { return static_cast<uint32_t>(icons_.size()); }

private:
  friend class TTrayIcon;
  TTrayIconHandler();
  static TTrayIconHandler& Acquire(TTrayIcon* icon);
  static void Release(TTrayIcon* icon);
  LRESULT Procedure(UINT msg, WPARAM wParam, LPARAM lParam);
  TTrayIcon* Find(WPARAM id) const;

  std::vector<TTrayIcon*> icons_;  // the live components; their number is the reference count
  TUtilityWindow window_;          // receives the shell's callback messages
};

// The common-controls version as major << 16 | minor (comctl32's DllGetVersion), or 0.
DWORD ComCtlVersion();
// The taskbar-re-creation message for a common-controls VERSION: "TaskbarCreated" registered
// from 4.71 (0x40047) on, 0 before it.
UINT TaskbarCreatedMessageFor(DWORD version);
// The process's taskbar-re-creation message, decided once, at first use.
UINT TaskbarCreatedMessage();
