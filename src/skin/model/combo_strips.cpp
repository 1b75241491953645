#include "skin/model/combo_strips.h"

#include "skin/model/bitmap_pieces.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <algorithm>

namespace {

constexpr int kComboStyle = 2;  // ComboButton holds the composite strip

// Width of the drop-down button: the system's scroll-arrow width and a two-pixel edge.
int ButtonWidth() { return GetSystemMetrics(SM_CXHSCROLL) + 2; }

void FillRectWith(HDC dc, const RECT& rect, TColour colour) {
  UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
  FillRect(dc, &rect, brush.Get());
}

// Frame k: the sunken edge over the whole box, the button and its glyph at the right, and the
// text area keyed out so that the box's own background shows through.
void DrawComboFrame(HDC dc, const TSkinElementTable& e, int k, int buttonWidth) {
  const RECT box{0, 0, kComboFrameWidth, kComboFrameHeight};
  const RECT button{kComboFrameWidth - buttonWidth, 0, kComboFrameWidth, kComboFrameHeight};
  FillRectWith(dc, box, kColourKey);
  const TDataSkinObject& edge = *e.SunkEdge;
  DrawSkinElement(dc, box, edge.Image, false, false, edge.Trans != 0, edge.FrameCount, k, edge.Margins);
  const TDataSkinBorder& combo = *e.ComboButton;
  DrawSkinElement(dc, button, combo.Image, false, false, true, combo.FrameCount, k, combo.Margins);
  if (e.ExtraImages)
    DrawSkinGlyph(dc, button, e.ExtraImages->Image, true, e.ExtraImages->FrameCount, k);
  FillRectWith(dc, RECT{2, 2, kComboFrameWidth - 1 - buttonWidth, kComboFrameHeight - 3}, kColourKey);
}

}  // namespace

void BuildComboStrips(TSkinElementTable& e) {
  if (!e.SunkEdge || !e.ComboButton)
    return;
  const int frames = std::max(e.SunkEdge->FrameCount, 1);
  const int b = ButtonWidth();
  TBitmap strip(kComboFrameWidth * frames, kComboFrameHeight, 24);
  TBitmap work(kComboFrameWidth, kComboFrameHeight, 24);
  {
    TMemoryDC to(strip.Handle());
    TMemoryDC from(work.Handle());
    for (int k = 1; k <= frames; ++k) {
      DrawComboFrame(from.Get(), e, k, b);
      BitBlt(to.Get(), kComboFrameWidth * (k - 1), 0, kComboFrameWidth, kComboFrameHeight, from.Get(), 0, 0,
             SRCCOPY);
    }
    GdiFlush();
  }
  TDataSkinBorder& combo = *e.ComboButton;
  combo.Style = kComboStyle;
  combo.Margins = e.SunkEdge->Margins;
  combo.Margins.Left = 2;
  combo.Margins.Right = b + 2;
  TBitmap mirrored = strip.Clone();
  combo.Image = std::move(strip);
  MirrorBitmap(mirrored);
  e.SunkEdge->Image = std::move(mirrored);
  e.SunkEdge->Margins.Left = b + 2;
  e.SunkEdge->Margins.Right = 2;
}

void BuildComboArrow(TSkinElementTable& e, const TSkinColours& colours) {
  if (!e.ComboxArrow)
    e.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *e.ComboxArrow;
  // A previous skin's arrows must not outlive it.
  arrow.Image.Clear();
  if (!e.SunkEdge) {
    if (e.ComboButton) {
      arrow.Image = e.ComboButton->Image.Clone();
      ReplaceKeyColour(arrow.Image, colours.Colours[ciButtonFace]);
      arrow.FrameCount = e.ComboButton->FrameCount;
    }
    return;
  }
  if (!e.ComboButton || e.ComboButton->Style != kComboStyle)
    return;
  const int frames = std::max(e.SunkEdge->FrameCount, 1);
  const TBitmap& composite = e.ComboButton->Image;
  const int w = composite.Width() / frames;
  arrow.Image.SetSize(kComboArrowSize * frames, kComboArrowSize, 24);
  {
    TMemoryDC from(composite.Handle());
    TMemoryDC to(arrow.Image.Handle());
    for (int i = 0; i < frames; ++i)
      BitBlt(to.Get(), kComboArrowSize * i, 0, kComboArrowSize, kComboArrowSize, from.Get(), (i + 1) * w - 19, 2,
             SRCCOPY);
    GdiFlush();
  }
  arrow.FrameCount = frames;
}
