#pragma once
#include "framework/control.h"

#include <functional>

// udVertical: arrows up and down; udHorizontal: left and right.
enum class TUDOrientation { udVertical, udHorizontal };

// A pair of arrows stepping a position between Min and Max. With an Associate, the arrows sit
// at the associate's right edge and the position is written into it as text. OnClick runs after
// each step the user made with the arrows (or the arrow keys), not for a click that moved nothing.
class TUpDown : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TUpDown(TComponent* owner) : TWinControl(owner) {}
  ~TUpDown() override;
  const char* ClassName() const override { return "TUpDown"; }

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position();
  // Kept between Min and Max.
  void SetPosition(int position);
  // The control whose text shows the position, or null. It must be placed on a parent to be
  // joined; it is let go when it is destroyed.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* associate);
  // Chosen before the window is made.
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation) { orientation_ = orientation; }

  NotifyEvent OnClick;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void ApplyRange();
  void ApplyBuddy();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;                   // while no window exists
  TWinControl* associate_ = nullptr;   // not owned; told when it goes
  TUDOrientation orientation_ = TUDOrientation::udVertical;
};
