#pragma once
// Windowless speed buttons: painted on their parent's surface from the skin's Buttons element,
// flat ones showing the element only while hot or pressed.

#include "skin/controls/skin_glyph_button.h"

class TSkinSpeedButton : public TSkinBitButton {
public:
  using TSkinBitButton::TSkinBitButton;
  const char* ClassName() const override { return "TSkinSpeedButton"; }

  // Binds to the owning windowless control through its message hooks.
  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void PaintWindow(HDC dc) override;

private:
  void PaintButton(HDC dc, const RECT& rect);

  bool isPainting_ = false;  // a paint is under way
};
