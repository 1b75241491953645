#pragma once
// User32 entry points that older systems lack, looked up once at start-up; each is null when
// the system does not have it, and the wrappers then do without.

#include <windows.h>

struct TOptionalUser32 {
  using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;
  GetComboBoxInfoProc GetComboBoxInfo = nullptr;
};

// The entry points found; writable so that tests can take one away.
TOptionalUser32& OptionalUser32();

// False when the system lacks GetScrollBarInfo; else whether the call succeeded.
bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info);

// Asks for WM_MOUSELEAVE when the system has TrackMouseEvent; otherwise nothing.
void TrackMouseLeave(HWND window);
