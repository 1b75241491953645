#include "framework/graphic_children.h"

#include "framework/control.h"
#include "framework/graphic_control.h"

#include <windowsx.h>

#include <algorithm>

namespace {

bool IsMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
}

LPARAM RelativeTo(const TGraphicControl& child, POINT point) {
  return MAKELPARAM(point.x - child.Left(), point.y - child.Top());
}

}  // namespace

bool TGraphicChildren::AnyVisible() const {
  return std::any_of(children_.begin(), children_.end(), [](const TGraphicControl* c) { return c->Visible(); });
}

void TGraphicChildren::Insert(TGraphicControl* child) {
  children_.push_back(child);
}

void TGraphicChildren::Remove(TGraphicControl* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  if (hot_ == child)
    hot_ = nullptr;
  if (captured_ == child) {
    captured_ = nullptr;
    ReleaseCapture();
  }
}

void TGraphicChildren::Orphan() {
  for (TGraphicControl* child : std::vector<TGraphicControl*>(children_))
    child->SetParent(nullptr);
}

void TGraphicChildren::PaintOver(HWND window, HRGN update) const {
  TWindowDC dc(window);
  if (!dc)
    return;
  for (TGraphicControl* child : std::vector<TGraphicControl*>(children_)) {
    const RECT bounds = child->BoundsRect();
    if (!child->Visible() || !RectInRegion(update, &bounds))
      continue;
    TSaveDC saved(dc.Get());
    SelectClipRgn(dc.Get(), update);
    IntersectClipRect(dc.Get(), bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetViewportOrgEx(dc.Get(), bounds.left, bounds.top, nullptr);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
  }
}

TGraphicControl* TGraphicChildren::ChildAt(POINT point) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TGraphicControl* child = *it;
    const RECT bounds = child->BoundsRect();
    if (child->Visible() && child->Enabled() && PtInRect(&bounds, point))
      return child;
  }
  return nullptr;
}

void TGraphicChildren::SetHot(HWND window, TGraphicControl* child) {
  if (child == hot_)
    return;
  TGraphicControl* left = hot_;
  hot_ = child;
  if (left)
    left->Perform(CM_MOUSELEAVE, 0, 0);
  if (child) {
    // The window reports the mouse leaving it (WM_MOUSELEAVE), which the child then hears of.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    if (hot_ == child)
      child->Perform(CM_MOUSEENTER, 0, 0);
  }
}

bool TGraphicChildren::RouteMouse(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (children_.empty() || !IsMouseMessage(msg))
    return false;
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (msg == WM_MOUSEMOVE)
    SetHot(window, ChildAt(point));
  TGraphicControl* target = captured_ ? captured_ : ChildAt(point);
  if (!target)
    return false;
  if (IsButtonDown(msg) && !captured_) {
    captured_ = target;
    SetCapture(window);
  }
  result = target->Perform(msg, wParam, RelativeTo(*target, point));
  // The press ends when no button is held any more.
  if (captured_ && !IsButtonDown(msg) && msg != WM_MOUSEMOVE &&
      !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    captured_ = nullptr;
    if (GetCapture() == window)
      ReleaseCapture();
  }
  return true;
}

void TGraphicChildren::MouseLeft() {
  if (TGraphicControl* left = hot_) {
    hot_ = nullptr;
    left->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

void TGraphicChildren::CaptureLost() {
  if (TGraphicControl* holder = captured_) {
    captured_ = nullptr;
    holder->Perform(WM_CAPTURECHANGED, 0, 0);
  }
}
