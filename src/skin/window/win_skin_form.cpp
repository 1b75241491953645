#include "skin/window/win_skin_form.h"

#include "framework/application.h"
#include "framework/form.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/window/form_menus.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"

#include <algorithm>

namespace {

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
constexpr UINT kFrameChangedFlags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

std::string WindowClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

TShowState ShowStateOf(HWND window) {
  WINDOWPLACEMENT placement{sizeof placement};
  GetWindowPlacement(window, &placement);
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      return ssMinimized;
    case SW_SHOWMAXIMIZED:
      return ssMaximized;
    default:
      return ssNormal;
  }
}

TWinSkinForm::TWinSkinForm(HWND window, const std::string& className, TForm* form)
    : handle_(window), className_(className), form_(form), doubleClickTime_(GetDoubleClickTime()) {
  controlCanvas_.Reset(CreateCompatibleDC(nullptr));
  timer_.SetEnabled(false);
  timer_.SetInterval(250);
  timer_.SetOnTimer([this](TComponent*) { CaptionHintTick(); });
}

TWinSkinForm::~TWinSkinForm() {
  DropControlSkinners();
  ClearCaptionButtons();
  if (TSkinManage* manager = SkinManage())
    manager->RemoveFormSkinner(handle_);
}

// ---- Attaching -------------------------------------------------------------------------------

// Only the form's message hook needs the skinned frame: a form whose frame stays the system's
// still takes the skin's face colour and owner-drawn menu items.
void TWinSkinForm::AttachForm(TSkinData& skinData) {
  if (skinData.OnBeforeSkinForm)
    skinData.OnBeforeSkinForm(form_, handle_, className_);
  InstallFrame(skinData);
  if (!form_)
    return;
  if (skinFrame_)
    formHook_ = form_->AddMessageHook(
        [this](UINT msg, WPARAM wParam, LPARAM lParam) { return FormHook(formHook_, msg, wParam, lParam); });
  savedColor_ = form_->Color();
  form_->SetColor(ResolveColour(skinData.ColourTable().Colours[ciButtonFace]));
  if (skinData.SkinControls().Contains(xcMenuItem))
    PrepareMainMenus(*form_, skinData, true);
}

void TWinSkinForm::AttachHandle(TSkinData& skinData) {
  InstallFrame(skinData);
}

void TWinSkinForm::ReadStyle() {
  style_ = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE));
}

void TWinSkinForm::InstallFrame(TSkinData& skinData) {
  if (subclass_)
    return;
  if (TSkinManage* manager = SkinManage())
    manager->SetState(kManagerRunning);
  skinData_ = &skinData;
  skinFrame_ = skinData.SkinControls().Contains(xcMainMenu);
  ReadStyle();
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE));
  rightToLeft_ = exStyle & WS_EX_LEFTSCROLLBAR;
  child_ = style_ & WS_CHILD;
  ownerWindow_ = GetWindow(handle_, GW_OWNER);

  captionFlags_ = 0;
  if (style_ & WS_SYSMENU)
    captionFlags_ |= cfWindowMenu;
  if (style_ & WS_MINIMIZEBOX)
    captionFlags_ |= cfMinimizeBox;
  if (style_ & WS_MAXIMIZEBOX)
    captionFlags_ |= cfMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP)
    captionFlags_ |= cfHelpButton;

  showState_ = ShowStateOf(handle_);
  sizable_ = style_ & WS_THICKFRAME;
  if (HWND client = FindWindowExA(handle_, nullptr, "MDIClient", nullptr)) {
    formKind_ = fkMDIFrame;
    mdiClient_ = client;
    if (TSkinManage* manager = SkinManage())
      manager->SetMDIClient(client, form_);
  }
  if (exStyle & WS_EX_MDICHILD) {
    formKind_ = fkMDIChild;
    if (skinData.Options().Contains(xoMDIChildBorder))
      skinFrame_ = false;
  }

  frameKind_ = fkFixed;
  if ((style_ & WS_CAPTION) != WS_CAPTION)
    frameKind_ = fkNoCaption;
  else if (style_ & WS_THICKFRAME)
    frameKind_ = fkSizable;
  else if (style_ & DS_MODALFRAME)
    frameKind_ = fkDialog;
  if (exStyle & WS_EX_DLGMODALFRAME)
    frameKind_ = fkDialog;
  if (className_ == "#32770" || className_ == "TMessageForm") {
    dialog_ = true;
    frameKind_ = fkDialog;
  }

  // Windows whose taskbar button follows the window-menu style keep it while painted.
  const DWORD version = GetVersion();
  const bool ntFamily = !(version & 0x80000000u);
  const int major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  if (major >= 5 && minor == 0 &&
      ((ntFamily && (exStyle & WS_EX_APPWINDOW)) || (!ownerWindow_ && formKind_ != fkMDIChild)))
    captionFlags_ |= cfKeepSysMenu;
  unicode_ = IsWindowUnicode(handle_);

  if (formKind_ == fkMDIFrame) {
    mdiMenuUpdate_ = skinData.MenuUpdate();
    clientSubclass_ = std::make_unique<TWindowSubclass>(
        mdiClient_, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
          return ClientFilter(msg, wParam, lParam, result);
        });
  }
  subclass_ = std::make_unique<TWindowSubclass>(
      handle_, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Filter(msg, wParam, lParam, result);
      });

  if (skinFrame_) {
    menuHandle_ = GetMenu(handle_);
    if (menuHandle_ && formKind_ != fkMDIChild) {
      menuBar_ = std::make_unique<TWinSkinMenu>(*this, skinData, handle_);
      menuBarHeight_ = GetSystemMetrics(SM_CYMENU);
      menuBar_->ReadMenu();
    }
    LoadFrameMetrics();
  } else {
    state_ = ssRunning;
  }
  if (formKind_ == fkMDIChild) {
    const int systemTop = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (borderTop_ < systemTop)
      menuBarHeight_ = systemTop - borderTop_;
    TSkinManage* manager = SkinManage();
    if (Maximized() && manager && !manager->MDIMaximized())
      manager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::InitSkin() {
  initialized_ = true;
  systemMenu_ = GetSystemMenu(handle_, FALSE);
  RefreshIconBitmap();
  GetClientRect(handle_, &clientRect_);
  RECT window{};
  GetWindowRect(handle_, &window);
  systemFrame_ = {0, 0, Width(window) - Width(clientRect_), Height(window) - Height(clientRect_)};
  DiscoverControls();
  if (state_ == ssAttached) {
    if (formKind_ == fkMDIChild) {
      if (Maximized()) {
        PostMessageA(GetParent(handle_), SKM_MDIREFRESH, reinterpret_cast<WPARAM>(handle_), 0);
      } else {
        state_ = ssSettingUp;
        ResizeFrame(0);
        state_ = ssRunning;
        BuildWindowRegion();
      }
    } else if (!child_ && frameKind_ != fkNoCaption && !Minimized()) {
      state_ = ssSettingUp;
      ResizeFrame(0);
      state_ = ssRunning;
      // The frame change has just invalidated the whole window: the shape needs no redraw of
      // the client area. The frame is asked for again: a frame paint that came while the frame
      // was set up painted nothing, and when it came differs from start to start.
      if (Maximized()) {
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
      } else {
        BuildWindowRegion(false);
        InvalidateFrame();
      }
    }
  }
  SkinApplied();
  state_ = ssRunning;
  WatchCaptionHint();
  // Documents opened before skinning began are skinned with their frame.
  if (formKind_ == fkMDIFrame && mdiClient_)
    if (TSkinManage* manager = SkinManage())
      for (HWND child = GetWindow(mdiClient_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        manager->SkinWindow(child);
}

// A framework form's controls are found through their objects, a foreign window's through its
// child windows.
void TWinSkinForm::DiscoverControls() {
  if (!skinData_)
    return;
  if (form_)
    DiscoverFormControls(*form_);
  else
    DiscoverChildWindows(handle_);
}

void TWinSkinForm::SkinApplied() {
  SendMessageA(handle_, SKM_SKINAPPLIED, 0, kSkinAppliedMark);
  if (skinData_ && skinData_->OnAfterSkinForm)
    skinData_->OnAfterSkinForm(form_, handle_, className_);
}

void TWinSkinForm::ResizeFrame(int recompute) {
  if (Maximized()) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
    return;
  }
  if (dialog_ || state_ == ssApplyingSkin)
    GetClientRect(handle_, &clientRect_);
  int width = Width(clientRect_) + borderLeft_ + borderRight_;
  if (recompute == 1)
    GetClientRect(handle_, &clientRect_);
  // The client rectangle was read under the system frame, after the native menu bar went:
  // the skinned menu bar takes its room back from it.
  int clientHeight = Height(clientRect_);
  if (recompute != 1 && formKind_ != fkMDIChild)
    clientHeight -= menuBarHeight_;
  const int height = clientHeight + borderTop_ + borderBottom_ + menuBarHeight_;
  if (dialog_ && recompute == 0 && skinData_) {
    const TDataSkinTitle& title = skinData_->Elements().Title;
    const std::wstring text = WindowText();
    RECT measure{};
    {
      HDC dc = controlCanvas_.Get();
      HGDIOBJ old = SelectObject(dc, skinData_->CaptionFont());
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      SelectObject(dc, old);
    }
    const int needed = title.Margins.Left + Width(measure) + title.Margins.Right;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
    }
  }
  // At set-up the children are erased when they paint, which follows at once, rather than
  // here and then again.
  const UINT deferErase = state_ == ssSettingUp ? SWP_DEFERERASE : 0;
  SetWindowPos(handle_, nullptr, 0, 0, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | deferErase);
}

// ---- Control skinners ------------------------------------------------------------------------

bool TWinSkinForm::RegisterControlSkinner(TSkinControl* skinner) {
  if (std::find(controlSkinners_.begin(), controlSkinners_.end(), skinner) != controlSkinners_.end())
    return true;
  controlSkinners_.push_back(skinner);
  return false;
}

void TWinSkinForm::UnregisterControlSkinner(TSkinControl* skinner) {
  std::erase(controlSkinners_, skinner);
}

TSkinControl* TWinSkinForm::FindControlSkinner(HWND window) const {
  for (TSkinControl* skinner : controlSkinners_)
    if (skinner->Handle() == window)
      return skinner;
  return nullptr;
}

// Each skinner gives its control back its own look (unless the window is going or gone), then
// goes; its destructor takes it out of the list.
void TWinSkinForm::DropControlSkinners() {
  while (!controlSkinners_.empty()) {
    TSkinControl* skinner = controlSkinners_.back();
    if (state_ != ssDestroying && skinner->LifeState() != lsWindowGone)
      skinner->Detach();
    delete skinner;
    if (!controlSkinners_.empty() && controlSkinners_.back() == skinner)
      controlSkinners_.pop_back();
  }
}

// ---- Detaching -------------------------------------------------------------------------------

void TWinSkinForm::RestoreFrame(bool resize) {
  windowMenu_.Reset();
  timer_.SetEnabled(false);
  hotObject_ = nullptr;
  if (skinData_)
    skinData_->HideCaptionHint();
  if (!subclass_ || !subclass_->Installed())
    return;
  if (formHook_ && form_) {
    form_->RemoveMessageHook(formHook_);
    formHook_ = 0;
  }
  subclass_->Remove();
  DropControlSkinners();
  if (form_ && skinData_) {
    PrepareFormMenus(*form_, *skinData_, false);
    if (skinData_->SkinControls().Contains(xcMenuItem))
      PrepareMainMenus(*form_, *skinData_, false);
  }
  if (form_ && state_ != ssDestroying)
    form_->SetColor(savedColor_);
  if (!skinFrame_)
    return;
  if ((captionFlags_ & cfWindowMenu) && !(captionFlags_ & cfKeepSysMenu) && IsWindow(handle_))
    SetWindowLongPtrA(handle_, GWL_STYLE, GetWindowLongPtrA(handle_, GWL_STYLE) | WS_SYSMENU);
  ownerDrawn_.Restore();
  if (menuBar_) {
    if (IsWindow(handle_) && state_ != ssDestroying)
      SetMenu(handle_, menuBar_->NativeMenu());
    menuBar_.reset();
  }
  if (clientSubclass_)
    clientSubclass_->Remove();
  if (!resize)
    return;
  if (state_ != ssDestroying && (!child_ || formKind_ == fkMDIChild) && IsWindow(handle_)) {
    RECT r{};
    GetWindowRect(handle_, &r);
    if (formKind_ == fkMDIChild)
      MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(handle_, nullptr, r.left, r.top,
                 Width(r) - borderLeft_ - borderRight_ + Width(systemFrame_),
                 Height(r) - borderTop_ - borderBottom_ + Height(systemFrame_),
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  SetWindowRgn(handle_, nullptr, TRUE);
  hasRegion_ = false;
  // The system's caption shows the activation it was last told of, which the skinned frame
  // kept to itself.
  if (state_ != ssDestroying && IsWindow(handle_))
    SendMessageA(handle_, WM_NCACTIVATE, GetActiveWindow() == handle_, 0);
}

void TWinSkinForm::Unskin() {
  RestoreFrame(true);
}

void TWinSkinForm::Release() {
  RestoreFrame(false);
}

void TWinSkinForm::ApplySkinChange() {
  if (!skinData_)
    return;
  const TColor face = ResolveColour(skinData_->ColourTable().Colours[ciButtonFace]);
  if (form_) {
    form_->SetColor(face);
    for (TForm* owned : TForm::Screen())
      if (owned != form_ && owned->Owner() == form_)
        owned->SetColor(face);
  }
  for (TSkinControl* skinner : controlSkinners_)
    skinner->SkinChanged();
  state_ = ssApplyingSkin;
  if (form_ && skinFrame_)
    PrepareFormMenus(*form_, *skinData_, true);
  // An MDI document is a child window, but it wears a frame of its own that the new skin sizes.
  if (skinFrame_ && (!child_ || formKind_ == fkMDIChild)) {
    ResizeFrame(1);
    BuildWindowRegion();
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  SkinApplied();
  state_ = ssRunning;
}

void TWinSkinForm::MDIMaximizedChanged(bool maximized) {
  if (maximized) {
    if (hasRegion_) {
      SetWindowRgn(handle_, nullptr, TRUE);
      hasRegion_ = false;
    }
    return;
  }
  if (Maximized())
    return;
  showState_ = ssNormal;
  regionWidth_ = regionHeight_ = 0;
  BuildWindowRegion();
  if (!hasRegion_)
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
}
