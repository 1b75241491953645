#pragma once
// Group boxes: the skin's face, a rounded frame in its shadow colour and the caption.

#include "skin/controls/skin_control.h"

class TSkinGroupBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinGroupBox"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
