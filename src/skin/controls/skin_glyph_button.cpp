#include "skin/controls/skin_glyph_button.h"

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "framework/glyph.h"
#include "framework/image_list.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

namespace {

// The glyph of a face frame: the pressed glyph on the pressed face, the disabled one on the
// disabled face, the up glyph otherwise.
int GlyphForFrame(int frame) {
  return frame == 2 ? 3 : frame == 3 ? 2 : 1;
}

}  // namespace

// ---- Glyph buttons ---------------------------------------------------------------------------

TSkinBitButton::TGlyphSource TSkinBitButton::ReadGlyph(TComponent* control) const {
  TGlyphSource source;
  const bool ownPicture = !glyphPropertyName_.empty();
  auto* glyph = dynamic_cast<TGlyph*>(GetObjectProperty(control, ownPicture ? glyphPropertyName_ : "Glyph", "TGlyph"));
  if (glyph && !glyph->Bitmap().Empty()) {
    source.Strip = &glyph->Bitmap();
    source.Count = ownPicture ? 1 : std::max(GetIntProperty(control, "NumGlyphs"), 1);
    source.Size = {source.Strip->Width() / source.Count, source.Strip->Height()};
    return source;
  }
  auto* images = dynamic_cast<TImageList*>(GetObjectProperty(control, "Images", "TCustomImageList"));
  source.ImageIndex = GetIntProperty(control, "ImageIndex");
  source.DisabledIndex = GetIntProperty(control, "DisabledIndex");
  if (images && source.ImageIndex != -1) {
    source.Images = images->Handle();
    int cx = 0, cy = 0;
    ImageList_GetIconSize(source.Images, &cx, &cy);
    source.Size = {cx, cy};
  }
  return source;
}

void TSkinBitButton::DrawGlyph(HDC dc, const TGlyphSource& glyph, int index, POINT at) const {
  if (glyph.Strip) {
    DrawButtonGlyph(dc, *glyph.Strip, glyph.Count, index, at);
    return;
  }
  if (!glyph.Images)
    return;
  if (index != 2) {
    ImageList_Draw(glyph.Images, glyph.ImageIndex, dc, at.x, at.y, ILD_TRANSPARENT);
    return;
  }
  const int disabled = glyph.DisabledIndex != -1 ? glyph.DisabledIndex : glyph.ImageIndex;
  ImageList_DrawEx(glyph.Images, disabled, dc, at.x, at.y, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNFACE),
                   ILD_TRANSPARENT | ILD_BLEND50);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC buffer, const RECT& rect, TComponent* control, int glyphIndex,
                                         bool centredByAlignment, int autoMarginExtra) {
  const TGlyphSource glyph = ReadGlyph(control);
  const TGlyphSide side = GlyphSideOf(GetEnumPropertyName(control, "Layout"));
  const bool across = side == TGlyphSide::gsLeft || side == TGlyphSide::gsRight;
  const bool centred = centredByAlignment && AsciiLowerCase(GetEnumPropertyName(control, "Alignment")) == "tacenter";
  if (const size_t bars = captionText_.find(L"||"); bars != std::wstring::npos)
    captionText_.replace(bars, 2, L"\r\n");
  RECT box = rect;
  InflateRect(&box, -2, -2);
  if (across)
    box.right -= glyph.Size.cx + 2;
  else
    box.bottom -= glyph.Size.cy + 2;
  SIZE text{};
  if (!captionText_.empty()) {
    RECT measured = box;
    DrawSkinText(buffer, captionText_, measured, DT_CALCRECT | DT_WORDBREAK);
    text = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const SIZE client{rect.right - rect.left, rect.bottom - rect.top};
  const TGlyphPlacement at = PlaceGlyphAndText(client, glyph.Size, text, GetIntProperty(control, "Margin"),
                                               GetIntProperty(control, "Spacing"), side, centred, autoMarginExtra);
  if (glyph.Size.cx > 0 && glyph.Size.cy > 0)
    DrawGlyph(buffer, glyph, glyphIndex, at.Glyph);
  if (captionText_.empty())
    return;
  UINT format = DT_WORDBREAK | (side == TGlyphSide::gsRight ? DT_RIGHT : across ? 0 : DT_CENTER);
  if (glyphPropertyName_.empty())
    format = BiDiTextFlags(format);
  RECT where{at.Text.x, at.Text.y, at.Text.x + text.cx, at.Text.y + text.cy};
  SetBkMode(buffer, TRANSPARENT);
  DrawSkinText(buffer, captionText_, where, format);
  SetBkMode(buffer, OPAQUE);
  if (isFocused_ && !HasOption(xoNoFocusRect)) {
    InflateRect(&where, 2, 2);
    DrawFocusRect(buffer, &where);
  }
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_ || skinData_->Elements().Buttons.Image.Empty())
    return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width < 1 || height < 1)
    return;
  // The glyph may change without anything else changing: composed afresh every time.
  paintBuffer_.Forget();
  const int frame = PrepareFrame(glyphPropertyName_.empty());
  paintBuffer_.Holds({width, height, frame});
  TMemoryDC buffer(paintBuffer_.Picture());
  const RECT local{0, 0, width, height};
  HGDIOBJ oldFont = SelectObject(buffer.Get(), ControlFont());
  PaintFace(buffer.Get(), local, frame);
  SetTextColor(buffer.Get(), TextColour(frame, SkinColour(ciButtonText)));
  DrawGlyphAndCaption(buffer.Get(), local, Owner(), GlyphForFrame(frame), true, 0);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
  SelectObject(buffer.Get(), oldFont);
}

// ---- Drop-down menu buttons ------------------------------------------------------------------

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_ || skinData_->Elements().Buttons.Image.Empty())
    return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width < 1 || height < 1)
    return;
  PrepareFrame(false);
  // A menu button lights up while it has the focus, as when the mouse is over it.
  int frame = 1;
  if (mouseState_ & mbPressed)
    frame = 2;
  else if (isFocused_ || (mouseState_ & mbHover))
    frame = 4;
  if (!isEnabled_)
    frame = 3;
  paintBuffer_.Forget();
  paintBuffer_.Holds({width, height, frame});
  TMemoryDC buffer(paintBuffer_.Picture());
  HDC canvas = buffer.Get();
  const RECT local{0, 0, width, height};
  HGDIOBJ oldFont = SelectObject(canvas, ControlFont());
  PaintFace(canvas, local, frame);

  constexpr int kArrowWidth = 8;
  auto* glyph = dynamic_cast<TGlyph*>(GetObjectProperty(Owner(), "Glyph", "TGlyph"));
  const TBitmap* strip = glyph && !glyph->Bitmap().Empty() ? &glyph->Bitmap() : nullptr;
  const SIZE glyphSize = strip ? SIZE{strip->Width(), strip->Height()} : SIZE{};
  int margin = GetIntProperty(Owner(), "Margin"), spacing = GetIntProperty(Owner(), "Spacing");
  if (const size_t bars = captionText_.find(L"||"); bars != std::wstring::npos)
    captionText_.replace(bars, 2, L"\r\n");
  RECT measured{0, 0, width - glyphSize.cx - kArrowWidth, height};
  InflateRect(&measured, -2, -2);
  SIZE text{};
  if (!captionText_.empty()) {
    DrawSkinText(canvas, captionText_, measured, DT_CALCRECT | DT_WORDBREAK);
    text = {measured.right - measured.left, measured.bottom - measured.top};
  }
  if (margin == -1 && spacing == -1) {
    margin = (width - (glyphSize.cx + text.cx + kArrowWidth)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (width - (glyphSize.cx + text.cx + 2 * spacing + kArrowWidth)) / 2;
  } else if (spacing == -1) {
    spacing = ((width + kArrowWidth - 2 * margin - glyphSize.cx) - text.cx) / 2;
  }
  if (strip)
    DrawButtonGlyph(canvas, *strip, 1, 1, {margin, (height - glyphSize.cy) / 2});

  const COLORREF textColour = FrameTextColour(frame, SkinColour(ciButtonText));
  const COLORREF arrowColour = GetSysColor(isEnabled_ ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);

  const int textX = margin + glyphSize.cx + spacing, textY = (height - text.cy + 1) / 2;
  const int arrowX = textX + 2 * spacing + text.cx, arrowY = (height - 3) / 2;
  HPEN pen = CreatePen(PS_SOLID, 1, arrowColour);
  HBRUSH brush = CreateSolidBrush(arrowColour);
  HGDIOBJ oldPen = SelectObject(canvas, pen), oldBrush = SelectObject(canvas, brush);
  const POINT arrow[] = {{arrowX, arrowY + 2}, {arrowX - 3, arrowY - 1}, {arrowX + 3, arrowY - 1}};
  Polygon(canvas, arrow, 3);
  SelectObject(canvas, oldBrush);
  SelectObject(canvas, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);

  if (!captionText_.empty()) {
    RECT where{textX, textY, textX + text.cx, textY + text.cy};
    SetTextColor(canvas, textColour);
    SetBkMode(canvas, TRANSPARENT);
    DrawSkinText(canvas, captionText_, where, DT_WORDBREAK);
    SetBkMode(canvas, OPAQUE);
    if (isFocused_ && !HasOption(xoNoFocusRect)) {
      InflateRect(&where, 2, 2);
      DrawFocusRect(canvas, &where);
    }
  }
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
  SelectObject(canvas, oldFont);
}
