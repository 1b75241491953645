#pragma once
// Tab controls and page controls: ordinary tabs on any of the four sides drawn from the skin's
// Tabs element over its pane picture, button-style tabs drawn from the Buttons element, and the
// pages themselves on the face colour.

#include "skin/controls/skin_control.h"

#include <vector>

class TSkinUpDown;

// Where the tabs of a tab control sit.
enum TTabOrientation { toTop = 0, toBottom = 1, toLeft = 2, toRight = 3 };

// The side the style puts the tabs on.
TTabOrientation TabOrientationOf(DWORD style);

// The message a page control with close boxes sends its form when a box is clicked: wParam the
// tab control, lParam the tab. An answer of 0 (nobody handled it) closes the page.
inline constexpr UINT SKM_CLOSETAB = 0x3507;
// The tag that asks for a close box on every tab of a page control.
inline constexpr int kCloseBoxTag = 7777;

class TSkinTab : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinTab"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) override;
  void SkinChanged() override;

  // The close box of each tab as last painted, in the control's coordinates; empty rectangles
  // without boxes.
  const std::vector<RECT>& TabRects() const { return tabRects_; }
  bool CloseBoxes() const { return closeBoxes_; }
  TTabOrientation Orientation() const { return orientation_; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // After either attach: what the control's style and owner ask for.
  void FinishAttach();
  // The tab and pane pictures for the side the tabs are on.
  void PreparePictures();
  // The tab scroll arrows' window, kept out of the strip the skinner paints and skinned itself;
  // the control makes it only once its tabs overflow, so it is looked for at every paint.
  void FindSpinChild();
  // A click on a close box; true when one was hit.
  bool ClickCloseBox(POINT point);
  // The tabs laid out horizontally into BUFFER, whose origin is the strip's.
  void DrawTabs(HDC buffer, int bufferWidth, int controlWidth, const RECT& pane);

  std::vector<RECT> tabRects_;       // each tab's close box
  TTabOrientation orientation_ = toTop;
  TBitmap tabImage_;                 // Tabs picture, flipped for tabs at the bottom
  TBitmap paneImage_;                // the pane picture, turned for the tabs' side
  HWND spinChild_ = nullptr;         // the tab scroll arrows, when the control has them
  TSkinUpDown* spinSkinner_ = nullptr;  // owned: the arrows' skinner, once they exist
  bool closeBoxes_ = false;
};

// A page control whose tabs are buttons.
class TSkinTabBtn : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinTabBtn"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};

// A page of a skinned page control.
class TSkinTabSheet : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinTabSheet"; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
