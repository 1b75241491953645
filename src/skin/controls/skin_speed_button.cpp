#include "skin/controls/skin_speed_button.h"

#include "framework/graphic_control.h"
#include "skin/data/skin_data.h"
#include "skin/model/memory_dc.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsTrue(const std::string& valueName) {
  return valueName == "True" || valueName == "true" || valueName == "TRUE";
}

}  // namespace

void TSkinSpeedButton::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool, HDC canvas) {
  auto* control = dynamic_cast<TGraphicControl*>(Owner());
  if (!control || isAttached_)
    return;
  skinData_ = skinData;
  drawCanvas_ = canvas;
  ownerForm_ = ownerForm;
  graphicControl_ = control;
  HookControl();
  if (ownerForm_)
    ownerForm_->RegisterControlSkinner(this);
  useParentBackground_ = control->Tag() == kTransparentTag || HasOption(xoTransparent);
  isAttached_ = true;
  lifeState_ = lsAttached;
  control->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam && graphicControl_)
        PaintButton(reinterpret_cast<HDC>(message.WParam), {0, 0, graphicControl_->Width(), graphicControl_->Height()});
      message.Result = 1;
      return false;
    // The control tracks the press itself; the skinner only shows it.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOriginal(message);
      mouseState_ |= mbPressed;
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      return true;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case CM_CONTROLDESTROYING:
      Unhook();
      graphicControl_ = nullptr;
      lifeState_ = lsWindowGone;
      break;
    case WM_LBUTTONUP:
      mouseState_ &= ~mbPressed;
      PaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
      mouseState_ |= mbHover;
      PaintWindow(nullptr);
      break;
    case CM_MOUSELEAVE:
      mouseState_ &= ~(mbHover | mbPressed);
      if (graphicControl_ && graphicControl_->Visible())
        PaintWindow(nullptr);
      break;
    default:
      break;
  }
}

void TSkinSpeedButton::PaintWindow(HDC) {
  if (!graphicControl_)
    return;
  TGraphicControlDC dc(*graphicControl_);
  if (dc)
    PaintButton(dc.Get(), {0, 0, graphicControl_->Width(), graphicControl_->Height()});
}

void TSkinSpeedButton::PaintButton(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (isPainting_ || !skinData_ || !graphicControl_ || skinData_->Elements().Buttons.Image.Empty() ||
      !IsTrue(GetEnumPropertyName(graphicControl_, "Visible")) || width < 1 || height < 1)
    return;
  isPainting_ = true;
  const bool down = IsTrue(GetEnumPropertyName(graphicControl_, "Down"));
  isEnabled_ = IsTrue(GetEnumPropertyName(graphicControl_, "Enabled"));
  const int mouseFrame = (mouseState_ & mbPressed) ? kPressedFrame : (mouseState_ & mbHover) ? kHotFrame : kNormalFrame;
  const int frame = down ? kPressedFrame : !isEnabled_ ? kDisabledFrame : mouseFrame;
  int glyphIndex = frame == kPressedFrame ? 3 : frame == kDisabledFrame ? 2 : 1;
  if (down)
    glyphIndex = 4;
  captionText_ = GetTextProperty(graphicControl_, "Caption");

  paintBuffer_.Forget();
  paintBuffer_.Holds({width, height, frame});
  TMemoryDC buffer(paintBuffer_.Picture());
  HDC canvas = buffer.Get();
  const RECT local{0, 0, width, height};
  HGDIOBJ oldFont = SelectObject(canvas, graphicControl_->FontHandle() ? static_cast<HGDIOBJ>(graphicControl_->FontHandle())
                                                                        : GetStockObject(DEFAULT_GUI_FONT));
  // A windowless button's background is its parent's colour.
  if (useParentBackground_)
    FillParentColor(canvas, local);
  else
    FillFace(canvas, local);
  const bool flat = IsTrue(GetEnumPropertyName(graphicControl_, "Flat"));
  if (frame == kPressedFrame || frame == kHotFrame || !flat) {
    const TDataSkinButton& buttons = skinData_->Elements().Buttons;
    DrawElementFrame(canvas, local, buttons.FrameCount, frame, buttons);
  }
  SetTextColor(canvas, FrameTextColour(frame, SkinColour(ciButtonText)));
  if (ReadGlyph(graphicControl_).Size.cx > 0)
    DrawGlyphAndCaption(canvas, local, graphicControl_, glyphIndex, false, 1);
  else
    DrawCentredCaption(canvas, local, DT_CENTER);
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
  SelectObject(canvas, oldFont);
  isPainting_ = false;
}
