// The frame skinner's window procedures: the skinned window's, its MDI client's and the
// framework form's message hook, with the size, command and system-command handlers and the
// window menu.
#include "framework/application.h"
#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <vector>

namespace {

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

// Counts a message in and out of the window procedure, so that the manager never frees a
// skinner that is handling one.
class TDispatchCount {
public:
  explicit TDispatchCount(int& depth) : depth_(depth) { ++depth_; }
  ~TDispatchCount() { --depth_; }
  TDispatchCount(const TDispatchCount&) = delete;
  TDispatchCount& operator=(const TDispatchCount&) = delete;

private:
  int& depth_;
};

bool IsFrameCommand(WPARAM command) {
  switch (command) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE:
    case SC_NEXTWINDOW: case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TWinSkinForm::Filter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  TDispatchCount count(dispatchDepth_);
  result = WindowProc(msg, wParam, lParam);
  return true;
}

LRESULT TWinSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return subclass_->Default(msg, wParam, lParam);
}

bool TWinSkinForm::MaximizedMDIChild() const {
  return formKind_ == fkMDIChild && Maximized();
}

LRESULT TWinSkinForm::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (state_ == ssAttached && msg == WM_NCPAINT)
    return 0;
  TSkinManage* manager = SkinManage();
  switch (msg) {
    case WM_ERASEBKGND: {
      LRESULT result = Default(msg, wParam, lParam);
      if (form_ || !skinData_)
        return result;
      RECT client{};
      GetClientRect(handle_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, skinData_->ButtonFaceBrush());
      return 1;
    }
    case WM_NCDESTROY: {
      state_ = ssDestroying;
      Release();
      LRESULT result = Default(msg, wParam, lParam);
      state_ = ssReleased;
      return result;
    }
    case WM_NCACTIVATE:
      // Before set-up the activation change is let through without any painting.
      if (state_ == ssAttached && formKind_ != fkMDIChild)
        return TRUE;
      break;
    case WM_NCUAHDRAWCAPTION:
      return 0;
    case WM_INITMENUPOPUP:
      if (manager)
        manager->SetPopupMode(reinterpret_cast<HMENU>(wParam) == systemMenu_ &&
                                      static_cast<int32_t>(wParam) >= 0
                                  ? pmWindowMenu
                                  : pmMenuBar);
      return Default(msg, wParam, lParam);
    case WM_CTLCOLORBTN: {
      LRESULT result = Default(msg, wParam, lParam);
      if (!form_)
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return result;
    }
    case WM_CTLCOLORSTATIC: {
      LRESULT result = Default(msg, wParam, lParam);
      if (form_ || !skinData_)
        return result;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      // On the skin's face the skin's text colour reads; the system's may not (a dark skin).
      if (skinData_->ColourTable().ColourSet[ciWindowText])
        SetTextColor(reinterpret_cast<HDC>(wParam), ResolveColour(skinData_->ColourTable().Colours[ciWindowText]));
      return reinterpret_cast<LRESULT>(skinData_->ButtonFaceBrush());
    }
    case SKM_INITSKIN:
      InitSkin();
      return 0;
    case SKM_RESKINSCROLL:
      ReskinScrollControl(reinterpret_cast<HWND>(wParam));
      return 0;
    case SKM_ISSKINNED:
      PostMessageA(handle_, SKM_SKINAPPLIED, 0, kSkinAppliedMark);
      return 1;
  }
  if (!skinFrame_)
    return Default(msg, wParam, lParam);
  if (formKind_ != fkMDIChild && (style_ & WS_CHILD))
    return Default(msg, wParam, lParam);

  bool handled = false;
  LRESULT result = 0;
  switch (msg) {
    case WM_SIZE:
      result = OnSize(msg, wParam, lParam);
      handled = true;
      break;
    case WM_ACTIVATE:
      active_ = LOWORD(wParam) != WA_INACTIVE;
      break;
    case WM_GETMINMAXINFO:
      result = Default(msg, wParam, lParam);
      showState_ = ShowStateOf(handle_);
      return result;
    case WM_WINDOWPOSCHANGED:
      showState_ = ShowStateOf(handle_);
      return Default(msg, wParam, lParam);
    case WM_SETICON:
      result = Default(msg, wParam, lParam);
      BuildIconBitmap();
      return result;
    case WM_NCACTIVATE:
      active_ = wParam != 0;
      break;
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam);
    case WM_SETTEXT:
      return OnSetText(wParam, lParam);
    case SKM_MENUATPOINT:
      if (menuBar_)
        OpenMenuButton(menuBar_->ButtonAt(ToWindowPoint({static_cast<short>(LOWORD(lParam)),
                                                         static_cast<short>(HIWORD(lParam))})));
      return 0;
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE))
        style_ = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
      return Default(msg, wParam, lParam);
  }
  if (state_ == ssAttached || MaximizedMDIChild())
    return handled ? result : Default(msg, wParam, lParam);

  switch (msg) {
    case WM_SIZE:
      return OnSize(msg, wParam, lParam);
    case WM_MEASUREITEM:
      return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(wParam, lParam);
    case WM_NCCALCSIZE:
      return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
      return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(wParam, lParam);
    case WM_NCACTIVATE:
      return OnNcActivate(wParam, lParam);
    case WM_NCMOUSEMOVE:
      return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
      return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
      return OnNcRButtonDown(wParam, lParam);
    case SKM_REDRAWFRAME:
      PaintFrame();
      return 0;
  }
  return handled ? result : Default(msg, wParam, lParam);
}

LRESULT TWinSkinForm::OnSize(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = Default(msg, wParam, lParam);
  switch (wParam) {
    case SIZE_RESTORED: showState_ = ssNormal; break;
    case SIZE_MINIMIZED: showState_ = ssMinimized; break;
    case SIZE_MAXIMIZED: showState_ = ssMaximized; break;
  }
  if (Minimized())
    return result;
  TSkinManage* manager = SkinManage();
  if (formKind_ == fkMDIChild && ((manager && manager->MDIMaximized()) || showState_ != ssNormal))
    return result;
  if (state_ == ssRunning || state_ == ssApplyingSkin)
    BuildWindowRegion();
  return result;
}

LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Commands chosen from the skinned window menu act as if chosen from the system's.
  if (IsFrameCommand(wParam)) {
    PostMessageA(handle_, WM_SYSCOMMAND, wParam, 0);
    return 0;
  }
  return Default(WM_COMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
  const WPARAM command = wParam & 0xFFF0;
  if (!trackingMenu_ && command == SC_KEYMENU && menuBar_ && lParam != ' ' && lParam != '-' && !GetCapture()) {
    TMenuBtn* button = lParam ? menuBar_->AcceleratorButton(static_cast<wchar_t>(lParam))
                              : (menuBar_->Count() ? menuBar_->Button(0) : nullptr);
    if (button) {
      OpenMenuButton(button);
      return 1;
    }
  }
  if (!trackingMenu_ && command == SC_KEYMENU && lParam == ' ') {
    POINT origin{0, 0};
    ClientToScreen(handle_, &origin);
    ShowWindowMenu(origin);
    return 0;
  }
  TSkinManage* manager = SkinManage();
  switch (command) {
    case SC_MINIMIZE:
      showState_ = ssMinimized;
      break;
    case SC_MAXIMIZE:
      showState_ = ssMaximized;
      break;
    case SC_RESTORE:
      showState_ = ssNormal;
      if (formKind_ == fkMDIChild && manager && manager->MDIMaximized())
        manager->SetMDIMaximized(false);
      break;
  }
  return Default(WM_SYSCOMMAND, wParam, lParam);
}

// The default handling of a new window text paints the system's caption, as high as the system
// makes captions, wherever the skinned frame put its own caption or its client area: both are
// painted back over it at once.
LRESULT TWinSkinForm::OnSetText(WPARAM wParam, LPARAM lParam) {
  LRESULT result = Default(WM_SETTEXT, wParam, lParam);
  if (!IsWindowVisible(handle_) || state_ == ssAttached)
    return result;
  if (Maximized() && formKind_ == fkMDIChild) {
    if (TSkinManage* manager = SkinManage(); manager && manager->MDIClient())
      PostMessageA(manager->MDIClient(), SKM_MDIREFRESH, reinterpret_cast<WPARAM>(handle_), 0);
    return result;
  }
  PaintFrame();
  const int systemTop = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYMENU);
  const int clientTop = borderTop_ + menuBarHeight_;
  if (systemTop > clientTop) {
    RECT band{};
    GetClientRect(handle_, &band);
    band.bottom = systemTop - clientTop;
    RedrawWindow(handle_, &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  return result;
}

LRESULT TWinSkinForm::FormHook(unsigned id, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case SKM_SKINCHANGED:
      ApplySkinChange();
      return 0;
    case SKM_PAINTFRAMETO:
      if (wParam)
        PaintFrame(reinterpret_cast<HDC>(wParam));
      return kSkinAppliedMark;
    case SKM_SKINQUERY:
      return lParam == kSkinAppliedMark ? kSkinAppliedMark : 1;
    case CM_MENUCHANGED:
      return OnMenuChanged(id, wParam, lParam);
    case CM_DIALOGCHAR:
      return OnDialogChar(id, wParam, lParam);
    case CM_CONTROLCREATED:
      DiscoverLateControl(reinterpret_cast<HWND>(wParam));
      break;
  }
  return form_->CallNextHook(id, msg, wParam, lParam);
}

// The form's menu bar changed: the framework attaches the new native bar, which the skinned
// bar then takes over (without flashing the system's bar in between).
LRESULT TWinSkinForm::OnMenuChanged(unsigned id, WPARAM wParam, LPARAM lParam) {
  const bool allowed = skinData_->AllowFramePaint;
  skinData_->AllowFramePaint = false;
  const LRESULT result = form_->CallNextHook(id, CM_MENUCHANGED, wParam, lParam);
  skinData_->AllowFramePaint = allowed;
  if (!GetMenu(handle_) || formKind_ == fkMDIChild)
    return result;
  if (!menuBar_) {
    // A form given its first menu bar while skinned: the bar takes its room from the client.
    menuBar_ = std::make_unique<TWinSkinMenu>(*this, *skinData_, handle_);
    menuBarHeight_ = GetSystemMetrics(SM_CYMENU);
    menuBar_->ReadMenu();
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return result;
  }
  if (skinData_->MenuUpdate())
    menuBar_->ReadMenu();
  SetMenu(handle_, nullptr);
  PaintFrame();
  return result;
}

// Alt and a menu-bar button's accelerator typed in the form open that button's menu.
LRESULT TWinSkinForm::OnDialogChar(unsigned id, WPARAM wParam, LPARAM lParam) {
  if (const LRESULT handled = form_->CallNextHook(id, CM_DIALOGCHAR, wParam, lParam))
    return handled;
  const bool altOnly = (GetKeyState(VK_MENU) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000) &&
                       !(GetKeyState(VK_SHIFT) & 0x8000);
  const TMenuBtn* button = menuBar_ && altOnly ? menuBar_->AcceleratorButton(static_cast<wchar_t>(wParam)) : nullptr;
  if (!button)
    return PassDialogChar(wParam, lParam);
  PostMenuButtonClick(*button);
  return 1;
}

// A character no button of this form's bar takes goes to the form whose bar may: an MDI
// document's frame, or the application's main form.
LRESULT TWinSkinForm::PassDialogChar(WPARAM wParam, LPARAM lParam) const {
  HWND to = nullptr;
  if (formKind_ == fkMDIChild)
    to = GetAncestor(handle_, GA_ROOT);
  else if (TForm* main = Application ? Application->MainForm() : nullptr; main && main != form_)
    to = main->Handle();
  return to && to != handle_ ? SendMessageA(to, CM_DIALOGCHAR, wParam, lParam) : 0;
}

bool TWinSkinForm::ClientFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  TDispatchCount count(dispatchDepth_);
  TSkinManage* manager = SkinManage();
  auto clientDefault = [&] { return clientSubclass_->Default(msg, wParam, lParam); };
  switch (msg) {
    case WM_NCDESTROY:
      result = clientDefault();
      clientSubclass_->Remove();
      return true;
    case WM_NCCALCSIZE:
      if (skinFrame_ && skinData_ && !skinData_->Options().Contains(xoMDIScrollbar))
        SetWindowLongPtrA(mdiClient_, GWL_STYLE,
                          GetWindowLongPtrA(mdiClient_, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL));
      return false;
    case WM_MDICREATE:
      if (skinData_)
        skinData_->SetMenuUpdate(false);
      return false;
    case WM_MDIDESTROY: {
      result = clientDefault();
      if (skinFrame_ && manager) {
        BOOL maximized = FALSE;
        const bool anyActive = SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
        manager->SetMDIMaximized(maximized != FALSE);
        if (!anyActive && menuBar_ && skinData_) {
          skinData_->SetMenuUpdate(mdiMenuUpdate_);
          menuBar_->ReadMenu();
        }
        PaintFrame();
      }
      return true;
    }
    case WM_MDISETMENU:
      result = clientDefault();
      if (skinFrame_ && menuBar_ && wParam) {
        menuBar_->ReadMDIMenu(reinterpret_cast<HMENU>(wParam));
        PaintFrame();
      }
      return true;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (skinFrame_ && manager && manager->MDIMaximized())
        manager->SetMDIMaximized(false);
      return false;
    case SKM_MDIREFRESH:
      RedrawWindow(handle_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
      result = 0;
      return true;
  }
  return false;
}

// ---- Window menu and the caption's commands ---------------------------------------------------

void TWinSkinForm::ShowWindowMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (now - lastMenuClick_ <= doubleClickTime_) {
    // The second click of a double click on the icon closes the window.
    if (hotObject_) {
      timer_.SetEnabled(false);
      PostMessageA(handle_, WM_CLOSE, 0, 0);
    }
    return;
  }
  if (TSkinManage* manager = SkinManage())
    manager->SetPopupMode(pmWindowMenu);
  lastMenuClick_ = now;
  windowMenu_ = BuildWindowMenu();
  if (!windowMenu_)
    return;
  ownerDrawn_.Convert(windowMenu_.Get(), [](UINT command) {
    switch (command) {
      case SC_RESTORE: return 0;
      case SC_MAXIMIZE: return 1;
      case SC_MINIMIZE: return 2;
      case SC_CLOSE: return 3;
      default: return -1;
    }
  });
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : 0);
  const UINT command = TrackPopupMenu(windowMenu_.Get(), flags, screen.x, screen.y, 0, handle_, nullptr);
  ownerDrawn_.Restore();
  if (command)
    PostMessageA(handle_, WM_SYSCOMMAND, command, 0);
}

// A copy of the system menu with the states the skinned frame knows, each item owner-drawn
// with its glyph of the skin's window-menu images.
UniqueMenu TWinSkinForm::BuildWindowMenu() {
  if (!systemMenu_)
    systemMenu_ = GetSystemMenu(handle_, FALSE);
  UniqueMenu menu(CreatePopupMenu());
  const int count = systemMenu_ ? GetMenuItemCount(systemMenu_) : 0;
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    MENUITEMINFOA info{sizeof info};
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(systemMenu_, static_cast<UINT>(i), TRUE, &info))
      continue;
    if (info.fType & MFT_SEPARATOR) {
      AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    bool enabled = true;
    switch (info.wID) {
      case SC_SIZE:
        enabled = !Maximized() && sizable_;  // a fixed frame has nothing to size
        break;
      case SC_MOVE:
        enabled = !Maximized();
        break;
      case SC_MINIMIZE:
        enabled = !Minimized() && (captionFlags_ & cfMinimizeBox);
        break;
      case SC_MAXIMIZE:
        enabled = !Maximized() && (captionFlags_ & cfMaximizeBox);
        break;
      case SC_RESTORE:
        enabled = showState_ != ssNormal;
        break;
    }
    // What the system menu itself disables stays disabled (Size on a fixed frame, say).
    if ((info.fState & MFS_DISABLED) == MFS_DISABLED)
      enabled = false;
    UINT flags = MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED);
    if (info.fState & MFS_CHECKED)
      flags |= MF_CHECKED;
    AppendMenuA(menu.Get(), flags, info.wID, text);
  }
  return menu;
}

void TWinSkinForm::Maximize() {
  if (Maximized()) {
    Restore();
    return;
  }
  if (formKind_ == fkMDIChild)
    if (TSkinManage* manager = SkinManage())
      manager->SetMDIMaximized(true);
  showState_ = ssMaximized;
  PostMessageA(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  hotObject_ = nullptr;
}

void TWinSkinForm::Minimize() {
  if (Minimized()) {
    Restore();
    return;
  }
  showState_ = ssMinimized;
  SetWindowLongPtrA(handle_, GWL_STYLE, GetWindowLongPtrA(handle_, GWL_STYLE) | WS_SYSMENU);
  PostMessageA(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  showState_ = ssNormal;
  PostMessageA(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}
