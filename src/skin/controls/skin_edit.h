#pragma once
// Single- and multi-line edits: the edit paints its own text, the skinner only its border (the
// skin's sunken look), and skins a spin control the edit holds.

#include "skin/controls/skin_control.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinEdit"; }

  TSkinUpDown* SpinSkinner() const { return spinSkinner_; }

protected:
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The host may free the spin skinner first when it drops its skinners.
  void Notification(TComponent* component, TOperation operation) override;

  // Finds a spin control among the edit's children and skins it (once).
  void FindSpin();
  // The thinner border a printed edit gets, in DC.
  void PrintBorder(HDC dc);

  TSkinUpDown* spinSkinner_ = nullptr;  // owned by this skinner as a component
};
