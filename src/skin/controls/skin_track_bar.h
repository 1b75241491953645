#pragma once
// Track bars: the control keeps drawing itself and its tics; through its custom-draw
// notifications the skinner draws the channel from Track (TrackVert when upright) and the thumb
// from the thumb pictures instead.

#include "skin/controls/skin_control.h"

#include <commctrl.h>

class TSkinTrackBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinTrackBar"; }

  void SkinChanged() override;

  // The answer to one custom-draw notification of the bar.
  LRESULT CustomDraw(NMCUSTOMDRAW& draw);

protected:
  bool BeforeMessage(TSkinMessage& message) override;

private:
  bool IsVertical() const;
  void DrawChannel(HDC dc) const;
  void DrawThumb(HDC dc) const;
};
