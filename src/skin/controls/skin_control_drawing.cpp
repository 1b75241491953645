// The drawing routines every kind of control skinner shares.
#include "skin/controls/skin_control.h"

#include "framework/control.h"
#include "framework/graphic_control.h"
#include "framework/published.h"
#include "skin/model/element_drawing.h"
#include "skin/data/skin_text.h"

void TSkinControl::FillColor(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  FillColor(dc, rect, FaceColour());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  TWinControl* parent = skinnedControl_   ? skinnedControl_->Parent()
                        : graphicControl_ ? graphicControl_->Parent()
                                          : nullptr;
  if (parent) {
    const TPublishedProperty* colour = FindPublishedProperty(*parent, "Color");
    if (colour && colour->Kind == TPropertyKind::pkInteger) {
      FillColor(dc, rect, ColorToRGB(static_cast<TColor>(GetIntegerProperty(*parent, "Color"))));
      return;
    }
  }
  FillFace(dc, rect);
}

void TSkinControl::DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& element) {
  DrawSkinElement(dc, rect, element.Image, false, element.Tile != 0, element.Trans == 1, frameCount, frameIndex,
                  element.Margins);
}

void TSkinControl::DrawStretchedFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TBitmap& strip) {
  DrawSkinFrame(dc, rect, strip, true, frameCount, frameIndex);
}

void TSkinControl::DrawTextFocus(HDC dc, UINT format, const RECT& rect) {
  RECT text = rect;
  DrawSkinText(dc, captionText_, text, format | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = text.right - text.left, textHeight = text.bottom - text.top;
  if (format & DT_CENTER)
    OffsetRect(&text, (rect.right - rect.left - textWidth) / 2, (rect.bottom - rect.top - textHeight) / 2 - 1);
  else if (format & DT_RIGHT)
    OffsetRect(&text, rect.right - rect.left - textWidth, 0);
  InflateRect(&text, 2, 1);
  IntersectRect(&text, &text, &rect);
  DrawFocusRect(dc, &text);
}

// A windowless control reads the way its parent's window does.
UINT TSkinControl::BiDiTextFlags(UINT format) const {
  HWND window = windowHandle_;
  if (!window && graphicControl_ && graphicControl_->Parent() && graphicControl_->Parent()->HandleAllocated())
    window = graphicControl_->Parent()->Handle();
  if (window && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_RTLREADING))
    return format | DT_RTLREADING;
  return format;
}
