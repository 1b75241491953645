#pragma once
// Up-down (spin) controls, free-standing or inside an edit: two halves drawn from the skin's
// UpDownVert or UpDownHorz element, or plainly with arrows when the skin has none.

#include "skin/controls/skin_control.h"

class TSkinUpDown : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinUpDown"; }

  // The control sits inside a skinned edit: it keeps clear of the edit's border.
  void SetInEdit(bool inEdit) { inEdit_ = inEdit; }
  bool InEdit() const { return inEdit_; }
  // Forces the side-by-side layout whatever the style says.
  void SetHorizontal(bool horizontal) { horizontal_ = horizontal; }

  // The rectangle the buttons take in DC coordinates of a control drawn over RECT: inside an
  // edit, at least 3 pixels from the edit's top, bottom and right edges.
  RECT ButtonArea(const RECT& rect) const;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Draws one half (DIRECTION 0 up, 1 down, 2 left, 3 right) in STATE (1-4).
  void DrawHalf(HDC dc, const RECT& half, int direction, int state, bool sideBySide);

  bool inEdit_ = false;
  bool horizontal_ = false;
};
