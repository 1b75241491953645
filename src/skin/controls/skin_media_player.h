#pragma once
// Media-player button bars: the skinner lays a window of its own over the player and draws the
// bar there, each button on the skin's Buttons element with its glyph; the player under it is
// handed the mouse presses and keeps doing the work.

#include "framework/media_player.h"
#include "framework/panel.h"
#include "skin/controls/skin_control.h"

#include <array>

class TSkinMP;

// The window over the player.
class TWMediaPlayer : public TPanel {
public:
  // Owned by SKINNER, laid over PLAYER.
  TWMediaPlayer(TSkinMP* skinner, TWinControl* player, TSkinData* skinData);
  const char* ClassName() const override { return "TWMediaPlayer"; }

  // Reads which buttons are shown, enabled and in colour from the player.
  void ReadButtons();
  int ButtonWidth() const { return buttonWidth_; }
  // The shown button (counted from the left) the mouse went down on; kNoButton when none.
  int PressedButton() const { return pressedButton_; }
  bool Tracking() const { return tracking_; }
  static constexpr int kNoButton = kMediaButtonCount;

  // The bar into DC over the client rectangle.
  void PaintBar(HDC dc);

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  struct TButtonRecord {
    bool Visible = false;
    bool Enabled = false;
    bool Coloured = false;
    std::array<TBitmap, 3> Glyphs;  // enabled, disabled, in colour
  };
  // The shown button under X, counted from the left; kNoButton when none.
  int ButtonAt(int x) const;
  void MouseDown(UINT msg, WPARAM wParam, LPARAM lParam);
  void MouseUp(UINT msg, WPARAM wParam, LPARAM lParam);

  std::array<TButtonRecord, kMediaButtonCount> buttons_;
  int buttonWidth_ = 0;
  int pressedButton_ = kNoButton;
  bool tracking_ = false;            // between a press and its release
  TWinControl* playerControl_;       // the player under the overlay
  TSkinData* skinData_;
};

class TSkinMP : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinMP"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void Detach() override;

  TWMediaPlayer* PlayerOverlay() const { return playerOverlay_; }

protected:
  void AfterMessage(TSkinMessage& message) override;
  void ActiveChanged() override;

private:
  // The overlay takes the player's bounds and shows while the player does and skinning is on.
  void FollowPlayer();

  TWMediaPlayer* playerOverlay_ = nullptr;  // owned
};
