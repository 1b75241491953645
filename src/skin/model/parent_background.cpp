#include "skin/model/parent_background.h"

#include "framework/control.h"
#include "framework/system/gdi_handles.h"

namespace {

LRESULT PerformOn(HWND window, UINT msg, WPARAM wParam) {
  if (TWinControl* control = TWinControl::FromHandle(window))
    return control->Perform(msg, wParam, 0);
  return SendMessageA(window, msg, wParam, 0);
}

// The control's top-left in its parent's client coordinates.
POINT PositionInParent(HWND control, HWND parent) {
  RECT bounds{};
  GetWindowRect(control, &bounds);
  POINT topLeft{bounds.left, bounds.top};
  ScreenToClient(parent, &topLeft);
  return topLeft;
}

}  // namespace

void PaintParentBackground(HWND control, HDC dc) {
  if (!(GetWindowLongA(control, GWL_STYLE) & WS_CHILD))
    return;
  HWND parent = GetParent(control);
  if (!parent)
    return;
  const POINT at = PositionInParent(control, parent);
  RECT client{};
  GetClientRect(control, &client);

  TSaveDC keep(dc);
  OffsetViewportOrgEx(dc, -at.x, -at.y, nullptr);
  IntersectClipRect(dc, at.x, at.y, at.x + client.right, at.y + client.bottom);
  const WPARAM target = reinterpret_cast<WPARAM>(dc);
  PerformOn(parent, WM_ERASEBKGND, target);
  PerformOn(parent, WM_PAINT, target);
}
