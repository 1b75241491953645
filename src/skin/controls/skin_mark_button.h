#pragma once
// Check boxes and radio buttons: the skin's mark (a strip of state frames) in place of the
// system's. A framework control is painted whole (background, mark, caption); a window known
// only by its handle paints itself and gets the skin's mark drawn over the system's.

#include "skin/controls/paint_cache.h"
#include "skin/controls/skin_control.h"

class TSkinMarkButton : public TSkinControl {
public:
  using TSkinControl::TSkinControl;

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void SkinChanged() override;

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The strip of mark frames and how many frames it holds.
  virtual const TBitmap& MarkImage() const = 0;
  virtual int MarkFrameCount() const = 0;
  // The 1-based frame for the control's state, enabled or not.
  virtual int MarkFrame(DWORD style) = 0;
  // How far from the right edge the mark sits when the caption is on its left.
  virtual int LeftTextInset() const = 0;

  bool useParentBackground_ = false;  // the parent's background under the control

private:
  // Background, mark and (when painted whole) caption, drawn into DC over RECT.
  void Compose(HDC dc, const RECT& rect, int frame, HFONT font);

  TPaintCache paintBuffer_;  // the control as last painted whole
};

class TSkinCheckBox : public TSkinMarkButton {
public:
  using TSkinMarkButton::TSkinMarkButton;
  const char* ClassName() const override { return "TSkinCheckBox"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;

protected:
  void AfterMessage(TSkinMessage& message) override;
  const TBitmap& MarkImage() const override;
  int MarkFrameCount() const override;
  int MarkFrame(DWORD style) override;
  int LeftTextInset() const override { return 0; }

private:
  int lastCheck_ = 0;  // 0 unknown, else the last BM_SETCHECK's wParam + 1
};

class TSkinRadioButton : public TSkinMarkButton {
public:
  using TSkinMarkButton::TSkinMarkButton;
  const char* ClassName() const override { return "TSkinRadioButton"; }

protected:
  const TBitmap& MarkImage() const override;
  int MarkFrameCount() const override;
  int MarkFrame(DWORD style) override;
  int LeftTextInset() const override { return 1; }
};
