#pragma once
// The skin's picture of a scroll bar: arrows, track, thumb and grip in the states of the bar's
// parts, drawn into a bitmap of the bar's size. Shared by the overlay windows and the bar a
// combo box's drop-down list gets painted in place.

#include "framework/colour.h"

#include <windows.h>

class TSkinData;

// Parts of a bar, numbered as the scroll requests that operate them.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = SB_LINEUP,
  spSecondArrow = SB_LINEDOWN,
  spPageBefore = SB_PAGEUP,
  spPageAfter = SB_PAGEDOWN,
  spThumb = SB_THUMBTRACK,
};

struct TScrollBarPicture {
  int Width = 0, Height = 0;     // the picture
  bool Vertical = false;
  int ArrowSize = 0;             // the arrows' length along the axis (halved on a short bar)
  int BarLength = 0;             // the bar's length along the axis
  int ThumbStart = 0;            // the thumb's extent along the axis
  int ThumbEnd = 0;
  int HotPart = -1;              // the part hot or pressed (scroll-request numbers), -1 none
  bool Tracking = false;         // the hot part is pressed
  bool Enabled = true;           // greyed track and no thumb when not
};

// Draws BAR into DC from the skin's Scrollbar strip (which must have a picture), its track
// and thumb elements, on the face colour.
void DrawScrollBarPicture(HDC dc, const TSkinData& skin, TColor face, const TScrollBarPicture& bar);
