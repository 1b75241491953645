#include "framework/panel.h"

#include "framework/system/gdi_handles.h"

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
  bevelOuter_ = bevel;
  Repaint();
}

void TCustomPanel::Repaint() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

TWinControl::TCreateParams TCustomPanel::CreateParams() {
  return {nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, Caption()};
}

void TCustomPanel::PaintContent(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  if (bevelOuter_ != TBevelCut::bvNone) {
    DrawEdge(dc, &client, bevelOuter_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&client, -1, -1);
  }
  if (Caption().empty())
    return;
  TSaveDC saved(dc);
  SelectObject(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, Caption().c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TCustomPanel::PaintTo(HDC dc) {
  EraseBackground(dc);
  PaintContent(dc);
}

LRESULT TCustomPanel::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      if (wParam) {
        PaintContent(reinterpret_cast<HDC>(wParam));
      } else {
        TPaintScope paint(Handle());
        PaintContent(paint.Get());
      }
      return 0;
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:     // the caption stays in the middle, the bevel at the edge
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = TWinControl::DefaultHandler(msg, wParam, lParam);
      Repaint();
      return result;
    }
    default:
      return TWinControl::DefaultHandler(msg, wParam, lParam);
  }
}
