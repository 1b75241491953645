#include "tray_menu.h"

#include "deadline.h"
#include "real_input.h"
#include "window_search.h"

#include <optional>

namespace e2e {
namespace {

BOOL CALLBACK NoteShownChild(HWND child, LPARAM found) {
  if (IsWindowVisible(child)) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

// Where a click reaches the icon on the screen; nullopt when the notification area did not come.
// The area shows only while it holds an icon, and the program adds its icon after its window
// has painted, so a window on screen does not mean the icon is there yet.
std::optional<POINT> TrayIconPoint(const TDeadline& deadline) {
  HWND tray = nullptr;
  if (!WaitFor(deadline.RemainingMs(), [&] {
        tray = FindWindowA(nullptr, "Wine System Tray");
        return tray && IsWindowVisible(tray);
      }))
    return std::nullopt;
  HWND icon = nullptr;
  EnumChildWindows(tray, NoteShownChild, reinterpret_cast<LPARAM>(&icon));
  RECT at{};
  GetWindowRect(icon ? icon : tray, &at);
  return POINT{(at.left + at.right) / 2, icon ? (at.top + at.bottom) / 2 : at.bottom - 8};
}

}  // namespace

bool ClickTrayIcon(DWORD ms) {
  const std::optional<POINT> icon = TrayIconPoint(TDeadline(ms));
  if (icon)
    ClickAt(icon->x, icon->y);
  return icon.has_value();
}

HWND OpenTrayIconMenu(DWORD pid, DWORD ms) {
  const TDeadline deadline(ms);
  const std::optional<POINT> icon = TrayIconPoint(deadline);
  if (!icon)
    return nullptr;
  ClickAt(icon->x, icon->y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
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
