#pragma once
// Push buttons with a glyph: one with a glyph strip or an image list beside its caption, and a
// drop-down menu button with a glyph, its caption and an arrow. Both wear the skin's Buttons
// element like a plain button.

#include "skin/controls/glyph_layout.h"
#include "skin/controls/skin_button.h"

#include <commctrl.h>

#include <string>

class TSkinBitButton : public TSkinButton {
public:
  using TSkinButton::TSkinButton;
  const char* ClassName() const override { return "TSkinBitButton"; }

  // The glyph is the picture of this property instead of "Glyph" ("" for "Glyph").
  void SetGlyphPropertyName(const std::string& name) { glyphPropertyName_ = name; }

protected:
  void DrawControl(HDC dc, const RECT& rect) override;

  // What a glyph button shows besides its face.
  struct TGlyphSource {
    const TBitmap* Strip = nullptr;  // the glyph strip, or null
    int Count = 1;                   // glyphs in the strip
    HIMAGELIST Images = nullptr;     // an image list used when there is no strip
    int ImageIndex = -1, DisabledIndex = -1;
    SIZE Size{};                     // one glyph's size; 0 x 0 without a glyph
  };
  TGlyphSource ReadGlyph(TComponent* control) const;
  // The glyph of index INDEX (1 up, 2 disabled, 3 pressed, 4 down) drawn at AT.
  void DrawGlyph(HDC dc, const TGlyphSource& glyph, int index, POINT at) const;
  // Glyph and caption in BUFFER as the layout properties of CONTROL place them.
  void DrawGlyphAndCaption(HDC buffer, const RECT& rect, TComponent* control, int glyphIndex, bool centredByAlignment,
                           int autoMarginExtra);

  std::string glyphPropertyName_;
};

class TSkinMenuButton : public TSkinButton {
public:
  using TSkinButton::TSkinButton;
  const char* ClassName() const override { return "TSkinMenuButton"; }

protected:
  void DrawControl(HDC dc, const RECT& rect) override;
};
