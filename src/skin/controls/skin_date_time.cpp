#include "skin/controls/skin_date_time.h"

#include "framework/application.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr char kArrowClass[] = "TArrowButton";
constexpr int kNormal = 1, kHot = 4;

void RegisterArrowClass(WNDPROC procedure) {
  static const ATOM atom = [&] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kArrowClass;
    return RegisterClassExA(&wc);
  }();
  (void)atom;
}

}  // namespace

// ---- The arrow button ------------------------------------------------------------------------

TArrowButton::TArrowButton(TSkinDateTime& skinner) : skinner_(skinner), arrowSize_(GetSystemMetrics(SM_CXHSCROLL)) {}

TArrowButton::~TArrowButton() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

RECT TArrowButton::Place(const RECT& picker) const {
  const int height = std::max<int>(picker.bottom - picker.top - 4, 0);
  const bool left = GetWindowLongA(picker_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
  const int x = left ? 2 : picker.right - picker.left - arrowSize_ - 4;
  return {x, 0, x + arrowSize_, height};
}

void TArrowButton::Bind(HWND picker) {
  picker_ = picker;
  RegisterArrowClass(&TArrowButton::WindowProc);
  RECT r{};
  GetWindowRect(picker, &r);
  const RECT place = Place(r);
  window_ = CreateWindowExA(0, kArrowClass, "", WS_CHILD | WS_VISIBLE, place.left, place.top, place.right - place.left,
                            place.bottom - place.top, picker, nullptr, GetModuleHandleA(nullptr), this);
  SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | WS_CLIPCHILDREN);
}

void TArrowButton::Reposition(const RECT& rect) {
  if (!window_)
    return;
  const RECT place = Place(rect);
  RECT now{};
  GetWindowRect(window_, &now);
  MapWindowPoints(nullptr, picker_, reinterpret_cast<POINT*>(&now), 2);
  if (!EqualRect(&now, &place))
    MoveWindow(window_, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void TArrowButton::Invalidate() {
  if (window_)
    InvalidateRect(window_, nullptr, FALSE);
}

// The native drop-down button underneath opens the calendar: it gets the click.
void TArrowButton::OnButtonDown(WPARAM wParam, POINT point) {
  RECT self{};
  GetWindowRect(window_, &self);
  MapWindowPoints(nullptr, picker_, reinterpret_cast<POINT*>(&self), 2);
  const LPARAM at = MAKELPARAM(point.x + self.left, point.y + self.top);
  PostMessageA(picker_, WM_LBUTTONDOWN, wParam, at);
  PostMessageA(picker_, WM_LBUTTONUP, wParam, at);
  Invalidate();
}

void TArrowButton::OnPaint() {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(window_, &ps);
  const TSkinData* skin = skinner_.SkinData();
  RECT picker{};
  GetWindowRect(picker_, &picker);
  const RECT area{0, 0, arrowSize_, picker.bottom - picker.top - 4};
  if (dc && skin) {
    TSkinControl::FillColor(dc, area, skinner_.FaceColour());
    if (const TDataSkinObject* arrow = skin->Elements().ComboxArrow.get(); arrow && !arrow->Image.Empty())
      TSkinControl::DrawStretchedFrame(dc, area, std::max(arrow->FrameCount, 1), hover_ ? kHot : kNormal, arrow->Image);
  }
  EndPaint(window_, &ps);
}

LRESULT CALLBACK TArrowButton::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TArrowButton*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  auto* self = reinterpret_cast<TArrowButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  // A failed message falls back to the default, which also validates a failed paint.
  LRESULT result = 0;
  bool handled = false;
  if (self)
    CallGuarded([&] {
      result = self->OnMessage(msg, wParam, lParam);
      handled = true;
    });
  return handled ? result : DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT TArrowButton::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!hover_ && IsWindowEnabled(picker_)) {
        hover_ = true;
        Invalidate();
      }
      TrackMouseLeave(window_);
      return 0;
    case WM_MOUSELEAVE:
      hover_ = false;
      Invalidate();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      SetFocus(picker_);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_NCDESTROY: {
      // Destroyed with the picker: nothing is left to destroy later.
      HWND window = window_;
      window_ = nullptr;
      return DefWindowProcA(window, msg, wParam, lParam);
    }
    default:
      return DefWindowProcA(window_, msg, wParam, lParam);
  }
}

// ---- The picker ------------------------------------------------------------------------------

TSkinDateTime::~TSkinDateTime() = default;

void TSkinDateTime::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (!skinnedControl_)
    return;
  arrowButton_ = std::make_unique<TArrowButton>(*this);
  arrowButton_->Bind(windowHandle_);
}

void TSkinDateTime::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  if (arrowButton_)
    return;
  arrowButton_ = std::make_unique<TArrowButton>(*this);
  arrowButton_->Bind(window);
}

void TSkinDateTime::Detach() {
  TSkinControl::Detach();
  if (lifeState_ != lsWindowGone)
    arrowButton_.reset();
}

void TSkinDateTime::ActiveChanged() {
  if (arrowButton_ && arrowButton_->Handle())
    ShowWindow(arrowButton_->Handle(), isActive_ ? SW_SHOWNA : SW_HIDE);
}

void TSkinDateTime::AfterMessage(TSkinMessage& message) {
  if (message.Msg == WM_SIZE && arrowButton_) {
    arrowButton_->Invalidate();
    return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinDateTime::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_)
    return;
  if (arrowButton_)
    arrowButton_->Reposition(rect);
  RECT client{};
  GetClientRect(windowHandle_, &client);
  if (client.right == rect.right && client.bottom == rect.bottom)
    return;
  RECT r = rect;
  HBRUSH shadow = CreateSolidBrush(SkinColour(ciButtonShadow));
  FrameRect(dc, &r, shadow);
  DeleteObject(shadow);
  InflateRect(&r, -1, -1);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FrameRect(dc, &r, white);
  DeleteObject(white);
}
