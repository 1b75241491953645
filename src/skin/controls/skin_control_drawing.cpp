// The drawing routines every kind of control skinner shares.
#include "skin/controls/skin_control.h"

#include "framework/control.h"
#include "framework/graphic_control.h"
#include "framework/published.h"
#include "skin/model/element_drawing.h"
#include "skin/data/skin_text.h"

#include <algorithm>

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

void TSkinControl::DrawCaptionText(HDC dc, const RECT& rect, UINT format, bool enabled, const std::wstring& text) const {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT box = rect;
  DrawSkinText(dc, text, box, format | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = box.right - box.left, textHeight = box.bottom - box.top;
  box = {rect.left, rect.top, rect.left + textWidth, rect.top + textHeight};
  OffsetRect(&box, 0, (rect.bottom - rect.top - textHeight) / 2 - 1);
  if (format == DT_CENTER) {
    OffsetRect(&box, (rect.right - rect.left - textWidth) / 2, 0);
  } else {
    box.left = rect.left;
    box.right = rect.right;
  }
  const COLORREF oldColour = enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawSkinText(dc, text, box, BiDiTextFlags(format | DT_EXPANDTABS));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void TSkinControl::DrawIconAndText(HDC dc, const RECT& rect, int alignment, const std::wstring& text, int image,
                                   HIMAGELIST images, UINT textFormat) const {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int cx = 0, cy = 0;
  if (images)
    ImageList_GetIconSize(images, &cx, &cy);
  const bool useIcon = image != -1 && images && cx < width;
  if (!useIcon)
    cx = 0;
  RECT box{};
  if (!text.empty()) {
    box = rect;
    if (useIcon)
      box.right += cx + 2;
    DrawSkinText(dc, text, box, DT_CALCRECT | DT_NOCLIP | textFormat);
  }
  const int textWidth = box.right - box.left, textHeight = box.bottom - box.top;
  int x = 3;
  if (alignment == 1)
    x = (width - textWidth - cx) / 2;
  else if (alignment == 2)
    x = width - textWidth - cx - 2;
  if (x < 2)
    x = 1;
  if (useIcon)
    ImageList_Draw(images, image, dc, rect.left + x, rect.top + (height - cx) / 2, ILD_TRANSPARENT);
  if (text.empty())
    return;
  box = {rect.left + x + cx, rect.top + (height - textHeight) / 2, rect.left + x + cx + textWidth,
         rect.top + (height - textHeight) / 2 + textHeight};
  box.left = std::max(box.left, rect.left);
  box.right = std::min(box.right, rect.right);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = isEnabled_ ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawSkinText(dc, text, box, BiDiTextFlags(textFormat));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

HFONT TSkinControl::ControlFont() const {
  if (skinnedControl_)
    if (HFONT font = skinnedControl_->FontHandle())
      return font;
  return reinterpret_cast<HFONT>(SendMessageA(windowHandle_, WM_GETFONT, 0, 0));
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
