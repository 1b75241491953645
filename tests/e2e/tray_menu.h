#pragma once
// The program's menu in the notification area Wine shows without a desktop (its own window,
// whose children are the icons; the program's is the only one).
#include <windows.h>

namespace e2e {

// Right-clicks the icon as a user would; returns the shown popup menu window of process PID,
// or null when none came within MS.
HWND OpenTrayIconMenu(DWORD pid, DWORD ms);

// Left-clicks the icon as a user would; false when the notification area did not come within MS.
bool ClickTrayIcon(DWORD ms);

}  // namespace e2e
