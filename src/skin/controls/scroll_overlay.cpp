#include "skin/controls/scroll_overlay.h"

#include "framework/application.h"
#include "skin/controls/scroll_bar_picture.h"
#include "skin/controls/skin_control.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr char kOverlayClass[] = "TWScrollbar";
// The shortest thumb the system draws.
constexpr int kMinThumb = 8;
// The divisor of an empty range: puts the thumb at the first arrow.
constexpr long long kEmptyRange = 9999999;

int Axis(POINT point, bool vertical) { return vertical ? point.y : point.x; }

// MulDiv (rounding half away from zero) without its 32-bit overflow for ranges near INT_MAX;
// the denominator is positive.
int Scale(long long value, long long numerator, long long denominator) {
  if (denominator <= 0)
    return 0;
  const long long product = value * numerator, half = denominator / 2;
  return static_cast<int>((product + (product >= 0 ? half : -half)) / denominator);
}

ATOM RegisterOverlayClass(WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kOverlayClass;
    return RegisterClassExA(&wc);
  }();
  return atom;
}

}  // namespace

void ControlThumbExtent(int length, int arrow, const SCROLLINFO& info, int& thumbTop, int& thumbBottom) {
  const long long rawRange = static_cast<long long>(info.nMax) - info.nMin;
  const long long range = rawRange > 0 ? rawRange : kEmptyRange;
  const long long offset = std::max(0LL, static_cast<long long>(info.nPos) - info.nMin);
  const int track = std::max(length - 2 * arrow, 0);
  int start = arrow, thumb;
  if (info.nPage > 0) {
    thumb = Scale(track, static_cast<long long>(info.nPage) - 1, range);
    if (thumb > kMinThumb - 1) {
      if (offset > 0)
        start = arrow + Scale(track, offset, range);
    } else {
      thumb = kMinThumb;
      if (offset > 0)
        start = arrow + Scale(std::max(track - kMinThumb, 0), offset, range);
    }
  } else {
    thumb = arrow;
    if (offset > 0)
      start = arrow + Scale(std::max(length - 3 * arrow, 0), offset, range);
  }
  // A page larger than the range or a position past the end stays between the arrows.
  thumb = std::min(thumb, track);
  start = std::clamp(start, arrow, std::max(arrow, length - arrow - thumb));
  thumbTop = start;
  thumbBottom = start + thumb;
}

TWScrollbar::TWScrollbar(TSkinControl& skinner)
    : owner_(skinner), arrowSize_(GetSystemMetrics(SM_CXHSCROLL)) {}

TWScrollbar::~TWScrollbar() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void TWScrollbar::Attach(HWND target, TScrollMode mode, bool vertical) {
  target_ = target;
  mode_ = mode;
  vertical_ = mode == smControl ? vertical : mode == smVertical;
  // The native bar is painted by the target: it must not paint over the overlay lying on it.
  SetWindowLongA(target, GWL_STYLE, GetWindowLongA(target, GWL_STYLE) | WS_CLIPSIBLINGS);
  UpdatePosition();
}

// Made at the bar's first showing, not at attaching: many controls never show one of their bars,
// or are on pages not yet shown, and every window made costs the program's start.
bool TWScrollbar::MakeWindow() {
  if (window_ || made_)
    return window_ != nullptr;
  made_ = true;
  RegisterOverlayClass(&TWScrollbar::WindowProc);
  CreateWindowExA(WS_EX_TOOLWINDOW, kOverlayClass, "", WS_CHILD | WS_CLIPSIBLINGS | (enabled_ ? 0 : WS_DISABLED),
                  0, 0, 0, 0, GetParent(target_), nullptr, GetModuleHandleA(nullptr), this);
  return window_ != nullptr;
}

bool TWScrollbar::ReadBar(TScrollBarState& bar) const {
  if (!target_)
    return false;
  if (mode_ != smControl) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfoSafe(target_, mode_ == smVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info))
      return false;
    bar = {info.rcScrollBar, info.xyThumbTop, info.xyThumbBottom, info.rgstate[0]};
    return true;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(target_, SB_CTL, &info))
    return false;
  GetWindowRect(target_, &bar.Screen);
  const int length = vertical_ ? bar.Screen.bottom - bar.Screen.top : bar.Screen.right - bar.Screen.left;
  ControlThumbExtent(length, arrowSize_, info, bar.ThumbTop, bar.ThumbBottom);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(target_, GWL_STYLE));
  bar.State = (style & WS_VISIBLE ? 0 : STATE_SYSTEM_INVISIBLE) | (style & WS_DISABLED ? STATE_SYSTEM_UNAVAILABLE : 0);
  return true;
}

void TWScrollbar::UpdatePosition() {
  TScrollBarState bar;
  if (!ReadBar(bar)) {
    barVisible_ = false;
    return;
  }
  if (!(GetWindowLongA(target_, GWL_STYLE) & WS_VISIBLE) || (bar.State & STATE_SYSTEM_INVISIBLE) ||
      IsRectEmpty(&bar.Screen)) {
    HideBar();
    return;
  }
  if (!MakeWindow()) {
    barVisible_ = false;
    return;
  }
  barClientRect_ = bar.Screen;
  MapWindowPoints(nullptr, target_, reinterpret_cast<POINT*>(&barClientRect_), 2);
  barLength_ = vertical_ ? bar.Screen.bottom - bar.Screen.top : bar.Screen.right - bar.Screen.left;
  RECT place = bar.Screen;
  MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&place), 2);
  // Directly above the target, so that the target's other siblings keep their order.
  HWND before = GetWindow(target_, GW_HWNDPREV);
  RECT now{};
  GetWindowRect(window_, &now);
  MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&now), 2);
  // Already there (the target's other overlay may lie between this one and the target).
  HWND next = GetWindow(window_, GW_HWNDNEXT);
  const bool aboveTarget = next == target_ || (next && GetWindow(next, GW_HWNDNEXT) == target_);
  const bool placed = barVisible_ && IsWindowVisible(window_) && EqualRect(&now, &place) && aboveTarget;
  barVisible_ = true;
  if (placed) {
    Invalidate();
    return;
  }
  SetWindowPos(window_, before && before != window_ ? before : HWND_TOP, place.left, place.top,
               place.right - place.left, place.bottom - place.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  MoveWindow(window_, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void TWScrollbar::HideBar() {
  barVisible_ = false;
  if (window_)
    ShowWindow(window_, SW_HIDE);
}

void TWScrollbar::Invalidate() {
  if (window_ && barVisible_)
    InvalidateRect(window_, nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (window_)
    EnableWindow(window_, enabled);
}

void TWScrollbar::SetHotPart(int part) {
  hotPart_ = part;
  Invalidate();
}

int TWScrollbar::HitTest(POINT point) {
  TScrollBarState bar;
  if (!tracking_ && ReadBar(bar))
    UpdateThumb(bar);
  const int a = Axis(point, vertical_);
  if (a < arrowSize_)
    return spFirstArrow;
  if (a < thumbStart_)
    return spPageBefore;
  if (a < thumbEnd_)
    return spThumb;
  if (a < barLength_ - arrowSize_)
    return spPageAfter;
  return spSecondArrow;
}

void TWScrollbar::UpdateThumb(const TScrollBarState& bar) {
  const int thumb = bar.ThumbBottom - bar.ThumbTop;
  if (mode_ != smControl && tracking_ && hotPart_ == spThumb) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int moved = Axis(cursor, vertical_) - Axis(dragCursorStart_, vertical_);
    thumbStart_ = std::clamp(dragThumbStart_ + moved, arrowSize_, std::max(arrowSize_, barLength_ - arrowSize_ - thumb));
    thumbEnd_ = thumbStart_ + thumb;
    return;
  }
  thumbStart_ = bar.ThumbTop;
  thumbEnd_ = bar.ThumbBottom;
}

// ---- Mouse -----------------------------------------------------------------------------------

void TWScrollbar::OnMouseMove(POINT point) {
  const int part = HitTest(point);
  if (part != hotPart_) {
    hotPart_ = part;
    Invalidate();
  }
  TrackMouseLeave(window_);
}

void TWScrollbar::OnMouseLeave() {
  if (tracking_)
    return;
  hotPart_ = spNone;
  Invalidate();
}

// The press goes to the native bar, whose tracking loop returns when the button is released.
void TWScrollbar::OnButtonDown(POINT point) {
  GetCursorPos(&dragCursorStart_);
  TScrollBarState bar;
  if (ReadBar(bar)) {
    dragThumbStart_ = bar.ThumbTop;
    UpdateThumb(bar);
  }
  hotPart_ = HitTest(point);
  POINT screen = point;
  if (mode_ != smControl)
    ClientToScreen(window_, &screen);
  tracking_ = true;
  Invalidate();
  ReleaseCapture();
  const std::weak_ptr<const void> life = life_;
  if (mode_ == smControl)
    SendMessageA(target_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  else
    SendMessageA(target_, WM_NCLBUTTONDOWN, mode_ == smVertical ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(screen.x, screen.y));
  if (life.expired())
    return;
  tracking_ = false;
  ReleaseCapture();
  Invalidate();
}

void TWScrollbar::OnButtonUp(POINT point) {
  if (mode_ != smControl)
    ClientToScreen(window_, &point);
  tracking_ = false;
  ReleaseCapture();
  if (mode_ == smControl)
    PostMessageA(target_, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  else
    PostMessageA(target_, WM_NCLBUTTONUP, mode_ == smVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(point.x, point.y));
  Invalidate();
}

// ---- Painting --------------------------------------------------------------------------------

void TWScrollbar::OnPaint() {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(window_, &ps);
  const TSkinData* skin = owner_.SkinData();
  TScrollBarState bar;
  const TDataSkinObject* strip = skin ? skin->Elements().Scrollbar.get() : nullptr;
  if (dc && strip && !strip->Image.Empty() && ReadBar(bar) && !(bar.State & STATE_SYSTEM_INVISIBLE)) {
    const int width = bar.Screen.right - bar.Screen.left, height = bar.Screen.bottom - bar.Screen.top;
    RECT client{};
    GetClientRect(window_, &client);
    if (width > 0 && height > 0 && width <= client.right && height <= client.bottom) {
      barLength_ = vertical_ ? height : width;
      UpdateThumb(bar);
      // A separate control's bar is built at the skin's thickness and stretched over it.
      int cross = strip->Image.Height();
      if (std::abs(cross - arrowSize_) > 2)
        cross = arrowSize_;
      const int builtWidth = mode_ == smControl && vertical_ ? cross : width;
      const int builtHeight = mode_ == smControl && !vertical_ ? cross : height;
      Compose(*skin, builtWidth, builtHeight, !(bar.State & STATE_SYSTEM_UNAVAILABLE));
      if (mode_ == smControl)
        StretchBlt(dc, 0, 0, width, height, picture_.Dc(), 0, 0, builtWidth, builtHeight, SRCCOPY);
      else
        BitBlt(dc, 0, 0, width, height, picture_.Dc(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window_, &ps);
}

void TWScrollbar::Compose(const TSkinData& skin, int width, int height, bool enabled) {
  if (picture_.Bitmap().Width() != width || picture_.Bitmap().Height() != height)
    picture_.SetSize(width, height);
  const TScrollBarPicture bar{width, height, vertical_, arrowSize_, barLength_, thumbStart_, thumbEnd_, hotPart_,
                              tracking_, enabled};
  DrawScrollBarPicture(picture_.Dc(), skin, owner_.FaceColour(), bar);
}

// ---- Window procedure ------------------------------------------------------------------------

LRESULT CALLBACK TWScrollbar::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TWScrollbar*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || msg == WM_NCCREATE)
    return DefWindowProcA(window, msg, wParam, lParam);
  // A failed message falls back to the default, which also validates a failed paint.
  LRESULT result = 0;
  bool handled = false;
  CallGuarded([&] {
    result = self->OnMessage(msg, wParam, lParam);
    handled = true;
  });
  return handled ? result : DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT TWScrollbar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(point);
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(point);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(point);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCDESTROY: {
      // Destroyed with the target's parent: nothing is left to destroy later.
      HWND window = window_;
      window_ = nullptr;
      barVisible_ = false;
      return DefWindowProcA(window, msg, wParam, lParam);
    }
    default:
      return DefWindowProcA(window_, msg, wParam, lParam);
  }
}
