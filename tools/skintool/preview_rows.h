#pragma once
// Which pictures of a loaded skin the preview sheet shows, and with which drawing routine each
// is drawn, the way the frame and control painters draw them.

#include "skin/model/skin_element_table.h"

#include <string>
#include <vector>

enum class TDrawKind {
  NineSlice,       // DrawSkinElement: corners kept, edges and middle stretched or tiled
  TiledBar,        // DrawTiledBar: left and right parts, middle repeated
  StretchedFrame,  // DrawSkinFrame: one frame over the whole rectangle
  Glyph,           // DrawSkinGlyph: one frame unscaled, centred
  ThreeSlice,      // DrawThreeSliceBar: single-frame bar
};

// One row of the sheet: one picture of one element, with the settings it is drawn with.
struct TPreviewRow {
  std::string Label;       // the element, or element.picture for its further pictures
  const TBitmap* Picture;  // the strip drawn, never empty; owned by the element table
  int FrameCount;          // frames in Picture, at least 1
  TDrawKind Kind;          // the routine that draws it
  bool Vertical;           // frames stacked
  bool Tile;               // middle tiled (nine-slice only)
  bool Transparent;        // magenta left out
  TMargins Margins;        // nine-slice or bar edges
};

struct TPreviewCatalogue {
  std::vector<TPreviewRow> Rows;     // in the order of the element table
  std::vector<std::string> Missing;  // elements the skin does not provide, or without picture
};

TPreviewCatalogue CataloguePreviewRows(const TSkinElementTable& elements);
