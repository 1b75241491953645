#pragma once
// Header controls (a list view's among them): every item drawn from the skin's Headerbar
// element, the item under the mouse lit until the mouse leaves the header.

#include "skin/controls/skin_control.h"

#include <vector>

class TSkinHeader : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinHeader"; }

  int HotItem() const { return hotItem_; }
  // Each item as last painted, 3 pixels in from either side.
  const std::vector<RECT>& ItemRects() const { return itemRects_; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  bool HasPicture() const;
  void MouseMoved(POINT point);
  // One item's picture with its text and image, copied to ITEM in BUFFER.
  void DrawItem(HDC buffer, int index, const RECT& item, HIMAGELIST images);

  std::vector<RECT> itemRects_;  // where the mouse lights an item
  int hotItem_ = -1;             // the lit item, -1 for none
};
