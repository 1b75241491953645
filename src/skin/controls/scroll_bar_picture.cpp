#include "skin/controls/scroll_bar_picture.h"

#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"

namespace {

// Frames of the Scrollbar strip: arrows (+1 pressed, +3 hot) and thumb grips (+1, +2).
constexpr int kStripFrames = 23;
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kHorzGrip = 17, kVertGrip = 20;
// Frames of the track and the thumb.
constexpr int kTrackFrames = 4, kTrackEnabled = 1, kTrackDisabled = 3;
constexpr int kThumbNormal = 1, kThumbDragging = 2, kThumbHot = 3;

}  // namespace

void DrawScrollBarPicture(HDC dc, const TSkinData& skin, TColor face, const TScrollBarPicture& bar) {
  const int width = bar.Width, height = bar.Height;
  const bool enabled = bar.Enabled, vertical = bar.Vertical, tracking = bar.Tracking;
  const int hotPart = bar.HotPart, barLength = bar.BarLength, thumbStart = bar.ThumbStart, thumbEnd = bar.ThumbEnd;
  const TSkinElementTable& elements = skin.Elements();
  const TDataSkinObject& strip = *elements.Scrollbar;
  const RECT all{0, 0, width, height};
  TSkinControl::FillColor(dc, all, face);
  int arrow = bar.ArrowSize;
  const bool shortBar = barLength < 2 * arrow;
  if (shortBar)
    arrow = barLength / 2;
  // The track between the arrows; a bar too short for both arrows has none.
  if (const TDataSkinObject* track = (vertical ? elements.VertScroll : elements.HorzScroll).get();
      track && !track->Image.Empty() && !shortBar) {
    const RECT r = vertical ? RECT{0, arrow, width, height - arrow} : RECT{arrow, 0, width - arrow, height};
    DrawSkinElement(dc, r, track->Image, false, track->Tile != 0, track->Trans != 0, kTrackFrames,
                    enabled ? kTrackEnabled : kTrackDisabled, track->Margins);
  }
  const auto arrowFrame = [&](int part, int frame) {
    if (hotPart != part)
      return frame;
    return frame + (tracking ? 1 : 3);
  };
  if (vertical) {
    TSkinControl::DrawStretchedFrame(dc, {0, 0, width, arrow}, kStripFrames, arrowFrame(spFirstArrow, kUpArrow), strip.Image);
    TSkinControl::DrawStretchedFrame(dc, {0, height - arrow, width, height}, kStripFrames,
                                     arrowFrame(spSecondArrow, kDownArrow), strip.Image);
  } else {
    TSkinControl::DrawStretchedFrame(dc, {0, 0, arrow, height}, kStripFrames, arrowFrame(spFirstArrow, kLeftArrow), strip.Image);
    TSkinControl::DrawStretchedFrame(dc, {width - arrow, 0, width, height}, kStripFrames,
                                     arrowFrame(spSecondArrow, kRightArrow), strip.Image);
  }
  const int length = vertical ? height : width;
  const int cross = vertical ? width : height;
  const int thumb = thumbEnd - thumbStart;
  if (!enabled || thumb <= 0 || thumbStart < 0 || thumbEnd > length)
    return;
  const bool thumbHot = hotPart == spThumb;
  if (const TDataSkinObject* element = (vertical ? elements.VertScrollThumb : elements.HorzScrollThumb).get();
      element && !element->Image.Empty()) {
    const int frame = thumbHot ? (tracking ? kThumbDragging : kThumbHot) : kThumbNormal;
    const RECT r = vertical ? RECT{0, thumbStart, cross, thumbEnd} : RECT{thumbStart, 0, thumbEnd, cross};
    DrawSkinElement(dc, r, element->Image, false, false, element->Trans != 0, element->FrameCount, frame,
                    element->Margins);
  }
  // The grip sits centred on a thumb long enough to show it whole.
  const int grip = strip.Image.Height();
  if (grip < thumb + 2) {
    const int at = thumbStart + (thumb - grip) / 2;
    const int frame = (vertical ? kVertGrip : kHorzGrip) + (thumbHot ? (tracking ? 1 : 2) : 0);
    const RECT r = vertical ? RECT{0, at, cross, at + grip} : RECT{at, 0, at + grip, cross};
    TSkinControl::DrawStretchedFrame(dc, r, kStripFrames, frame, strip.Image);
  }
}
