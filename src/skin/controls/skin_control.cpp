#include "skin/controls/skin_control.h"

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "framework/graphic_control.h"
#include "framework/published.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/parent_background.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

// The hook goes before the control does; the window's subclass is taken out by the window
// itself when it is destroyed, or here.
TSkinControl::~TSkinControl() {
  Unhook();
  if (ownerForm_)
    ownerForm_->UnregisterControlSkinner(this);
}

// ---- Attaching -------------------------------------------------------------------------------

void TSkinControl::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control)
    return;
  manageColor_ = manageColor;
  skinData_ = skinData;
  ownerForm_ = ownerForm;
  drawCanvas_ = canvas;
  skinnedControl_ = control;
  windowHandle_ = control->Handle();
  isUnicode_ = IsWindowUnicode(windowHandle_);
  HookControl();
  if (ownerForm_)
    ownerForm_->RegisterControlSkinner(this);
  if (manageColor_) {
    SwitchParentBackground(true);
    savedColor_ = control->Color();
    control->SetColor(FaceColour());
  }
  if (parentBackgroundSwitched_)
    kindVariant_ = 1;
  InvalidateRect(windowHandle_, nullptr, TRUE);
  isAttached_ = true;
  lifeState_ = lsAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  skinData_ = skinData;
  drawCanvas_ = canvas;
  ownerForm_ = ownerForm;
  windowHandle_ = window;
  isEnabled_ = true;
  kindVariant_ = 0;
  if (ownerForm_)
    ownerForm_->RegisterControlSkinner(this);
  isUnicode_ = IsWindowUnicode(window);
  captionText_ = GetWindowTextWide(window);
  HookWindow();
  InvalidateRect(window, nullptr, TRUE);
  isAttached_ = true;
  lifeState_ = lsAttached;
}

void TSkinControl::HookControl() {
  if (hookId_)
    return;
  const auto hook = [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    TSkinMessage message{msg, wParam, lParam, 0};
    SkinWndProc(message);
    return message.Result;
  };
  if (skinnedControl_)
    hookId_ = skinnedControl_->AddMessageHook(hook);
  else if (graphicControl_)
    hookId_ = graphicControl_->AddMessageHook(hook);
}

// The subclass answers every message itself: SkinWndProc hands on what goes further through
// CallOriginal, so the filter never lets a message pass a second time.
void TSkinControl::HookWindow() {
  subclass_.reset();
  subclass_ = std::make_unique<TWindowSubclass>(windowHandle_, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinMessage message{msg, wParam, lParam, 0};
    SkinWndProc(message);
    result = message.Result;
    return true;
  });
}

void TSkinControl::Unhook() {
  if (hookId_ && skinnedControl_)
    skinnedControl_->RemoveMessageHook(hookId_);
  else if (hookId_ && graphicControl_)
    graphicControl_->RemoveMessageHook(hookId_);
  hookId_ = 0;
  if (subclass_)
    subclass_->Remove();
}

void TSkinControl::Detach() {
  if (!isActive_)
    return;
  isActive_ = false;
  if (lifeState_ != lsWindowGone && manageColor_ && skinnedControl_) {
    SwitchParentBackground(false);
    skinnedControl_->SetColor(savedColor_);
  }
}

void TSkinControl::SkinChanged() {
  if (manageColor_ && skinnedControl_)
    skinnedControl_->SetColor(FaceColour());
  Repaint();
}

// ---- Messages --------------------------------------------------------------------------------

void TSkinControl::SkinWndProc(TSkinMessage& message) {
  if (message.Msg == SKM_SETACTIVE) {
    isActive_ = static_cast<intptr_t>(message.WParam) > 0;
    ActiveChanged();
    if (isActive_)
      Repaint();
    return;
  }
  if (!isActive_) {
    CallOriginal(message);
    // The window's last message: whatever the state, the skinner lets go of it.
    if (message.Msg == WM_NCDESTROY) {
      lifeState_ = lsWindowGone;
      Unhook();
    }
    return;
  }
  if (BeforeMessage(message)) {
    const std::weak_ptr<const void> life = life_;
    CallOriginal(message);
    if (!life.expired())
      AfterMessage(message);
  }
}

void TSkinControl::CallOriginal(TSkinMessage& message) {
  if (hookId_ && skinnedControl_)
    message.Result = skinnedControl_->CallNextHook(hookId_, message.Msg, message.WParam, message.LParam);
  else if (hookId_ && graphicControl_)
    message.Result = graphicControl_->CallNextHook(hookId_, message.Msg, message.WParam, message.LParam);
  else if (subclass_ && subclass_->Installed())
    message.Result = subclass_->Default(message.Msg, message.WParam, message.LParam);
  else if (windowHandle_)
    message.Result = DefWindowProcW(windowHandle_, message.Msg, message.WParam, message.LParam);
}

bool TSkinControl::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      lifeState_ = lsWindowGone;
      CallOriginal(message);
      if (isActive_)
        Detach();
      Unhook();
      return false;
    case SKM_ISSKINNED:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
      Repaint();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::Repaint() {
  if (graphicControl_) {
    graphicControl_->Invalidate();
    return;
  }
  if (!windowHandle_)
    return;
  InvalidateRect(windowHandle_, nullptr, TRUE);
  UpdateWindow(windowHandle_);
}

void TSkinControl::PaintWindow(HDC dc) {
  RECT rect{};
  if (!GetWindowRect(windowHandle_, &rect))
    return;
  OffsetRect(&rect, -rect.left, -rect.top);
  try {
    if (dc) {
      DrawControl(dc, rect);
    } else if (HDC own = GetWindowDC(windowHandle_)) {
      DrawControl(own, rect);
      ReleaseDC(windowHandle_, own);
    }
  } catch (...) {
    // A paint that fails leaves the control as it was; the next paint tries again.
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::PaintMessage(TSkinMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool ownPaint = !dc;
  if (ownPaint)
    dc = BeginPaint(windowHandle_, &ps);
  RECT rect{};
  if (dc && GetWindowRect(windowHandle_, &rect)) {
    OffsetRect(&rect, -rect.left, -rect.top);
    DrawControl(dc, rect);
  }
  if (ownPaint)
    EndPaint(windowHandle_, &ps);
  message.Result = 0;
}

void TSkinControl::EraseBackground(TSkinMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (skinnedControl_) {
    PaintParentBackground(windowHandle_, dc);
  } else {
    RECT client{};
    GetClientRect(windowHandle_, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

// Coordinates in lParam are 16 bits each: on a control larger than that, the cursor tells where
// the press was.
void TSkinControl::ForwardMouseDown(const TSkinMessage& message) {
  if (!skinnedControl_)
    return;
  POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (skinnedControl_->Width() > 0x8000 || skinnedControl_->Height() > 0x8000) {
    GetCursorPos(&point);
    ScreenToClient(windowHandle_, &point);
  }
  skinnedControl_->MouseDown(TMouseButton::mbLeft, ShiftStateFromMouse(message.WParam), point.x, point.y);
}

void TSkinControl::SwitchParentBackground(bool on) {
  if (!skinData_ || HasOption(xoParentBackGround) || !skinnedControl_ ||
      !FindPublishedProperty(*skinnedControl_, "ParentBackground"))
    return;
  if (on) {
    parentBackgroundSwitched_ = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "ParentBackground")) == "true";
    if (parentBackgroundSwitched_)
      SetPropertyText(skinnedControl_, "ParentBackground", "False");
  } else if (parentBackgroundSwitched_) {
    SetPropertyText(skinnedControl_, "ParentBackground", "True");
  }
}

// ---- Skin data -------------------------------------------------------------------------------

TColor TSkinControl::SkinColour(int index) const {
  if (!skinData_)
    return GetSysColor(COLOR_BTNFACE);
  return static_cast<TColor>(ResolveColour(skinData_->ColourTable().Colours[index]));
}

TColor TSkinControl::FaceColour() const {
  return SkinColour(ciButtonFace);
}

bool TSkinControl::HasOption(int option) const {
  return skinData_ && skinData_->Options().Contains(static_cast<TSkinOption>(option));
}

// ---- Properties by name ----------------------------------------------------------------------

int TSkinControl::GetIntProperty(TComponent* object, const std::string& name) {
  if (!object)
    return -1;
  const TPublishedProperty* property = FindPublishedProperty(*object, name);
  if (!property || property->Kind != TPropertyKind::pkInteger)
    return -1;
  return GetIntegerProperty(*object, name);
}

std::string TSkinControl::GetEnumPropertyName(TComponent* object, const std::string& name) {
  return object ? ::GetEnumPropertyName(*object, name) : std::string();
}

std::wstring TSkinControl::GetTextProperty(TComponent* object, const std::string& name) {
  return object ? AnsiToWide(GetStringProperty(*object, name)) : std::wstring();
}

TComponent* TSkinControl::GetObjectProperty(TComponent* object, const std::string& name, const std::string& className) {
  return object ? ::GetObjectProperty(*object, name, className) : nullptr;
}

void TSkinControl::SetPropertyText(TComponent* object, const std::string& name, const std::string& text) {
  if (object)
    ::SetPropertyText(*object, name, text);
}

std::wstring TSkinControl::GetWindowTextWide(HWND window) {
  if (UseWideText()) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
  }
  char buffer[1000] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return AnsiToWide(buffer);
}
