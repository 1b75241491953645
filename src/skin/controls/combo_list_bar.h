#pragma once
// The vertical scroll bar of a combo box's drop-down list, painted in place into the list's
// non-client area, with its own thumb-drag loop (the list is a pop-up the overlays cannot lie
// over). Arrow and page clicks stay the system's.

#include "skin/controls/skin_control.h"
#include "skin/model/scratch_bitmap.h"

// The list position for a thumb dragged OFFSET pixels from the track's start: TRACK long,
// THUMB long, over the scroll information INFO.
int DraggedListPosition(int offset, int track, int thumb, const SCROLLINFO& info);

class TComboxScrollBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TComboxScrollBar"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Drags the thumb when the press at SCREEN lies on it; false leaves the press to the system.
  bool DragThumb(POINT screen);

  int arrowSize_ = GetSystemMetrics(SM_CXHSCROLL);
  TScratchBitmap picture_;  // the bar composed off screen
};
