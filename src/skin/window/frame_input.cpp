// The skinned frame's non-client input: client-area geometry, hit-testing, the mouse over the
// caption buttons, their actions and hints.
#include "skin/data/skin_data.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <algorithm>

namespace {

// The application's hint timing: shown after twice the pause, hidden after the hide pause more.
constexpr int kHintPauseMs = 500;
constexpr int kHintHidePauseMs = 2500;
constexpr int kHintTickMs = 250;

POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

POINT TWinSkinForm::ToWindowPoint(POINT screen) const {
  ScreenToClient(handle_, &screen);
  if (!(formKind_ == fkMDIChild && Minimized())) {
    screen.x += borderLeft_;
    screen.y += borderTop_ + menuBarHeight_;
  }
  return screen;
}

TNCObject* TWinSkinForm::HitObject(POINT p) const {
  for (const auto& button : captionButtons_)
    if (button->Visible && button->Action() >= 0 && PtInRect(&button->Bounds, p))
      return button.get();
  return menuBar_ ? menuBar_->ButtonAt(p) : nullptr;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  Default(WM_NCCALCSIZE, wParam, lParam);
  const bool systemClient = (formKind_ == fkMDIChild && showState_ != ssNormal) || frameKind_ == fkNoCaption;
  auto clientOf = [&](RECT window) {
    RECT client{window.left + borderLeft_, window.top + borderTop_ + menuBarHeight_,
                window.right - borderRight_, window.bottom - borderBottom_};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
  };
  if (!wParam) {
    // Asked for the client of a window rectangle: the skinned frame's, not the system's.
    if (!systemClient) {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      *rect = clientOf(*rect);
    }
    return 0;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if (systemClient) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS& pos = *params->lppos;
  const RECT client = clientOf({pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy});
  params->rgrc[0] = params->rgrc[1] = client;
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  LRESULT hit = Default(WM_NCHITTEST, wParam, lParam);
  switch (hit) {
    case HTNOWHERE:
    case HTCAPTION:
    // The system's own caption buttons are not drawn: where it places them is caption.
    case HTSYSMENU:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP:
      break;
    default:
      return hit;
  }
  const POINT p = ToWindowPoint(PointOf(lParam));
  if (p.y > 3)
    hit = HTCAPTION;
  if (menuBarHeight_ > 0 && p.y > borderTop_ && p.y <= borderTop_ + menuBarHeight_)
    hit = HTMENU;
  return hit;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
  active_ = wParam != 0;
  WatchCaptionHint();
  if (!active_ && skinData_)
    ResetCaptionHint();
  if (formKind_ == fkMDIFrame && mdiClient_)
    SendMessageA(mdiClient_, WM_NCACTIVATE, wParam, lParam);
  if (formKind_ == fkMDIChild)
    Default(WM_NCACTIVATE, wParam, lParam);
  if (!MaximizedMDIChild())
    PaintFrame();
  return TRUE;
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
  // Without the window-menu style the system draws none of its own caption buttons.
  if (!(captionFlags_ & cfKeepSysMenu)) {
    const LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    if (style & WS_SYSMENU)
      SetWindowLongPtrA(handle_, GWL_STYLE, style & ~WS_SYSMENU);
  }
  if (!skinData_ || !skinData_->AllowFramePaint)
    return 0;
  if (MaximizedMDIChild() || frameKind_ == fkNoCaption)
    return Default(WM_NCPAINT, wParam, lParam);
  PaintFrame();
  return 0;
}

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!active_)
    return 0;
  if (TNCObject* object = HitObject(ToWindowPoint(PointOf(lParam)))) {
    object->MouseMove();
    return 0;
  }
  if (TNCObject* hot = hotObject_) {
    hot->MouseLeave();
    hotObject_ = nullptr;
  }
  return Default(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
  if (skinData_)
    skinData_->HideCaptionHint();
  if (TNCObject* object = HitObject(ToWindowPoint(PointOf(lParam)))) {
    if (!active_)
      SetForegroundWindow(handle_);
    object->MouseDown();
    if (auto* button = dynamic_cast<TMenuBtn*>(object)) {
      OpenMenuButton(button);
      hotObject_ = button->MouseState == msNormal ? nullptr : button;
    }
    return 0;
  }
  // A maximised window's caption does not drag it.
  if (Maximized() && active_ && wParam == HTCAPTION)
    wParam = HTMENU;
  return Default(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
  if (skinData_)
    skinData_->HideCaptionHint();
  TNCObject* object = HitObject(ToWindowPoint(PointOf(lParam)));
  if (!object)
    return Default(WM_NCLBUTTONUP, wParam, lParam);
  if (object == hotObject_)
    if (auto* button = dynamic_cast<TWinSysButton*>(object)) {
      button->MouseUp();
      DoButtonAction(*button, PointOf(lParam));
    }
  return 0;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam) {
  if (TNCObject* object = HitObject(ToWindowPoint(PointOf(lParam)))) {
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (button && IsIconAction(button->Action())) {
      timer_.SetEnabled(false);
      PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
  }
  if (wParam == HTCAPTION) {
    if (showState_ != ssNormal) {
      Restore();
      return 0;
    }
    if (captionFlags_ & cfMaximizeBox) {
      Maximize();
      return 0;
    }
  }
  return Default(WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
  if (skinData_)
    skinData_->HideCaptionHint();
  if (wParam == HTCAPTION && formKind_ != fkMDIChild) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ShowWindowMenu(cursor);
    return 0;
  }
  return Default(WM_NCRBUTTONDOWN, wParam, lParam);
}

bool TWinSkinForm::HasCloseCommand() const {
  MENUITEMINFOA info{sizeof info};
  info.fMask = MIIM_ID;
  return systemMenu_ && GetMenuItemInfoA(systemMenu_, SC_CLOSE, FALSE, &info);
}

void TWinSkinForm::DoButtonAction(TWinSysButton& button, POINT screen) {
  switch (button.Action()) {
    case caClose:
      if (HasCloseCommand()) {
        timer_.SetEnabled(false);
        PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case caMaximize:
    case caMaximize2:
      if (button.Enabled)
        Maximize();
      break;
    case caMinimize:
    case caMinimize2:
      if (button.Enabled)
        Minimize();
      break;
    case caWindowMenu:
    case caIcon:
    case caWindowMenu2:
      ShowWindowMenu({screen.x + 1, screen.y + 1});
      break;
    case caHelp:
      PostMessageA(handle_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case caMDIMinimize:
    case caMDIMinimize2:
      SendToActiveMDIChild(SC_MINIMIZE);
      break;
    case caMDIRestore:
    case caMDIRestore2:
      SendToActiveMDIChild(SC_RESTORE);
      break;
    case caMDIClose:
    case caMDIClose2:
      SendToActiveMDIChild(SC_CLOSE);
      break;
    default:
      PostMessageA(handle_, SKM_BUTTONCLICK, static_cast<WPARAM>(button.Action()), 0);
      break;
  }
}

void TWinSkinForm::SendToActiveMDIChild(UINT command) {
  if (!mdiClient_)
    return;
  auto child = reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0));
  if (child)
    SendMessageA(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::ResetCaptionHint() {
  hoverTime_ = 0;
  if (skinData_)
    skinData_->HideCaptionHint();
}

void TWinSkinForm::SetHotObject(TNCObject* object) {
  hotObject_ = object;
  if (object)
    WatchCaptionHint();
}

// The tick runs only while a caption button is hot, so an idle window has no timer: a button
// turns hot on the frame's mouse move, and the tick itself notices the pointer leaving.
void TWinSkinForm::WatchCaptionHint() {
  timer_.SetEnabled(active_ && hotObject_);
}

void TWinSkinForm::CaptionHintTick() {
  if (trackingMenu_ || !skinData_)
    return;
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT window{};
  GetWindowRect(handle_, &window);
  const POINT p{cursor.x - window.left, cursor.y - window.top};
  if (hotObject_ && !PtInRect(&hotObject_->Bounds, p)) {
    TNCObject* hot = hotObject_;
    hot->MouseLeave();
    hotObject_ = nullptr;
    ResetCaptionHint();
    return;
  }
  const TWinSysButton* over = nullptr;
  for (const auto& button : captionButtons_)
    if (button->Visible && PtInRect(&button->Bounds, p))
      over = button.get();
  if (!over) {
    ResetCaptionHint();
    WatchCaptionHint();
    return;
  }
  hoverTime_ += kHintTickMs;
  const std::string text = CaptionButtonHint(over->Action());
  if (hoverTime_ >= 2 * kHintPauseMs + kHintHidePauseMs) {
    skinData_->HideCaptionHint();
  } else if (hoverTime_ >= 2 * kHintPauseMs && !text.empty()) {
    const RECT at{over->Bounds.left + window.left, cursor.y + 24, over->Bounds.left + window.left, cursor.y + 24};
    skinData_->ShowCaptionHint(at, text);
  }
}
