#include "skin/model/combo_strips.h"

#include "skin/model/bitmap_pieces.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr int kComboStyle = 2;  // ComboButton holds the composite strip

// Width of the drop-down button: the system's scroll-arrow width and a two-pixel edge.
int ButtonWidth() { return GetSystemMetrics(SM_CXHSCROLL) + 2; }

// A scratch bitmap that pieces are drawn on by the drawing code before their pixels are
// copied, with one device for it and one for each picture: made once for all the frames,
// since under Wine creating and releasing bitmaps and devices costs far more than the pixels.
class TPieceDrawer {
public:
  TPieceDrawer(int width, int height) : scratch_(width, height, 24), dc_(scratch_.Handle()) {}

  // Frame k of the picture held by from, as a nine-slice of width x height at the scratch
  // bitmap's top-left; false when there is nothing to draw.
  bool Draw(HDC from, const TBitmap& picture, int width, int height, const TMargins& margins,
            int frameCount, int k) {
    // Like a new bitmap, the area is black where no piece of the picture lands.
    for (int y = 0; y < height; ++y)
      std::memset(scratch_.ScanLine(y), 0, 3 * static_cast<size_t>(width));
    return DrawSkinElementPieces(dc_.Get(), width, height, from, picture, margins, false, false,
                                 frameCount, k);
  }

  const TBitmap& Scratch() const { return scratch_; }

private:
  TBitmap scratch_;
  TMemoryDC dc_;
};

// One frame of the composite strip: its pixels, kComboFrameWidth x kComboFrameHeight from
// column left of the strip.
class TStripFrame {
public:
  TStripFrame(TBitmap& strip, int left) : strip_(strip), left_(left) {}

  void Fill(const RECT& r, TColour colour) {
    const uint8_t bgr[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
    const RECT c = Clipped(r);
    for (int y = c.top; y < c.bottom; ++y) {
      uint8_t* p = strip_.ScanLine(y) + 3 * (left_ + c.left);
      for (int x = c.left; x < c.right; ++x, p += 3)
        std::memcpy(p, bgr, 3);
    }
  }

  // The top-left width x height of a 24-bit picture, with its top-left at (x, y); with
  // transparent set, its colour-key pixels leave the frame as it was. Cut at the frame's edges.
  void Put(const TBitmap& picture, int width, int height, int x, int y, bool transparent) {
    const RECT c = Clipped(RECT{x, y, x + width, y + height});
    const uint8_t key[3] = {BlueOf(kColourKey), GreenOf(kColourKey), RedOf(kColourKey)};
    for (int row = c.top; row < c.bottom; ++row) {
      const uint8_t* from = picture.ScanLine(row - y) + 3 * (c.left - x);
      uint8_t* to = strip_.ScanLine(row) + 3 * (left_ + c.left);
      for (int col = c.left; col < c.right; ++col, from += 3, to += 3)
        if (!transparent || std::memcmp(from, key, 3) != 0)
          std::memcpy(to, from, 3);
    }
  }

private:
  static uint8_t RedOf(TColour c) { return static_cast<uint8_t>(c & 0xFF); }
  static uint8_t GreenOf(TColour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
  static uint8_t BlueOf(TColour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

  static RECT Clipped(const RECT& r) {
    return RECT{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0),
                std::min<LONG>(r.right, kComboFrameWidth), std::min<LONG>(r.bottom, kComboFrameHeight)};
  }

  TBitmap& strip_;
  int left_;
};

// The pictures of the composite strip, each selected into a device of its own.
class TComboPictures {
public:
  explicit TComboPictures(const TSkinElementTable& e)
      : edge_(*e.SunkEdge), combo_(*e.ComboButton), glyphs_(e.ExtraImages.get()) {
    if (!edge_.Image.Empty())
      edgeDc_.emplace(edge_.Image.Handle());
    if (!combo_.Image.Empty())
      comboDc_.emplace(combo_.Image.Handle());
    if (glyphs_ && !glyphs_->Image.Empty()) {
      glyphWidth_ = glyphs_->Image.Width() / std::max(glyphs_->FrameCount, 1);
      glyphHeight_ = glyphs_->Image.Height();
      if (glyphWidth_ > 0)
        glyphDc_.emplace(glyphs_->Image.Handle());
    }
  }

  // Frame k: the sunken edge over the whole box, the button and its glyph (one frame of the
  // strip, unscaled, centred on the button) at the right, and the text area keyed out so that
  // the box's own background shows through.
  void Compose(TStripFrame frame, TPieceDrawer& drawer, int k, int buttonWidth) const {
    const int buttonLeft = kComboFrameWidth - buttonWidth;
    frame.Fill(RECT{0, 0, kComboFrameWidth, kComboFrameHeight}, kColourKey);
    if (edgeDc_ && drawer.Draw(edgeDc_->Get(), edge_.Image, kComboFrameWidth, kComboFrameHeight,
                               edge_.Margins, edge_.FrameCount, k))
      frame.Put(drawer.Scratch(), kComboFrameWidth, kComboFrameHeight, 0, 0, edge_.Trans != 0);
    if (comboDc_ && drawer.Draw(comboDc_->Get(), combo_.Image, buttonWidth, kComboFrameHeight,
                                combo_.Margins, combo_.FrameCount, k))
      frame.Put(drawer.Scratch(), buttonWidth, kComboFrameHeight, buttonLeft, 0, true);
    if (glyphDc_ && drawer.Draw(glyphDc_->Get(), glyphs_->Image, glyphWidth_, glyphHeight_, {},
                                glyphs_->FrameCount, k)) {
      // Integer division truncates toward zero: an oversized glyph overhangs both sides equally.
      frame.Put(drawer.Scratch(), glyphWidth_, glyphHeight_, buttonLeft + (buttonWidth - glyphWidth_) / 2,
                (kComboFrameHeight - glyphHeight_) / 2, true);
    }
    frame.Fill(RECT{2, 2, kComboFrameWidth - 1 - buttonWidth, kComboFrameHeight - 3}, kColourKey);
  }

  // Size a scratch bitmap needs for every piece.
  int MaxWidth() const { return std::max(kComboFrameWidth, glyphWidth_); }
  int MaxHeight() const { return std::max(kComboFrameHeight, glyphHeight_); }

private:
  const TDataSkinObject& edge_;
  const TDataSkinBorder& combo_;
  const TDataSkinObject* glyphs_;
  int glyphWidth_ = 0, glyphHeight_ = 0;
  std::optional<TMemoryDC> edgeDc_, comboDc_, glyphDc_;
};

}  // namespace

void BuildComboStrips(TSkinElementTable& e) {
  if (!e.SunkEdge || !e.ComboButton)
    return;
  const int frames = std::max(e.SunkEdge->FrameCount, 1);
  const int b = ButtonWidth();
  TBitmap strip(kComboFrameWidth * frames, kComboFrameHeight, 24);
  {
    const TComboPictures pictures(e);
    TPieceDrawer drawer(pictures.MaxWidth(), pictures.MaxHeight());
    for (int k = 1; k <= frames; ++k)
      pictures.Compose(TStripFrame(strip, kComboFrameWidth * (k - 1)), drawer, k, b);
  }
  TDataSkinBorder& combo = *e.ComboButton;
  combo.Style = kComboStyle;
  combo.Margins = e.SunkEdge->Margins;
  combo.Margins.Left = 2;
  combo.Margins.Right = b + 2;
  e.SunkEdge->Image = Mirrored(strip, 24);
  combo.Image = std::move(strip);
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
  for (int i = 0; i < frames; ++i) {
    const int left = (i + 1) * w - 19;
    CopyPixels(composite, RECT{left, 2, left + kComboArrowSize, 2 + kComboArrowSize}, arrow.Image,
               kComboArrowSize * i, 0);
  }
  arrow.FrameCount = frames;
}
