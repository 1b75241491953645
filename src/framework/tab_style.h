#pragma once
// How the tabs of a tab control or page control look and where they sit.
#include <windows.h>

#include <commctrl.h>

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// The tab window's style bits for them. Tabs at the sides are valid only with several rows.
inline DWORD TabStyleBits(TTabPosition position, TTabStyle style) {
  DWORD bits = 0;
  switch (position) {
    case TTabPosition::tpBottom: bits = TCS_BOTTOM; break;
    case TTabPosition::tpLeft: bits = TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: bits = TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
  }
  if (style == TTabStyle::tsButtons)
    bits |= TCS_BUTTONS;
  else if (style == TTabStyle::tsFlatButtons)
    bits |= TCS_BUTTONS | TCS_FLATBUTTONS;
  return bits;
}

// Every bit TabStyleBits may set, to clear before a change.
constexpr DWORD kTabStyleMask = TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE | TCS_BUTTONS | TCS_FLATBUTTONS;

// Gives the tab window WINDOW the bits of POSITION and STYLE in place of its old ones, and lets
// its frame and tabs be worked out and painted again.
inline void ApplyTabStyle(HWND window, TTabPosition position, TTabStyle style) {
  const LONG_PTR kept = GetWindowLongPtrA(window, GWL_STYLE) & ~static_cast<LONG_PTR>(kTabStyleMask);
  SetWindowLongPtrA(window, GWL_STYLE, kept | TabStyleBits(position, style));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}
