#pragma once
// Old-style tab sets and add-on page controls, drawn from the skin's Tabs element: the tab set's
// strip is painted whole by the skinner; the page control is handed tab backgrounds made from
// the skin and paints itself.

#include "skin/controls/skin_control.h"

class TSkinUpDown;

// The strip of an old-style tab set: its tabs from the first shown one, as many as fit.
class TSkinTab31 : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinTab31"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void SkinChanged() override;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  void PrepareTabImage();

  TBitmap tabImage_;                     // the Tabs picture upside down: tabs hang from the top
  TWinControl* scroller_ = nullptr;      // the tab set's scroll arrows, when it has them
  TSkinUpDown* spinSkinner_ = nullptr;   // owned: the arrows' skinner
};

// The size of the tab backgrounds an add-on page control is given.
inline constexpr int kAddOnTabWidth = 100, kAddOnTabHeight = 21;
// The add-on kind that takes tab backgrounds.
inline constexpr int kAdvModeTabPictures = 4;

// An add-on page control that draws its own tabs over two pictures it is given.
class TSkinAdvPage : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinAdvPage"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void Detach() override;
  void SkinChanged() override;

  int AdvMode() const { return advMode_; }
  void SetAdvMode(int mode) { advMode_ = mode; }

protected:
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // Frames 1 and 2 of the Tabs element at the tab size, into the control's two pictures.
  void AssignTabPictures();

  int advMode_ = 0;
  TSkinUpDown* spinSkinner_ = nullptr;  // owned: the tab scroll arrows' skinner
};
