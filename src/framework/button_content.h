#pragma once
#include "framework/button_layout.h"
#include "framework/glyph.h"

#include <windows.h>

#include <functional>
#include <string>

// What a self-drawn button shows on its face: an image and a caption, placed by the layout.
struct TButtonContent {
  SIZE ImageSize{0, 0};                        // 0 x 0: no image
  std::function<void(HDC, POINT)> DrawImage;   // draws the image with its top-left at the point
  std::string Caption;
  HFONT Font = nullptr;
  bool Enabled = true;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
};

// The image of GLYPH for STATE: a disabled button whose strip has no disabled image shows the
// up image in the disabled look.
void SetGlyphImage(TButtonContent& content, const TGlyph& glyph, TGlyphState state);

// Draws the image and the caption in CLIENT (a disabled caption embossed in the system's
// disabled colours); the DC's font and colours are put back.
void DrawButtonContent(HDC dc, const RECT& client, const TButtonContent& content);
