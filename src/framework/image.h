#pragma once
#include "framework/control.h"
#include "framework/graphics/picture.h"

#include <functional>
#include <string>

// Shows a picture, either stretched to the control's size or at its natural size from the
// top-left corner, cut off where the control ends; the rest is the parent's background.
// Painted off-screen and copied in one blit, so a repaint does not flicker.
class TImage : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }

  // The picture shown; the control repaints whenever it changes.
  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  // The control's whole picture into DC at (0, 0): what WM_PAINT and WM_PRINTCLIENT show.
  void PaintTo(HDC dc);

  NotifyEvent OnClick;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
  TCreateParams CreateParams() override;
  void CommandNotify(WORD code) override;

private:
  LRESULT HandlePaint();
  HBRUSH BackgroundBrush(HDC dc);
  void Repaint();

  TPicture picture_;      // what is shown
  bool stretch_ = false;  // fill the control instead of natural size
};
