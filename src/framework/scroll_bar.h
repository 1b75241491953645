#pragma once
#include "framework/control.h"

#include <functional>

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar of its own (not a window's). It moves its thumb itself when the user scrolls:
// the arrows step by SmallChange, the track beside the thumb by LargeChange, the thumb follows
// the drag. OnChange runs whenever the user's scrolling moved the position.
class TScrollBar : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TScrollBar(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TScrollBar"; }

  // Chosen before the window is made.
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind) { kind_ = kind; }
  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  // The thumb's size in units of the range; 0 is the platform's smallest thumb.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int pageSize);
  int Position() const { return position_; }
  // Kept between Min and the last position the page leaves room for.
  void SetPosition(int position);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change) { smallChange_ = change; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change) { largeChange_ = change; }

  NotifyEvent OnChange;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  int LastPosition() const;
  void ApplyScrollInfo();
  // Where the user's scroll request of that code takes the position, before it is kept in range.
  long long ScrolledTo(WORD code);
  void Scroll(WORD code);

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int pageSize_ = 0;
  int position_ = 0;  // the window follows it
  int smallChange_ = 1;
  int largeChange_ = 1;
};
