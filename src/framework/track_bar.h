#pragma once
#include "framework/control.h"

#include <functional>

enum class TTrackBarOrientation { trHorizontal, trVertical };
// Where the tick marks go: below or right of the track, above or left of it, or both.
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// A thumb the user slides along a track between Min and Max, with a tick at every position.
// OnChange runs whenever the user moved the position (mouse or keys), never for SetPosition.
class TTrackBar : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TTrackBar(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TTrackBar"; }

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position();
  void SetPosition(int position);
  // Chosen before the window is made, like the tick marks.
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation) { orientation_ = orientation; }
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark tickMarks) { tickMarks_ = tickMarks; }
  // The thumb's size across the track, in pixels.
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int length);

  NotifyEvent OnChange;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  void ApplyRange();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;  // the last position set or reported by the window
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  int thumbLength_ = 20;
};
