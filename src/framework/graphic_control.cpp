#include "framework/graphic_control.h"

#include "framework/font.h"

#include <windowsx.h>

TGraphicControl::TGraphicControl(TComponent* owner) : TComponent(owner) {}

TGraphicControl::~TGraphicControl() {
  NotifyDestroying();
  SetParent(nullptr);
}

void TGraphicControl::NotifyDestroying() {
  if (destroyingSent_)
    return;
  destroyingSent_ = true;
  Perform(CM_CONTROLDESTROYING, 0, 0);
}

void TGraphicControl::SetParent(TWinControl* parent) {
  if (parent == parent_)
    return;
  if (parent_) {
    Invalidate();
    parent_->graphics_.Remove(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->graphics_.Insert(this);
    Invalidate();
  }
}

void TGraphicControl::SetParentComponent(TComponent* parent) {
  SetParent(dynamic_cast<TWinControl*>(parent));
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  Invalidate();
  left_ = left, top_ = top, width_ = width, height_ = height;
  Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == visible_)
    return;
  visible_ = visible;
  Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled) {
  if (enabled == enabled_)
    return;
  enabled_ = enabled;
  Invalidate();
}

void TGraphicControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  Invalidate();
}

void TGraphicControl::SetFont(TFont* font) {
  font_ = font;
  Invalidate();
}

TFont* TGraphicControl::Font() const {
  if (font_)
    return font_;
  return parent_ ? parent_->Font() : nullptr;
}

HFONT TGraphicControl::FontHandle() const {
  if (font_)
    return font_->Handle();
  if (parent_)
    return parent_->FontHandle();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TGraphicControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated())
    return;
  const RECT bounds = BoundsRect();
  InvalidateRect(parent_->Handle(), &bounds, TRUE);
}

LRESULT TGraphicControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  const TShiftState shift = ShiftStateFromMouse(wParam);
  switch (msg) {
    case WM_PAINT:
      if (wParam)
        Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      return 0;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      return 0;
    case CM_MOUSEENTER:
      MouseEnter();
      return 0;
    case CM_MOUSELEAVE:
      MouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      PressCancelled();
      return 0;
    default:
      return 0;
  }
}

TGraphicControlDC::TGraphicControlDC(const TGraphicControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated())
    return;
  window_ = parent->Handle();
  dc_ = GetDC(window_);
  if (!dc_)
    return;
  saved_ = SaveDC(dc_);
  const RECT bounds = control.BoundsRect();
  IntersectClipRect(dc_, bounds.left, bounds.top, bounds.right, bounds.bottom);
  SetViewportOrgEx(dc_, bounds.left, bounds.top, nullptr);
}

TGraphicControlDC::~TGraphicControlDC() {
  if (!dc_)
    return;
  if (saved_)
    RestoreDC(dc_, saved_);
  ReleaseDC(window_, dc_);
}
