#pragma once
#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"

#include <windows.h>

#include <functional>
#include <string>

// Which image of a glyph strip a button shows, by the image's place in the strip.
enum class TGlyphState { gsUp = 0, gsDisabled = 1, gsPressed = 2, gsDown = 3 };

// A button's picture: a bitmap strip of one to four equal images side by side (up, disabled,
// pressed, down). A component, so that a skinner reads a button's "Glyph" by name like any
// other object. The strip's bottom-left pixel gives the colour drawn transparent.
class TGlyph : public TComponent {
public:
  explicit TGlyph(TComponent* owner) : TComponent(owner) {}
  const char* ClassName() const override { return "TGlyph"; }

  const TBitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap bitmap);
  // A BMP file image; EInvalidGraphic leaves the old picture.
  void LoadFromBytes(const std::string& bytes);
  // Copies another glyph's picture; null clears.
  void Assign(const TGlyph* source);
  bool Empty() const { return bitmap_.Empty(); }

  int NumGlyphs() const { return numGlyphs_; }
  // Taken within 1..4.
  void SetNumGlyphs(int count);
  // The size of one image of the strip; 0 x 0 when empty.
  SIZE ImageSize() const;
  // The image shown for STATE: its own when the strip has it, the up image otherwise.
  int ImageFor(TGlyphState state) const;
  // Draws image INDEX with its top-left at (x, y), the transparent colour left out.
  void Draw(HDC dc, int x, int y, int index) const;
  // Draws the up image's shape in the system's disabled look (shadow with a light emboss), for
  // a strip that has no disabled image.
  void DrawDisabled(HDC dc, int x, int y) const;

  // Fired after the picture or the image count changed.
  std::function<void()> OnChange;

private:
  void Changed();

  TBitmap bitmap_;     // the strip
  int numGlyphs_ = 1;  // images in the strip
};
