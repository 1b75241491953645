#pragma once
#include "framework/control.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

// A bar that fills from Min towards Max as Position grows. Min may be set above Max while a
// range is being changed: the window is given the two in order, and the position stays between.
class TProgressBar : public TWinControl {
public:
  explicit TProgressBar(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TProgressBar"; }

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation orientation);
  // One continuous bar instead of blocks.
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool smooth);

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  DWORD StyleBits() const;
  void ApplyStyle();
  void ApplyRange();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;  // between the lower and the higher of min_ and max_
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};
