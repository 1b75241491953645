#pragma once
#include "framework/control.h"

// The edge drawn around a panel: none, or a one-pixel edge that looks pressed in or raised.
enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A plain area for other controls: its colour (or its parent's background), a one-pixel bevel
// and an optional caption in the middle.
class TCustomPanel : public TWinControl {
public:
  explicit TCustomPanel(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TCustomPanel"; }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);

  // The panel's whole picture into DC at (0, 0): what WM_PAINT and WM_PRINTCLIENT show.
  void PaintTo(HDC dc);

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
  TCreateParams CreateParams() override;

private:
  // The bevel and the caption, over the background.
  void PaintContent(HDC dc);
  void Repaint();

  TBevelCut bevelOuter_ = TBevelCut::bvRaised;  // the edge
};

class TPanel : public TCustomPanel {
public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  const char* ClassName() const override { return "TPanel"; }
};
