#pragma once
// Containers: a panel or form keeps its own painting and only takes the skin's face colour
// while skinned; a dialog or tool bar known by its handle gets its background filled with it.

#include "skin/controls/skin_control.h"

class TSkinBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinBox"; }

  // Sets the colour only: no message of the control needs the skinner.
  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void Detach() override;
};

class TSkinBoxH : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinBoxH"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
};
