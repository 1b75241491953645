#pragma once
// Progress bars drawn from the skin's Progress element (empty and filled frames), or from its
// ProgressChunk picture repeated over the filled part; vertical bars are built lying and turned.

#include "skin/controls/skin_control.h"

// How many of WIDTH pixels a bar from LOW to HIGH at POS fills: 0 for a bar with no range (or one
// given upside down) or a position at or below its start, never more than WIDTH.
int ProgressFilledWidth(int width, int low, int high, int pos);

class TSkinProgress : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinProgress"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  bool HasPicture() const;
  // The filled width of a lying bar WIDTH pixels long.
  int FilledWidth(int width) const;
  void DrawSmooth(HDC buffer, int width, int height) const;
  void DrawChunks(HDC buffer, int width, int height) const;
};
