#include "skin/controls/skin_mark_button.h"

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "framework/published.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/memory_dc.h"

#include <algorithm>
#include <cctype>

namespace {

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// Frame states of a mark strip: 1 unchecked, 2 checked, 3 unchecked and disabled, 4 checked and
// disabled (or indeterminate); strips of more frames place them elsewhere.
constexpr int kUnchecked = 1, kChecked = 2, kDisabledStep = 2, kIndeterminate = 4;

}  // namespace

// ---- Shared ----------------------------------------------------------------------------------

void TSkinMarkButton::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  kindVariant_ = 0;
  if (skinnedControl_) {
    kindVariant_ = MarkImage().Empty() ? 0 : 1;
    useParentBackground_ = skinnedControl_->Tag() == kTransparentTag || HasOption(xoTransparent);
  }
}

bool TSkinMarkButton::BeforeMessage(TSkinMessage& message) {
  const bool passOn = TSkinControl::BeforeMessage(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (kindVariant_ == 1) {
        PaintMessage(message);
        return false;
      }
      return passOn;
    case WM_ERASEBKGND:
      if (useParentBackground_) {
        EraseBackground(message);
        return false;
      }
      return passOn;
    default:
      return passOn;
  }
}

void TSkinMarkButton::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinMarkButton::SkinChanged() {
  paintBuffer_.Forget();
  TSkinControl::SkinChanged();
}

void TSkinMarkButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_)
    return;
  const TBitmap& image = MarkImage();
  const int frames = std::max(MarkFrameCount(), 1);
  if (image.Empty() || image.Width() / frames < 1) {
    kindVariant_ = 0;  // the control paints itself from now on
    return;
  }
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width < 1 || height < 1)
    return;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  const int frame = MarkFrame(style);
  if (kindVariant_ == 0) {
    Compose(dc, rect, frame, nullptr);
    return;
  }
  captionText_ = skinnedControl_ ? GetTextProperty(skinnedControl_, "Caption") : GetWindowTextWide(windowHandle_);
  isFocused_ = GetFocus() == windowHandle_;
  const HFONT font = ControlFont();
  if (useParentBackground_) {
    Compose(dc, rect, frame, font);
    return;
  }
  const TPaintState state{width, height, frame, isFocused_, isEnabled_, 0, font, captionText_,
                          static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE)),
                          static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_EXSTYLE))};
  const bool unchanged = paintBuffer_.Holds(state);
  TMemoryDC buffer(paintBuffer_.Picture());
  if (!unchanged)
    Compose(buffer.Get(), {0, 0, width, height}, frame, font);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TSkinMarkButton::Compose(HDC dc, const RECT& rect, int frame, HFONT font) {
  const TBitmap& image = MarkImage();
  const int frames = std::max(MarkFrameCount(), 1);
  const int w = image.Width() / frames, h = image.Height();
  const DWORD style = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  const bool rightToLeft = GetWindowLongA(windowHandle_, GWL_EXSTYLE) & WS_EX_RTLREADING;
  RECT mark{rect.left, rect.top + (rect.bottom - rect.top - h) / 2, rect.left + w, 0};
  RECT text = rect;
  UINT format = rightToLeft ? DT_RTLREADING : 0;
  if (style & BS_LEFTTEXT) {
    mark.right = rect.right - LeftTextInset();
    mark.left = mark.right - w;
    text.right = mark.left - 2;
    format = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  } else {
    text.left = mark.right + 2;
  }
  mark.bottom = mark.top + h;
  if (kindVariant_ == 1 && !useParentBackground_)
    FillFace(dc, rect);
  DrawStretchedFrame(dc, mark, frames, frame, image);
  if (kindVariant_ == 0)
    return;
  HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const COLORREF oldText = SetTextColor(dc, isEnabled_ ? SkinColour(ciButtonText) : GetSysColor(COLOR_BTNSHADOW));
  const COLORREF oldBack = SetBkColor(dc, FaceColour());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT measured = text;
  DrawSkinText(dc, captionText_, measured, format | DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK | DT_EXPANDTABS);
  OffsetRect(&text, 0, ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2);
  if (isFocused_ && !captionText_.empty() && LOBYTE(LOWORD(GetVersion())) != 6)
    DrawTextFocus(dc, format | DT_WORDBREAK | DT_EXPANDTABS, text);
  DrawSkinText(dc, captionText_, text, format | DT_WORDBREAK | DT_EXPANDTABS);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  SelectObject(dc, oldFont);
}

// ---- Check boxes -----------------------------------------------------------------------------

void TSkinCheckBox::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  lastCheck_ = 0;
  TSkinMarkButton::AttachControl(ownerForm, skinData, manageColor, canvas);
}

void TSkinCheckBox::AfterMessage(TSkinMessage& message) {
  if (message.Msg == BM_SETCHECK)
    lastCheck_ = static_cast<int>(message.WParam) + 1;
  TSkinMarkButton::AfterMessage(message);
}

const TBitmap& TSkinCheckBox::MarkImage() const {
  return skinData_->Elements().Buttons.CheckImage;
}

int TSkinCheckBox::MarkFrameCount() const {
  return skinData_->Elements().Buttons.CheckFrameCount;
}

int TSkinCheckBox::MarkFrame(DWORD style) {
  const LRESULT buttonState = SendMessageA(windowHandle_, BM_GETSTATE, 0, 0);
  int state = (buttonState & BST_CHECKED) ? kChecked : kUnchecked;
  bool indeterminate = buttonState & BST_INDETERMINATE;
  if (skinnedControl_) {
    if (FindPublishedProperty(*skinnedControl_, "State")) {
      const std::string name = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "State"));
      if (Contains(name, "uncheck"))
        state = kUnchecked;
      else if (Contains(name, "check"))
        state = kChecked;
      else if (Contains(name, "gray"))
        state = kIndeterminate, indeterminate = true;
    } else if (FindPublishedProperty(*skinnedControl_, "Checked")) {
      state = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "Checked")) == "true" ? kChecked : kUnchecked;
    }
    // A data-aware box shows what it was last told, whatever its own state says.
    if (FindPublishedProperty(*skinnedControl_, "DataField") && lastCheck_ != 0) {
      state = lastCheck_ == 3 ? kIndeterminate : lastCheck_;
      indeterminate = lastCheck_ == 3;
    }
    if (FindPublishedProperty(*skinnedControl_, "DataBinding"))
      state = kUnchecked;
  }
  isEnabled_ = !(style & WS_DISABLED);
  if (!isEnabled_)
    state += kDisabledStep;
  if (indeterminate)
    state = kIndeterminate;
  if (MarkFrameCount() == 12) {
    static constexpr int kTwelve[] = {0, 1, 5, 4, 8, 8, 8};
    state = kTwelve[std::clamp(state, 1, 6)];
    if (indeterminate)
      state = isEnabled_ ? 9 : 12;
  }
  return state;
}

// ---- Radio buttons ---------------------------------------------------------------------------

const TBitmap& TSkinRadioButton::MarkImage() const {
  return skinData_->Elements().Buttons.RadioImage;
}

int TSkinRadioButton::MarkFrameCount() const {
  return skinData_->Elements().Buttons.RadioFrameCount;
}

int TSkinRadioButton::MarkFrame(DWORD style) {
  int state = (SendMessageA(windowHandle_, BM_GETCHECK, 0, 0) & BST_CHECKED) ? kChecked : kUnchecked;
  if (skinnedControl_ && FindPublishedProperty(*skinnedControl_, "Checked"))
    state = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "Checked")) == "true" ? kChecked : kUnchecked;
  isEnabled_ = !(style & WS_DISABLED);
  if (!isEnabled_)
    state += kDisabledStep;
  if (MarkFrameCount() == 8) {
    static constexpr int kEight[] = {0, 1, 5, 4, 8};
    state = kEight[state];
  }
  return state;
}
