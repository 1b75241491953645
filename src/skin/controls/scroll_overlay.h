#pragma once
// The scroll-bar overlay: a small borderless window placed exactly over one native scroll bar
// (a window's own horizontal or vertical bar, or a separate scroll-bar control) that paints the
// skin's bar. It scrolls nothing itself: a click on it is handed to the native bar underneath,
// whose own tracking loop does the scrolling, auto-repeat and thumb dragging; the overlay only
// mirrors the bar's state (position, enabled, the part being operated) in its painting.

#include "skin/controls/scroll_bar_picture.h"
#include "skin/model/scratch_bitmap.h"

#include <windows.h>

#include <memory>

class TSkinControl;
class TSkinData;

// Which bar an overlay covers.
enum TScrollMode : uint8_t { smHorizontal = 0, smVertical = 1, smControl = 2 };

// What the overlay paints from: the bar's place on screen, its thumb and its state.
struct TScrollBarState {
  RECT Screen{};         // the bar in screen coordinates
  int ThumbTop = 0;      // the thumb's extent along the axis, from the bar's start
  int ThumbBottom = 0;
  DWORD State = 0;       // STATE_SYSTEM_* of the whole bar
};

// The thumb of a separate scroll-bar control LENGTH long with arrows ARROW long, from its
// scroll information: as the system places it, at least 8 pixels long.
void ControlThumbExtent(int length, int arrow, const SCROLLINFO& info, int& thumbTop, int& thumbBottom);

class TWScrollbar {
public:
  // SKINNER supplies the skin; the overlay lives as long as the skinner keeps it.
  explicit TWScrollbar(TSkinControl& skinner);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Binds the overlay to TARGET's bar of MODE and places it; VERTICAL tells a separate control's
  // orientation (the other modes know theirs).
  void Attach(HWND target, TScrollMode mode, bool vertical = false);
  // Places the overlay over the bar, or hides it when the target or the bar is hidden.
  void UpdatePosition();
  void HideBar();
  void Invalidate();
  void SetEnabled(bool enabled);
  // The part the target reports being operated (its WM_HSCROLL/WM_VSCROLL request).
  void SetHotPart(int part);

  // The part under POINT (overlay coordinates).
  int HitTest(POINT point);

  // The overlay window; null until the bar is first shown.
  HWND Handle() const { return window_; }
  bool BarVisible() const { return barVisible_; }
  bool Vertical() const { return vertical_; }
  bool Tracking() const { return tracking_; }
  int HotPart() const { return hotPart_; }
  int ThumbStart() const { return thumbStart_; }
  int ThumbEnd() const { return thumbEnd_; }
  // The bar in the target's client coordinates.
  RECT BarClientRect() const { return barClientRect_; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnMouseMove(POINT point);
  void OnMouseLeave();
  void OnButtonDown(POINT point);
  void OnButtonUp(POINT point);
  void OnPaint();
  // Makes the overlay window if it does not exist yet; false when there is none to show.
  bool MakeWindow();

  // The bar's place and thumb now; false when the system cannot tell.
  bool ReadBar(TScrollBarState& bar) const;
  // The thumb's extent from BAR, or from the cursor while the thumb is dragged.
  void UpdateThumb(const TScrollBarState& bar);
  // The whole bar drawn into the scratch bitmap, WIDTH x HEIGHT.
  void Compose(const TSkinData& skin, int width, int height, bool enabled);

  TSkinControl& owner_;        // the skinner that made the overlay; its skin is drawn
  HWND window_ = nullptr;      // the overlay window, made when the bar first shows
  bool made_ = false;          // the window was made (it may since have gone with the target)
  bool enabled_ = true;        // as the target; the window follows when it is made
  HWND target_ = nullptr;      // the scrolled window, or the separate scroll-bar control
  TScrollMode mode_ = smHorizontal;
  bool vertical_ = false;
  int arrowSize_;              // SM_CXHSCROLL at construction
  int barLength_ = 0;          // the bar's length along its axis
  int thumbStart_ = 0;         // the thumb's extent along the axis, bar coordinates
  int thumbEnd_ = 0;
  POINT dragCursorStart_{};    // the cursor when the left button went down
  int dragThumbStart_ = 0;     // the thumb's start then
  int hotPart_ = spNone;       // the part under the mouse or being operated
  RECT barClientRect_{};       // the bar in the target's client coordinates
  bool barVisible_ = false;    // the overlay is shown
  bool tracking_ = false;      // the left button is down on the overlay
  TScratchBitmap picture_;     // the bar composed off screen, copied in one blit
  // Expires with the overlay, which the system's tracking loop may outlive (a reskin or the
  // skin switched off while the button is held).
  std::shared_ptr<const void> life_ = std::make_shared<char>();
};
