#pragma once
#include "framework/control.h"

#include <functional>
#include <string>
#include <vector>

// The buttons of a media player's bar, in their order from the left.
enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMediaButtonCount = 9;

// The value name of a button ("btPlay").
const char* MediaButtonName(TMPBtnType button);
// A button's symbol (triangle, bars, square, ...) in COLOUR, centred in RECT.
void DrawMediaGlyph(HDC dc, const RECT& rect, TMPBtnType button, COLORREF colour);

// A bar of media-player buttons. Which buttons are shown, enabled and drawn in colour are sets of
// value names. A button clicks when the mouse goes up over the button it went down on; the
// buttons share the bar's width equally.
class TMediaPlayer : public TWinControl {
public:
  using ClickEvent = std::function<void(TComponent* sender, TMPBtnType button)>;

  explicit TMediaPlayer(TComponent* owner);
  const char* ClassName() const override { return "TMediaPlayer"; }

  const std::vector<std::string>& VisibleButtons() const { return visible_; }
  void SetVisibleButtons(std::vector<std::string> names);
  const std::vector<std::string>& EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(std::vector<std::string> names);
  const std::vector<std::string>& ColoredButtons() const { return colored_; }
  void SetColoredButtons(std::vector<std::string> names);

  // The shown buttons from the left.
  std::vector<TMPBtnType> ShownButtons() const;
  // The shown button under X of the client area, or -1.
  int ButtonAt(int x) const;
  bool IsButtonEnabled(TMPBtnType button) const;

  ClickEvent OnClick;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  void Paint(HDC dc);
  void Changed();

  std::vector<std::string> visible_;  // value names of the shown buttons
  std::vector<std::string> enabled_;
  std::vector<std::string> colored_;
  int pressed_ = -1;                  // the shown button the mouse went down on, or -1
};
