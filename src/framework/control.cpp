#include "framework/control.h"

#include "framework/application.h"
#include "framework/busy_cursor.h"
#include "framework/font.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <mutex>
#include <unordered_map>

namespace {

// The object behind each bound window. It is looked up on every message; the window property
// that also names it costs a round trip to the window server on some systems, this lookup none.
std::mutex boundLock;
std::unordered_map<HWND, TWinControl*> boundControls;

constexpr char kPlainWindowClass[] = "TWinControlWindow";

// The control whose window CreateWindowExA is making on this thread, bound by CreationHook at
// the window's first hook notification, before any message reaches the window.
thread_local TWinControl* creatingControl = nullptr;

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

// One creation hook serves every window made while it is installed, a control's and its
// children's: each install and removal is a round trip to the window manager.
class TWinControl::TCreationHookScope {
public:
  TCreationHookScope() {
    if (depth_++ == 0)
      hook_ = SetWindowsHookExA(WH_CBT, &TWinControl::CreationHook, nullptr, GetCurrentThreadId());
  }
  ~TCreationHookScope() {
    if (--depth_ == 0 && hook_) {
      UnhookWindowsHookEx(hook_);
      hook_ = nullptr;
    }
  }
  TCreationHookScope(const TCreationHookScope&) = delete;
  TCreationHookScope& operator=(const TCreationHookScope&) = delete;

private:
  static thread_local int depth_;
  static thread_local HHOOK hook_;
};

thread_local int TWinControl::TCreationHookScope::depth_ = 0;
thread_local HHOOK TWinControl::TCreationHookScope::hook_ = nullptr;

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {}

TWinControl::~TWinControl() {
  graphics_.Orphan();
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
  // The hooks see WM_DESTROY and WM_NCDESTROY; Unbind lets go of the window after the last.
  HWND window = handle_;
  // An MDI child goes through its client, which re-arranges the frame's menu and activation.
  if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD)
    SendMessageA(GetParent(window), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
  else
    DestroyWindow(window);
  if (handle_ == window)  // not destroyed (another thread's window): let go of it all the same
    Unbind(window);
}

void TWinControl::Bind(HWND hwnd) {
  handle_ = hwnd;
  SetPropA(hwnd, MAKEINTATOM(ControlAtom()), this);
  {
    const std::lock_guard lock(boundLock);
    boundControls[hwnd] = this;
  }
  oldProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
  if (defaultProc_)
    oldProc_ = defaultProc_;
}

// A procedure installed over ours later stays in place: it calls ours, which still calls the
// old one. Ours is only taken out while it is the window's own.
void TWinControl::Unbind(HWND hwnd) {
  if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc))
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  RemovePropA(hwnd, MAKEINTATOM(ControlAtom()));
  {
    const std::lock_guard lock(boundLock);
    if (auto bound = boundControls.find(hwnd); bound != boundControls.end() && bound->second == this)
      boundControls.erase(bound);
  }
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
    if (visible_)
      CreateHandle();
    parent_->AlignControls();
  }
}

void TWinControl::SetParentComponent(TComponent* parent) {
  SetParent(dynamic_cast<TWinControl*>(parent));
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  // The bounds follow the window (WM_WINDOWPOSCHANGED), so equal bounds mean the window is
  // there already: moving it again would still cost a round of messages and a repaint.
  const bool moved = left != left_ || top != top_ || width != width_ || height != height_;
  left_ = left, top_ = top, width_ = width, height_ = height;
  if (handle_ && moved)
    MoveWindow(handle_, left, top, width, height, TRUE);
}

void TWinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (!handle_ && visible && parent_ && parent_->HandleAllocated())
    CreateHandle();  // created visible
  else if (handle_)
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_)
    EnableWindow(handle_, enabled);
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(this, button, shift, x, y);
}

void TWinControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (handle_)
    SetWindowTextA(handle_, caption_.c_str());
  CaptionChanged();
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
  const std::lock_guard lock(boundLock);
  const auto bound = boundControls.find(hwnd);
  return bound == boundControls.end() ? nullptr : bound->second;
}

ATOM TWinControl::ControlAtom() {
  static const ATOM atom = [] {
    char name[32];
    std::snprintf(name, sizeof name, "ControlOfs%.8lX%.8lX",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    RegisterWindowMessageA(name);
    return GlobalAddAtomA(name);
  }();
  return atom;
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

// Children with a tab order come first, in that order; the others follow in creation order, so
// a window made late takes the place it would have had if made with its parent's.
std::vector<TWinControl*> TWinControl::TabOrderedChildren() const {
  std::vector<TWinControl*> ordered = controls_;
  const auto position = [](const TWinControl* child) {
    return child->tabOrder_ >= 0 ? child->tabOrder_ : std::numeric_limits<int>::max();
  };
  std::stable_sort(ordered.begin(), ordered.end(),
                   [&](const TWinControl* a, const TWinControl* b) { return position(a) < position(b); });
  return ordered;
}

void TWinControl::ApplyTabOrder() {
  std::vector<TWinControl*> ordered = TabOrderedChildren();
  std::erase_if(ordered, [](const TWinControl* child) { return !child->handle_; });
  HWND after = HWND_TOP;
  for (TWinControl* child : ordered) {
    // Windows made in order are in place already; moving one to where it is would still cost
    // a full position change.
    const HWND before = after == HWND_TOP ? nullptr : after;
    if (GetWindow(child->handle_, GW_HWNDPREV) != before)
      SetWindowPos(child->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = child->handle_;
  }
}

void TWinControl::CreateHandle() {
  HWND parentWindow = parent_ ? parent_->Handle() : nullptr;
  // Making the parent's window made ours too, with the parent's other children: a second one
  // would be an orphan the object no longer answers for.
  if (handle_)
    return;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  TCreateParams params = CreateParams();
  const char* windowClass = params.WindowClass ? params.WindowClass : kPlainWindowClass;
  frameworkClass_ = RegisterFrameworkClass(instance, windowClass);
  if (!parentWindow)
    params.Style &= ~WS_CHILD;
  HWND owner = parentWindow ? parentWindow : params.WndParent;
  if (visible_ && parentWindow)
    params.Style |= WS_VISIBLE;
  if (!enabled_)
    params.Style |= WS_DISABLED;
  // The window is bound at its creation notification, so that its first messages (and the skin
  // manager's own WH_CBT hook, which runs after this newer one) already find the object.
  const TCreationHookScope creationHook;
  creatingControl = this;
  defaultProc_ = params.DefaultProcedure;
  HWND created = nullptr;
  try {
    created = CreateWindowHandle(params, windowClass, owner);
  } catch (...) {
    creatingControl = nullptr;
    throw;
  }
  creatingControl = nullptr;
  if (!created) {
    handle_ = nullptr;
    return;
  }
  if (handle_ != created)  // no hook could be installed: bind now, later than we would like
    Bind(created);
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), 0);
  // Children placed before this window existed get theirs now, if they are shown (those its
  // creation handler shows among them); the others when they are first shown or asked for.
  // Made in tab order, each new window lands where the tab order puts it.
  creatingChildren_ = true;
  try {
    HandleCreated();
    for (TWinControl* child : TabOrderedChildren())
      if (!child->handle_ && child->visible_)
        child->CreateHandle();
  } catch (...) {
    creatingChildren_ = false;
    throw;
  }
  creatingChildren_ = false;
  ApplyTabOrder();
  AlignControls();
  // A top-level window is shown by its owner's Show, once its children are in place.
  if (visible_ && !parentWindow)
    ShowWindow(handle_, SW_SHOWNORMAL);
  if (parent_ && !parent_->creatingChildren_) {
    parent_->ApplyTabOrder();
    SendMessageA(GetAncestor(handle_, GA_ROOT), CM_CONTROLCREATED, reinterpret_cast<WPARAM>(handle_), 0);
  }
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params, const char* windowClass, HWND owner) {
  return CreateWindowExA(params.ExStyle, windowClass, params.Caption.c_str(), params.Style, left_, top_, width_,
                         height_, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
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

// Hands a parent's notification to the child control it concerns, through the child's hooks.
// Without such a child, the parent's window procedure answers.
LRESULT TWinControl::Reflect(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (TWinControl* control = FromHandle(child); control && control != this)
    return control->Perform(CN_BASE + msg, wParam, lParam);
  return CallWindowDefault(msg, wParam, lParam);
}

bool TWinControl::HasNonClientArea() const {
  RECT window, client;
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

LRESULT TWinControl::CallWindowDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(oldProc_ ? oldProc_ : DefWindowProcA, handle_, msg, wParam, lParam);
}

// The framework's own handling, then the window's procedure: what a hook passes on to at last.
LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (LRESULT routed = 0; graphics_.RouteMouse(handle_, msg, wParam, lParam, routed))
    return routed;
  switch (msg) {
    case WM_MOUSELEAVE:
      graphics_.MouseLeft();
      break;
    case WM_CAPTURECHANGED:
      graphics_.CaptureLost();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const TMouseButton button = msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                  : msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                          : TMouseButton::mbMiddle;
      MouseDown(button, ShiftStateFromMouse(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    }
    case WM_COMMAND:  // notifications go back to the control that sent them
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this)
        child->Perform(CN_COMMAND, wParam, lParam);
      break;
    case WM_NOTIFY:
      if (const auto* header = reinterpret_cast<const NMHDR*>(lParam))
        return Reflect(header->hwndFrom, msg, wParam, lParam);
      break;
    case WM_DRAWITEM:
      if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
        return Reflect(item->hwndItem, msg, wParam, lParam);
      break;
    case WM_HSCROLL:  // from a child control; a window's own scroll bars send no handle
    case WM_VSCROLL:
      if (lParam)
        return Reflect(reinterpret_cast<HWND>(lParam), msg, wParam, lParam);
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return Reflect(reinterpret_cast<HWND>(lParam), msg, wParam, lParam);
    // What a child answers to its parent's notifications; unanswered ones go back to the parent's
    // window procedure, as if nobody had reflected them.
    case CN_COMMAND:
      CommandNotify(HIWORD(wParam));
      return 0;
    case CN_NOTIFY: {
      LRESULT result = 0;
      if (NotifyReflect(*reinterpret_cast<const NMHDR*>(lParam), result))
        return result;
      return ParentDefault(msg, wParam, lParam);
    }
    case CN_DRAWITEM:
      if (DrawItemReflect(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
        return TRUE;
      return ParentDefault(msg, wParam, lParam);
    case CN_CTLCOLORSTATIC:  // static texts, check boxes and group boxes on their parent's colour
    case CN_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(ColorBrush(reinterpret_cast<HDC>(wParam)));
    case CN_HSCROLL:
    case CN_VSCROLL:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
      return ParentDefault(msg, wParam, lParam);
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
    case WM_NCPAINT:
      // A window whose client area is all of it has no frame to paint; the default painting
      // would still fetch a window DC and the system's metrics for nothing.
      if (!HasNonClientArea())
        return 0;
      break;
  }
  return CallWindowDefault(msg, wParam, lParam);
}

LRESULT TWinControl::ParentDefault(UINT reflected, WPARAM wParam, LPARAM lParam) {
  return parent_ && parent_->handle_ ? parent_->CallWindowDefault(reflected - CN_BASE, wParam, lParam) : 0;
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The bounds follow the window wherever its size or place was changed from: a frame of
  // another thickness, the user dragging it, a parent's layout.
  if (msg == WM_WINDOWPOSCHANGED) {
    const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!(pos.flags & SWP_NOMOVE))
      left_ = pos.x, top_ = pos.y;
    if (!(pos.flags & SWP_NOSIZE))
      width_ = pos.cx, height_ = pos.cy;
  }
  // Windowless children paint over whatever the window painted where it was invalid.
  UniqueRgn update;
  if (msg == WM_PAINT && !wParam && graphics_.AnyVisible()) {
    update.Reset(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(handle_, update.Get(), FALSE);
  }
  LRESULT result = Perform(msg, wParam, lParam);
  if (msg == WM_SIZE)
    AlignControls();
  if (update && handle_)
    graphics_.PaintOver(handle_, update.Get());
  return result;
}

LRESULT CALLBACK TWinControl::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && creatingControl) {
    TWinControl* control = creatingControl;
    creatingControl = nullptr;  // windows its window creates in turn are not ours
    control->Bind(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  CallGuarded([&] {
    try {
      result = control->Dispatch(msg, wParam, lParam);
      handled = true;
    } catch (...) {
      // A paint that failed must still validate the window, or the error box that reports it
      // would be followed by the same paint and the same error, for ever.
      if (msg == WM_PAINT)
        control->CallWindowDefault(msg, wParam, lParam);
      throw;
    }
  });
  // Windows destroyed the window (a closed form, or our own DestroyHandle): the hooks have seen
  // its last message, and the object must not use the handle.
  if (msg == WM_NCDESTROY && control->handle_ == hwnd)
    control->Unbind(hwnd);
  return handled ? result : 0;
}
