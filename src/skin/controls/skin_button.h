#pragma once
// Push buttons drawn from the skin's Buttons element in five states (normal, pressed, disabled,
// hot, focused or default), with the mouse and space-bar feedback taken over from the control.

#include "skin/controls/paint_cache.h"
#include "skin/controls/skin_control.h"

class TSkinButton : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinButton"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void SkinChanged() override;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Frames of the Buttons element.
  enum { kNormalFrame = 1, kPressedFrame = 2, kDisabledFrame = 3, kHotFrame = 4, kFocusedFrame = 5 };

  // Reads focus, enabled state and caption, and picks the element frame for them.
  int PrepareFrame(bool consultDefault);
  // The buffer sized to RECT with the button's background and element frame drawn in it.
  void PaintFace(HDC buffer, const RECT& rect, int frame);
  // The text colour of a frame: the skin's second colours where it gives them.
  COLORREF TextColour(int frame, COLORREF normal) const;
  // The text colour of speed and menu buttons: each second colour in its own frame only.
  COLORREF FrameTextColour(int frame, COLORREF normal) const;
  // The caption centred (or spread over RECT's width) with its first "||" as a line break.
  void DrawCentredCaption(HDC dc, const RECT& rect, UINT format);
  // Runs the click the press ended in.
  void ClickControl();

  TPaintCache paintBuffer_;          // the whole button drawn off screen, then copied at once
  bool useParentBackground_ = false; // the parent's background under the button, not the face
};
