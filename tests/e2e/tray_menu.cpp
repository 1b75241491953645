#include "tray_menu.h"

#include "deadline.h"
#include "real_input.h"
#include "window_search.h"

namespace e2e {
namespace {

BOOL CALLBACK NoteShownChild(HWND child, LPARAM found) {
  if (IsWindowVisible(child)) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND OpenTrayIconMenu(DWORD pid, DWORD ms) {
  const TDeadline deadline(ms);
  HWND tray = nullptr;
  if (!WaitFor(deadline.RemainingMs(), [&] { return (tray = FindWindowA(nullptr, "Wine System Tray")) != nullptr; }))
    return nullptr;
  HWND icon = nullptr;
  EnumChildWindows(tray, NoteShownChild, reinterpret_cast<LPARAM>(&icon));
  RECT at{};
  GetWindowRect(icon ? icon : tray, &at);
  ClickAt((at.left + at.right) / 2, icon ? (at.top + at.bottom) / 2 : at.bottom - 8, MOUSEEVENTF_RIGHTDOWN,
          MOUSEEVENTF_RIGHTUP);
  HWND menu = nullptr;
  WaitFor(deadline.RemainingMs(), [&] {
    for (HWND each : TopLevelWindows(pid, "#32768"))
      if (IsWindowVisible(each))
        menu = each;
    return menu != nullptr;
  });
  return menu;
}

}  // namespace e2e
