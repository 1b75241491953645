#include "skin/controls/skin_button.h"

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"
#include "skin/model/parent_background.h"

#include <algorithm>
#include <cctype>

void TSkinButton::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  // Some third-party buttons raise their own mouse-down event from the click: no second one.
  const std::string name = AsciiLowerCase(Owner() ? Owner()->ClassName() : "");
  kindVariant_ = name.rfind("trz", 0) == 0 || name.rfind("tel", 0) == 0 ? 1 : 0;
  useParentBackground_ = (Owner() && Owner()->Tag() == kTransparentTag) || HasOption(xoTransparent);
}

void TSkinButton::SkinChanged() {
  paintBuffer_.Forget();
  TSkinControl::SkinChanged();
}

bool TSkinButton::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_TIMER:
      KillTimer(windowHandle_, 1);
      return false;
    // The press is the skinner's: the control never sees the button go down, so it neither
    // captures the mouse nor clicks on its own.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != windowHandle_)
        SetFocus(windowHandle_);
      mouseState_ |= mbPressed;
      PaintWindow(nullptr);
      if (kindVariant_ == 0 && skinnedControl_)
        ForwardMouseDown(message);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinButton::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      PaintWindow(nullptr);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        if (message.Msg == WM_KEYDOWN)
          mouseState_ |= mbPressed;
        else
          mouseState_ &= ~mbPressed;
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (isEnabled_ && !(mouseState_ & mbHover)) {
        mouseState_ |= mbHover;
        Repaint();
      }
      TrackMouseLeave(windowHandle_);
      break;
    case WM_LBUTTONUP:
      if (mouseState_ & mbPressed) {
        mouseState_ &= ~mbPressed;
        Repaint();
        ClickControl();
      }
      break;
    case WM_MOUSELEAVE:
      mouseState_ &= ~(mbHover | mbPressed);
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinButton::ClickControl() {
  if (skinnedControl_) {
    skinnedControl_->Click();
    return;
  }
  char name[32] = {};
  GetClassNameA(windowHandle_, name, sizeof name);
  const WPARAM id = AsciiLowerCase(name) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(windowHandle_));
  PostMessageA(GetParent(windowHandle_), WM_COMMAND, id, reinterpret_cast<LPARAM>(windowHandle_));
}

int TSkinButton::PrepareFrame(bool consultDefault) {
  isFocused_ = GetFocus() == windowHandle_;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  isEnabled_ = !(style & WS_DISABLED);
  // A window known only by its handle says by its style that it is its dialog's default.
  const bool isDefault = consultDefault && (skinnedControl_ ? AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "Default")) == "true"
                                                            : (style & 0x0F) == BS_DEFPUSHBUTTON);
  captionText_ = skinnedControl_ ? GetTextProperty(skinnedControl_, "Caption") : GetWindowTextWide(windowHandle_);
  int frame = kNormalFrame;
  if (mouseState_ & mbPressed)
    frame = kPressedFrame;
  else if (mouseState_ & mbHover)
    frame = kHotFrame;
  else if (isFocused_ || isDefault)
    frame = kFocusedFrame;
  if (!isEnabled_)
    frame = kDisabledFrame;
  return frame;
}

void TSkinButton::PaintFace(HDC buffer, const RECT& rect, int frame) {
  if (useParentBackground_)
    PaintParentBackground(windowHandle_, buffer);
  else
    FillFace(buffer, rect);
  const TDataSkinButton& buttons = skinData_->Elements().Buttons;
  DrawElementFrame(buffer, rect, buttons.FrameCount, frame, buttons);
}

COLORREF TSkinButton::TextColour(int frame, COLORREF normal) const {
  const TDataSkinButton& buttons = skinData_->Elements().Buttons;
  COLORREF colour = normal;
  if (buttons.HasNormalColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.NormalColour2));
  if (frame == kHotFrame && buttons.HasMouseOverColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.MouseOverColour2));
  if (frame == kPressedFrame && buttons.HasPressedColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.PressedColour2));
  if (!isEnabled_)
    colour = GetSysColor(COLOR_BTNSHADOW);
  return colour;
}

COLORREF TSkinButton::FrameTextColour(int frame, COLORREF normal) const {
  const TDataSkinButton& buttons = skinData_->Elements().Buttons;
  COLORREF colour = normal;
  if (frame == kNormalFrame && buttons.HasNormalColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.NormalColour2));
  else if (frame == kHotFrame && buttons.HasMouseOverColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.MouseOverColour2));
  else if (frame == kPressedFrame && buttons.HasPressedColour2)
    colour = static_cast<COLORREF>(ResolveColour(buttons.PressedColour2));
  if (!isEnabled_)
    colour = GetSysColor(COLOR_BTNSHADOW);
  return colour;
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_ || skinData_->Elements().Buttons.Image.Empty())
    return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width < 1 || height < 1)
    return;
  const int frame = PrepareFrame(true);
  const TPaintState state{width, height, frame, isFocused_, isEnabled_, TextColour(frame, SkinColour(ciButtonText)),
                          ControlFont(), captionText_,
                          static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE)),
                          static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_EXSTYLE))};
  // The parent's background may have changed under a transparent-looking button.
  if (useParentBackground_)
    paintBuffer_.Forget();
  const bool unchanged = paintBuffer_.Holds(state);
  TMemoryDC buffer(paintBuffer_.Picture());
  if (!unchanged) {
    const RECT local{0, 0, width, height};
    PaintFace(buffer.Get(), local, frame);
    HGDIOBJ oldFont = SelectObject(buffer.Get(), state.Font);
    SetTextColor(buffer.Get(), state.Text);
    DrawCentredCaption(buffer.Get(), local, DT_CENTER);
    SelectObject(buffer.Get(), oldFont);
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TSkinButton::DrawCentredCaption(HDC dc, const RECT& rect, UINT format) {
  if (const size_t bars = captionText_.find(L"||"); bars != std::wstring::npos)
    captionText_.replace(bars, 2, L"\r\n");
  RECT box = rect;
  InflateRect(&box, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, captionText_, box, format | DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK | DT_EXPANDTABS);
  OffsetRect(&box, -box.left, -box.top);
  const UINT flags = BiDiTextFlags(format | DT_WORDBREAK | DT_EXPANDTABS);
  const int rectWidth = rect.right - rect.left, rectHeight = rect.bottom - rect.top;
  const int down = (rectHeight - (box.bottom - box.top)) / 2 - 1;
  if (format == DT_CENTER) {
    OffsetRect(&box, rect.left + (rectWidth - (box.right - box.left)) / 2, rect.top + down);
  } else {
    OffsetRect(&box, 0, rect.top + down);
    box.left = rect.left;
    box.right = rect.right;
  }
  DrawSkinText(dc, captionText_, box, flags);
  SetBkMode(dc, OPAQUE);
  if (isFocused_ && !HasOption(xoNoFocusRect)) {
    InflateRect(&box, 2, 2);
    DrawFocusRect(dc, &box);
  }
}
