#include "tray/tray_window.h"

#include "tray/tray_icon.h"

#include <shlwapi.h>

#include <algorithm>
#include <memory>

namespace {

// The process-wide slot; a handler still in it at program end is destroyed with it.
std::unique_ptr<TTrayIconHandler>& HandlerSlot() {
  static std::unique_ptr<TTrayIconHandler> slot;
  return slot;
}

// Messages the window answers with 1 and keeps from default handling, so that it can be
// neither closed from outside nor in the way of logging off or shutting down.
bool IsRefusedMessage(UINT msg) {
  switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---- TTrayIconHandler ----

TTrayIconHandler::TTrayIconHandler()
    : window_([this](UINT msg, WPARAM wParam, LPARAM lParam) { return Procedure(msg, wParam, lParam); }) {}

TTrayIconHandler* TTrayIconHandler::Instance() {
  return HandlerSlot().get();
}

TTrayIconHandler& TTrayIconHandler::Acquire(TTrayIcon* icon) {
  auto& slot = HandlerSlot();
  if (!slot)
    slot.reset(new TTrayIconHandler());
  slot->icons_.push_back(icon);
  return *slot;
}

void TTrayIconHandler::Release(TTrayIcon* icon) {
  auto& slot = HandlerSlot();
  if (!slot)
    return;
  std::erase(slot->icons_, icon);
  if (slot->icons_.empty())
    slot.reset();
}

TTrayIcon* TTrayIconHandler::Find(WPARAM id) const {
  // The identifier is the component's address. The window is top-level, so a callback
  // message another program posts could carry anything: only a live icon's is followed.
  auto* icon = reinterpret_cast<TTrayIcon*>(id);
  return std::find(icons_.begin(), icons_.end(), icon) != icons_.end() ? icon : nullptr;
}

LRESULT TTrayIconHandler::Procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kTrayCallbackMessage) {
    if (TTrayIcon* icon = Find(wParam))
      icon->HandleNotification(static_cast<UINT>(lParam));
    return 0;
  }
  if (IsRefusedMessage(msg))
    return 1;
  return window_.DefaultHandler(msg, wParam, lParam);
}

// ---- Taskbar re-creation ----

DWORD ComCtlVersion() {
  // Loaded with the program: the framework links its image lists and subclassing.
  HMODULE comctl = GetModuleHandleA("comctl32.dll");
  if (!comctl)
    return 0;
  auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
  DLLVERSIONINFO info = {};
  info.cbSize = sizeof info;
  if (!getVersion || FAILED(getVersion(&info)))
    return 0;
  return (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
}

UINT TaskbarCreatedMessageFor(DWORD version) {
  return version >= 0x40047 ? RegisterWindowMessageA("TaskbarCreated") : 0;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = TaskbarCreatedMessageFor(ComCtlVersion());
  return message;
}
