#pragma once
// Status bars with their panels framed from the skin's StatusBarEdges and the size grip from
// ExtraImages, and the stand-alone size grip of a window, put on the face colour.

#include "skin/controls/skin_control.h"

class TSkinStatusBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinStatusBar"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // The whole bar as one panel carrying the bar's simple text.
  void DrawSimpleText(HDC buffer, const RECT& rect);
  void DrawPanels(HDC buffer, const RECT& rect);
  // The panel's background: frame 1 sunk, 2 raised, 3 without border.
  void DrawPanelFrame(HDC buffer, const RECT& rect, int frame) const;
  void DrawSizeGrip(HDC buffer, const RECT& rect) const;
};

// A size-grip (or size-box) scroll bar: after it drew itself, the face colour covers it. Other
// scroll bars are left alone.
class TSkinSizer : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinSizer"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  bool IsSizeGrip() const;
};
