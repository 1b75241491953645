#include "framework/group_box.h"

TWinControl::TCreateParams TCustomGroupBox::CreateParams() {
  // Clipping its children keeps the frame's painting off the controls inside it.
  return {"BUTTON", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_CONTROLPARENT, Caption()};
}

LRESULT TCustomGroupBox::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The standard group box paints only its frame and caption; its parent clips its children, so
  // nobody would paint the inside.
  if (msg == WM_ERASEBKGND)
    return EraseBackground(reinterpret_cast<HDC>(wParam));
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
