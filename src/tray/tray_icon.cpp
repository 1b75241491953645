#include "tray/tray_icon.h"

#include "framework/core/class_ancestry.h"
#include "framework/control.h"

#include <algorithm>
#include <iterator>

namespace {

// The class tree learns of this class before any object of it exists.
const bool kClassRegistered = RegisterClassAncestry("TTrayIcon", "TComponent");

POINT CursorPos() {
  POINT pt = {};
  GetCursorPos(&pt);
  return pt;
}

// An MDI parent is a frame window with an MDI client child.
bool IsMdiParent(HWND window) {
  return FindWindowExA(window, nullptr, "MDIClient", nullptr) != nullptr;
}

bool holdNewIcons = false;  // icons made now hold their shell requests

}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner),
      iconId_(static_cast<UINT>(reinterpret_cast<UINT_PTR>(this))),
      cycleTimer_(1000, [this](TSimpleTimer*) { CycleStep(); }),
      clickTimer_(1000, [this](TSimpleTimer*) { ClickTimerExpired(); }),
      exitTimer_(20, [this](TSimpleTimer*) { ExitCheck(); }),
      handler_(&TTrayIconHandler::Acquire(this)) {
  shellHeld_ = holdNewIcons;
  icon_.OnChange = [this] { RefreshIcon(); };
  iconData_.cbSize = sizeof iconData_;
  iconData_.uID = iconId_;
  iconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  iconData_.uCallbackMessage = kTrayCallbackMessage;
  InstallHooks();
}

TTrayIcon::~TTrayIcon() {
  SetIconVisible(false);
  designPreview_ = false;
  cycleTimer_.SetEnabled(false);
  clickTimer_.SetEnabled(false);
  exitTimer_.SetEnabled(false);
  icon_.OnChange = nullptr;
  if (hookedApplication_)
    hookedApplication_->UnhookMainWindow(applicationHook_);
  ownerFilter_.reset();
  TTrayIconHandler::Release(this);
}

void TTrayIcon::InstallHooks() {
  if (Application) {
    hookedApplication_ = Application;
    applicationHook_ = Application->HookMainWindow(
        [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&) { return ApplicationHook(msg, wParam, lParam); });
  }
  // Asking for the owner's window creates it when it does not exist yet.
  if (auto* control = dynamic_cast<TWinControl*>(Owner()))
    ownerFilter_ = std::make_unique<TWindowSubclass>(
        control->Handle(), [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
          return OwnerFilter(msg, wParam, lParam, result);
        });
}

void TTrayIcon::Loaded() {
  if (dynamic_cast<TWinControl*>(Owner())) {
    bool showMainForm = true;
    if (OnStartup)
      OnStartup(this, showMainForm);
    if (!showMainForm) {
      if (hookedApplication_)
        hookedApplication_->SetShowMainForm(false);
      HideMainForm();
    }
  }
  RefreshIcon();
  SetIconVisible(iconVisible_);
  SetCycleIcons(cycleIcons_);
  SetWantEnterExitEvents(wantEnterExitEvents_);
  iconData_.uTimeoutOrVersion = NotificationStyle == 1 ? NOTIFYICON_VERSION : 0;
  Notify(NIM_SETVERSION);
}

// ---- The shell's icon ----

namespace {

// How many bytes of TEXT fit in LIMIT without ending inside a double-byte character of the
// ANSI code page: a tip cut there would show half a character.
size_t WholeCharactersWithin(const std::string& text, size_t limit) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + width > limit)
      break;
    end += width;
  }
  return end;
}

}  // namespace

void TTrayIcon::FillIconData() {
  iconData_.hWnd = TrayWindow();  // made with the first request to the shell, not before
  iconData_.hIcon = icon_.Handle();
  // At most 127 bytes of the hint, always zero-terminated by the buffer's last byte.
  std::fill(std::begin(iconData_.szTip), std::end(iconData_.szTip), '\0');
  if (!hint_.empty() && showHint_)
    hint_.copy(iconData_.szTip, WholeCharactersWithin(hint_, sizeof iconData_.szTip - 1));
}

void TTrayIcon::HoldNewIcons(bool hold) {
  holdNewIcons = hold;
}

void TTrayIcon::ReleaseShell() {
  if (!shellHeld_)
    return;
  shellHeld_ = false;
  if (iconVisible_)
    Notify(NIM_ADD);
  Notify(NIM_SETVERSION);
}

bool TTrayIcon::Notify(DWORD message) {
  if (shellHeld_)
    return true;  // sent as the icon then is, at ReleaseShell
  FillIconData();
  return ShellNotifyIcon(message, iconData_);
}

bool TTrayIcon::ShowIcon() {
  iconVisible_ = true;
  return Notify(NIM_ADD);
}

bool TTrayIcon::HideIcon() {
  iconVisible_ = false;
  return Notify(NIM_DELETE);
}

// Also made while the icon is not shown: the shell then refuses it, which does no harm.
bool TTrayIcon::RefreshIcon() {
  return Notify(NIM_MODIFY);
}

// ---- Property setters ----

void TTrayIcon::SetIconVisible(bool visible) {
  if (visible)
    ShowIcon();
  else
    HideIcon();
}

void TTrayIcon::SetIcon(const TIcon& icon) {
  icon_.OnChange = nullptr;
  icon_.Assign(icon);
  icon_.OnChange = [this] { RefreshIcon(); };
  RefreshIcon();
}

void TTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  RefreshIcon();
}

void TTrayIcon::SetShowHint(bool show) {
  showHint_ = show;
  RefreshIcon();
}

void TTrayIcon::SetIconList(TImageList* list) {
  iconList_ = list;
  FreeNotification(list);
  SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int index) {
  if (iconList_) {
    const int count = iconList_->Count();
    iconIndex_ = index >= count ? count - 1 : index;
    CopyImageToIcon(iconIndex_);
  } else {
    iconIndex_ = 0;
  }
  RefreshIcon();
}

void TTrayIcon::CopyImageToIcon(int index) {
  iconList_->GetIcon(index, icon_);  // the icon's change refreshes the shell's
}

void TTrayIcon::SetCycleIcons(bool cycle) {
  cycleIcons_ = cycle;
  if (cycle) {
    SetIconIndex(0);
    cycleTimer_.SetInterval(static_cast<int32_t>(cycleInterval_));
    cycleTimer_.SetEnabled(true);
  } else {
    cycleTimer_.SetEnabled(false);
  }
}

void TTrayIcon::SetCycleInterval(uint32_t interval) {
  if (interval == cycleInterval_)
    return;
  cycleInterval_ = interval;
  SetCycleIcons(cycleIcons_);
}

void TTrayIcon::SetWantEnterExitEvents(bool want) {
  wantEnterExitEvents_ = want;
  exitTimer_.SetEnabled(want);
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  FreeNotification(menu);
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == iconList_)
    SetIconList(nullptr);
  if (component == popupMenu_)
    popupMenu_ = nullptr;
}

// ---- The tray window's callback message ----

void TTrayIcon::HandleNotification(UINT notification) {
  switch (notification) {
    case WM_MOUSEMOVE:
      if (enabled_)
        OnTrayMouseMove();
      break;
    case WM_LBUTTONDOWN:
      if (enabled_)
        OnTrayLeftDown();
      break;
    case WM_LBUTTONUP:
      if (enabled_)
        OnTrayLeftUp();
      break;
    case WM_LBUTTONDBLCLK:
      if (enabled_)
        OnTrayLeftDoubleClick();
      break;
    case WM_RBUTTONDOWN:
      if (enabled_)
        OnTrayRightDown();
      break;
    case WM_RBUTTONUP:
      if (enabled_ && NotificationStyle == 0)
        OnTrayRightUp();
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      if (enabled_)
        OnTrayMiddle(notification == WM_MBUTTONDOWN);
      break;
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
      if (enabled_ && NotificationStyle == 1)
        OnTrayRightUp();
      break;
    case NIN_BALLOONSHOW:
      OnTrayBalloon(OnBalloonHintShow);
      break;
    case NIN_BALLOONHIDE:
      OnTrayBalloon(OnBalloonHintHide);
      break;
    case NIN_BALLOONTIMEOUT:
      OnTrayBalloon(OnBalloonHintTimeout);
      break;
    case NIN_BALLOONUSERCLICK:
      OnTrayBalloon(OnBalloonHintClick);
      break;
    default:
      break;
  }
}

void TTrayIcon::OnTrayMouseMove() {
  const POINT pt = CursorPos();
  if (wantEnterExitEvents_ && pointerOutside_) {
    MouseEnter();
    pointerOutside_ = false;
  }
  MouseMove(ShiftStateFromKeys(), pt.x, pt.y);
  lastX_ = pt.x;
  lastY_ = pt.y;
}

void TTrayIcon::OnTrayLeftDown() {
  const POINT pt = CursorPos();
  // With a double-click handler a single click waits for the double-click time to pass.
  if (OnDblClick) {
    clickTimer_.SetInterval(static_cast<int32_t>(GetDoubleClickTime()));
    clickTimer_.SetEnabled(true);
  }
  MouseDown(TMouseButton::mbLeft, ShiftStateFromKeys() | ssLeft, pt.x, pt.y);
  clickStarted_ = true;
  if (leftPopup_ && AutoPopupMenu()) {
    SetForegroundWindow(TrayWindow());
    PopupAtCursor();
  }
}

void TTrayIcon::OnTrayLeftUp() {
  const POINT pt = CursorPos();
  if (clickStarted_)
    clickReady_ = true;
  // The click timer is not running: no double click can follow, so the click is reported now.
  if (clickStarted_ && !clickTimer_.Enabled()) {
    clickStarted_ = false;
    clickReady_ = false;
    Click();
  }
  clickStarted_ = false;
  MouseUp(TMouseButton::mbLeft, ShiftStateFromKeys() | ssLeft, pt.x, pt.y);
}

void TTrayIcon::OnTrayLeftDoubleClick() {
  clickReady_ = false;
  doubleClickSeen_ = true;
  DblClick();
  if (AutoPopupMenu() && !leftPopup_)
    if (TMenuItem* item = popupMenu_->DefaultItem())
      item->Click();
}

void TTrayIcon::OnTrayRightDown() {
  const POINT pt = CursorPos();
  MouseDown(TMouseButton::mbRight, ShiftStateFromKeys() | ssRight, pt.x, pt.y);
  if (AutoPopupMenu()) {
    SetForegroundWindow(TrayWindow());
    PopupAtCursor();
  }
}

void TTrayIcon::OnTrayRightUp() {
  const POINT pt = CursorPos();
  MouseUp(TMouseButton::mbRight, ShiftStateFromKeys() | ssRight, pt.x, pt.y);
}

void TTrayIcon::OnTrayMiddle(bool down) {
  const POINT pt = CursorPos();
  const TShiftState shift = ShiftStateFromKeys() | ssMiddle;
  if (down)
    MouseDown(TMouseButton::mbMiddle, shift, pt.x, pt.y);
  else
    MouseUp(TMouseButton::mbMiddle, shift, pt.x, pt.y);
}

void TTrayIcon::OnTrayBalloon(const NotifyEvent& event) {
  if (event)
    event(this);
}

void TTrayIcon::PopupAtCursor() {
  POINT pt = {};
  if (!GetCursorPos(&pt) || !popupMenu_)
    return;
  // The tray window in front, so that the menu closes when the user clicks elsewhere.
  SetForegroundWindow(TrayWindow());
  if (hookedApplication_)
    hookedApplication_->ProcessMessages();
  if (!popupMenu_)
    return;
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(pt.x, pt.y);
  // A message for the owner makes the switch back from the menu complete.
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (control && control->HandleAllocated())
    PostMessageA(control->Handle(), WM_NULL, 0, 0);
}

// ---- Timers ----

void TTrayIcon::CycleStep() {
  if (!iconList_)
    return;
  CopyImageToIcon(iconIndex_);
  const auto nextIndex = [this] {
    return iconList_ && iconIndex_ + 1 < iconList_->Count() ? iconIndex_ + 1 : 0;
  };
  Cycle(nextIndex());
  SetIconIndex(nextIndex());
}

void TTrayIcon::ClickTimerExpired() {
  clickTimer_.SetEnabled(false);
  const bool click = !doubleClickSeen_ && clickReady_;
  if (click)
    clickReady_ = false;
  doubleClickSeen_ = false;
  // Raised last: its handler may free the component.
  if (click)
    Click();
}

// No move report came for a pointer position other than the last one: the pointer has left.
void TTrayIcon::ExitCheck() {
  if (pointerOutside_)
    return;
  const POINT pt = CursorPos();
  if (pt.x != lastX_ || pt.y != lastY_) {
    pointerOutside_ = true;
    MouseExit();
  }
}

// ---- The application window's hook (never consumes a message) ----

bool TTrayIcon::ApplicationHook(UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED && minimizeToTray_)
        DoMinimizeToTray();
      break;
    case WM_WINDOWPOSCHANGED:
      if (startupCheckPending_)
        StartupCheck();
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_RESTORE)
        RestoreMainForm();
      break;
    default:
      // The new taskbar has lost the icons of the old one.
      if (msg != 0 && msg == TaskbarCreatedMessage() && iconVisible_)
        ShowIcon();
      break;
  }
  return false;
}

// An MDI parent main form is shown by the application window, so OnStartup decides there.
void TTrayIcon::StartupCheck() {
  HWND mainWindow = hookedApplication_->MainWindow();
  if (!mainWindow)
    return;
  // Cleared first: hiding the application window below moves it again, re-entering the hook.
  startupCheckPending_ = false;
  if (IsMdiParent(mainWindow)) {
    bool showMainForm = true;
    if (OnStartup)
      OnStartup(this, showMainForm);
    if (!showMainForm)
      ShowWindow(hookedApplication_->Handle(), SW_HIDE);
  }
}

void TTrayIcon::RestoreMainForm() {
  HWND mainWindow = hookedApplication_->MainWindow();
  if (!mainWindow)
    return;
  if (IsIconic(mainWindow))
    ShowWindow(mainWindow, SW_RESTORE);
  ShowWindow(mainWindow, SW_SHOW);
}

// ---- The owner window's filter ----

bool TTrayIcon::OwnerFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SHOWWINDOW:
      if (wParam == TRUE && lParam == 0) {
        OwnerShown();
        return false;
      }
      if (wParam == FALSE && lParam == SW_PARENTCLOSING &&
          !(hookedApplication_ && hookedApplication_->Terminated()))
        return MinimizeRequested(result);
      return false;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE)
        return MinimizeRequested(result);
      return false;
    default:
      return false;
  }
}

// Shown by a show call: the application window, then the owner's, come to the front.
void TTrayIcon::OwnerShown() {
  if (hookedApplication_)
    SetForegroundWindow(hookedApplication_->Handle());
  SetForegroundWindow(ownerFilter_->Window());
}

bool TTrayIcon::MinimizeRequested(LRESULT& result) {
  if (!minimizeToTray_ || !OnMinimizeToTray)
    return false;
  OnMinimizeToTray(this);
  DoMinimizeToTray();
  result = 1;
  return true;
}

void TTrayIcon::HideMainForm() {
  HWND mainWindow = hookedApplication_ ? hookedApplication_->MainWindow() : nullptr;
  if (!dynamic_cast<TWinControl*>(Owner()) || !mainWindow)
    return;
  ShowWindow(mainWindow, SW_HIDE);
  if (IsWindowVisible(hookedApplication_->Handle()))
    ShowWindow(hookedApplication_->Handle(), SW_HIDE);
}

// ---- Event dispatchers ----

void TTrayIcon::Click() {
  if (OnClick)
    OnClick(this);
}

void TTrayIcon::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}

void TTrayIcon::Cycle(int nextIndex) {
  if (OnCycle)
    OnCycle(this, nextIndex);
}

void TTrayIcon::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown)
    OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp)
    OnMouseUp(this, button, shift, x, y);
}

void TTrayIcon::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove)
    OnMouseMove(this, shift, x, y);
}

void TTrayIcon::MouseEnter() {
  if (OnMouseEnter)
    OnMouseEnter(this);
}

void TTrayIcon::MouseExit() {
  if (OnMouseExit)
    OnMouseExit(this);
}

void TTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}
