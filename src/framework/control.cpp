#include "framework/control.h"

#include "framework/application.h"

namespace {

constexpr char kObjectProperty[] = "TlControlObject";
constexpr char kPlainWindowClass[] = "TWinControlWindow";

void RegisterPlainClass(HINSTANCE instance) {
  WNDCLASSA cls = {};
  if (GetClassInfoA(instance, kPlainWindowClass, &cls))
    return;
  cls.lpfnWndProc = DefWindowProcA;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kPlainWindowClass;
  RegisterClassA(&cls);
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultHandler(msg, wParam, lParam); };
}

TWinControl::~TWinControl() {
  if (handle_) {
    RemovePropA(handle_, kObjectProperty);
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    DestroyWindow(handle_);
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  parent_ = parent;
  if (parent_ && parent_->HandleAllocated())
    CreateHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  left_ = left, top_ = top, width_ = width, height_ = height;
  if (handle_)
    MoveWindow(handle_, left, top, width, height, TRUE);
}

void TWinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (handle_)
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

HWND TWinControl::Handle() {
  if (!handle_)
    CreateHandle();
  return handle_;
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TWinControl*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

TWinControl::TCreateParams TWinControl::CreateParams() {
  return {nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, ""};
}

void TWinControl::CreateHandle() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterPlainClass(instance);
  TCreateParams params = CreateParams();
  HWND parentWindow = parent_ ? parent_->Handle() : nullptr;
  if (!parentWindow)
    params.Style &= ~WS_CHILD;
  if (visible_)
    params.Style |= WS_VISIBLE;
  handle_ = CreateWindowExA(params.ExStyle, params.WindowClass ? params.WindowClass : kPlainWindowClass,
                            params.Caption.c_str(), params.Style, left_, top_, width_, height_,
                            parentWindow, nullptr, instance, nullptr);
  if (!handle_)
    return;
  SetPropA(handle_, kObjectProperty, this);
  oldProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  HandleCreated();
  // Children made before this window get theirs now.
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Components(i)); child && child->parent_ == this && !child->handle_)
      child->CreateHandle();
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(oldProc_ ? oldProc_ : DefWindowProcA, handle_, msg, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Notifications go back to the control that sent them.
  if (msg == WM_COMMAND && lParam)
    if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
      child->CommandNotify(HIWORD(wParam));
  return WindowProc(msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  CallGuarded([&] {
    result = control->Dispatch(msg, wParam, lParam);
    handled = true;
  });
  return handled ? result : 0;
}
