#include "framework/control.h"

#include "framework/application.h"
#include "framework/busy_cursor.h"
#include "framework/font.h"

#include <algorithm>

namespace {

constexpr char kObjectProperty[] = "TlControlObject";
constexpr char kPlainWindowClass[] = "TWinControlWindow";

// A framework window class (a plain control, or a form named after its class) the first time
// it is needed; the standard control classes are already there.
// Returns whether the class is a framework one.
bool RegisterFrameworkClass(HINSTANCE instance, const char* name) {
  WNDCLASSA cls = {};
  if (GetClassInfoA(nullptr, name, &cls))
    return false;
  if (GetClassInfoA(instance, name, &cls))
    return true;
  cls.lpfnWndProc = DefWindowProcA;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = name;
  RegisterClassA(&cls);
  return true;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultHandler(msg, wParam, lParam); };
}

TWinControl::~TWinControl() {
  // Our window takes our children's with it: they must let go of their handles first.
  for (TWinControl* child : controls_) {
    child->DestroyHandle();
    child->parent_ = nullptr;
  }
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  DestroyHandle();
}

void TWinControl::DestroyHandle() {
  if (!handle_)
    return;
  for (TWinControl* child : controls_)
    child->DestroyHandle();
  RemovePropA(handle_, kObjectProperty);
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == parent_)
    return;
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (!parent_)
    return;
  parent_->controls_.push_back(this);
  if (parent_->HandleAllocated()) {
    CreateHandle();
    parent_->AlignControls();
  }
}

void TWinControl::SetParentComponent(TComponent* parent) {
  SetParent(dynamic_cast<TWinControl*>(parent));
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

void TWinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_)
    EnableWindow(handle_, enabled);
}

void TWinControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (handle_)
    SetWindowTextA(handle_, caption_.c_str());
}

void TWinControl::SetAlign(TAlign align) {
  align_ = align;
  if (parent_)
    parent_->AlignControls();
}

void TWinControl::SetTabOrder(int order) {
  tabOrder_ = order;
  if (parent_ && parent_->HandleAllocated())
    parent_->ApplyTabOrder();
}

void TWinControl::SetFont(TFont* font) {
  font_ = font;
  if (handle_)
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void TWinControl::SetColor(TColor color) {
  colour_ = color;
  if (handle_)
    InvalidateRect(handle_, nullptr, TRUE);
}

TColor TWinControl::Color() const {
  if (colour_ != clNone)
    return colour_;
  return parent_ ? parent_->Color() : clBtnFace;
}

void TWinControl::SetParentBackground(bool parentBackground) {
  parentBackground_ = parentBackground;
  if (handle_)
    InvalidateRect(handle_, nullptr, TRUE);
}

TColor TWinControl::BackgroundColor() const {
  return parentBackground_ && parent_ ? parent_->BackgroundColor() : Color();
}

TFont* TWinControl::Font() const {
  if (font_)
    return font_;
  return parent_ ? parent_->Font() : nullptr;
}

HFONT TWinControl::FontHandle() const {
  if (font_)
    return font_->Handle();
  if (parent_)
    return parent_->FontHandle();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
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
  return {nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, caption_};
}

RECT TWinControl::AlignArea() {
  RECT area = {0, 0, width_, height_};
  if (handle_)
    GetClientRect(handle_, &area);
  return area;
}

// Top-aligned children stack from the top, bottom-aligned from the bottom, and a client-aligned
// one takes what is left, in the order the children were placed.
void TWinControl::AlignControls() {
  if (aligning_ || !handle_)
    return;
  aligning_ = true;
  RECT area = AlignArea();
  for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alClient})
    for (TWinControl* child : controls_) {
      if (child->align_ != pass || !child->visible_)
        continue;
      switch (pass) {
        case TAlign::alTop:
          child->SetBounds(area.left, area.top, area.right - area.left, child->height_);
          area.top += child->height_;
          break;
        case TAlign::alBottom:
          child->SetBounds(area.left, area.bottom - child->height_, area.right - area.left, child->height_);
          area.bottom -= child->height_;
          break;
        default:
          child->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
          break;
      }
    }
  aligning_ = false;
}

void TWinControl::ApplyTabOrder() {
  std::vector<TWinControl*> ordered;
  for (TWinControl* child : controls_)
    if (child->handle_ && child->tabOrder_ >= 0)
      ordered.push_back(child);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  HWND after = HWND_TOP;
  for (TWinControl* child : ordered) {
    SetWindowPos(child->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = child->handle_;
  }
}

void TWinControl::CreateHandle() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  TCreateParams params = CreateParams();
  const char* windowClass = params.WindowClass ? params.WindowClass : kPlainWindowClass;
  frameworkClass_ = RegisterFrameworkClass(instance, windowClass);
  HWND parentWindow = parent_ ? parent_->Handle() : nullptr;
  if (!parentWindow)
    params.Style &= ~WS_CHILD;
  HWND owner = parentWindow ? parentWindow : params.WndParent;
  if (visible_ && parentWindow)
    params.Style |= WS_VISIBLE;
  if (!enabled_)
    params.Style |= WS_DISABLED;
  handle_ = CreateWindowExA(params.ExStyle, windowClass, params.Caption.c_str(), params.Style, left_, top_,
                            width_, height_, owner, nullptr, instance, nullptr);
  if (!handle_)
    return;
  SetPropA(handle_, kObjectProperty, this);
  oldProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), 0);
  HandleCreated();
  // Children placed before this window existed get theirs now.
  for (TWinControl* child : controls_)
    if (!child->handle_)
      child->CreateHandle();
  ApplyTabOrder();
  AlignControls();
  // A top-level window is shown by its owner's Show, once its children are in place.
  if (visible_ && !parentWindow)
    ShowWindow(handle_, SW_SHOWNORMAL);
}

LRESULT TWinControl::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(handle_, &client);
  FillRect(dc, &client, brush_.For(BackgroundColor()));
  return 1;
}

HBRUSH TWinControl::ColorBrush(HDC dc) {
  const TColor colour = BackgroundColor();
  SetBkColor(dc, ColorToRGB(colour));
  return brush_.For(colour);
}

// The framework's own handling, then the window's procedure: what a replaced WindowProc passes
// on for default handling.
LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:  // notifications go back to the control that sent them
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
        child->CommandNotify(HIWORD(wParam));
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (TWinControl* child = header ? FromHandle(header->hwndFrom) : nullptr;
          child && child->NotifyReflect(*header, result))
        return result;
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (TWinControl* child = item ? FromHandle(item->hwndItem) : nullptr; child && child->DrawItemReflect(*item))
        return TRUE;
      break;
    }
    case WM_CTLCOLORSTATIC:  // static texts, check boxes and group boxes on their parent's colour
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(child->ColorBrush(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_SETCURSOR:  // the hourglass of a busy application wins over every control's cursor
      if (TBusyCursor::Active()) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      if (frameworkClass_)
        return EraseBackground(reinterpret_cast<HDC>(wParam));
      break;
  }
  return CallWindowProcA(oldProc_ ? oldProc_ : DefWindowProcA, handle_, msg, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(msg, wParam, lParam);
  if (msg == WM_SIZE)
    AlignControls();
  return result;
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
  // Windows destroyed the window itself (a closed form): the object must not use the handle.
  if (msg == WM_NCDESTROY && control->handle_ == hwnd) {
    RemovePropA(hwnd, kObjectProperty);
    control->handle_ = nullptr;
  }
  return handled ? result : 0;
}
