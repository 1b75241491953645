#pragma once
// Objects drawn in a skinned window's non-client area that react to the mouse: the caption
// buttons here, the menu-bar buttons with the menu bar.

#include "skin/model/skin_elements.h"

#include <windows.h>

#include <functional>

class TWinSkinForm;

// Mouse states, which are also the frames of a button picture (4 is inactive or disabled).
enum TNCMouseState { msNormal = 1, msPressed = 2, msHot = 3 };

class TNCObject {
public:
  explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  RECT Bounds{};               // window coordinates
  bool Visible = false;
  int MouseState = msNormal;
  bool Enabled = true;

protected:
  TWinSkinForm& owner_;
};

// Caption-button actions the frame skinner carries out itself.
enum TCaptionAction {
  caClose = 0,
  caMaximize = 1,
  caMinimize = 2,
  caWindowMenu = 3,
  caHelp = 4,
  caMDIMinimize = 7,
  caMDIRestore = 8,
  caMDIClose = 9,
  caIcon = 11,
  caWindowMenu2 = 12,
  caMaximize2 = 22,
  caMinimize2 = 23,
  caMDIMinimize2 = 60,
  caMDIRestore2 = 61,
  caMDIClose2 = 62,
};

// Buttons drawn as the window's icon.
inline bool IsIconAction(int action) { return action == caWindowMenu || action == caIcon; }
inline bool IsWindowMenuAction(int action) { return IsIconAction(action) || action == caWindowMenu2; }

// One caption button of the skin on one window.
class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TWinSkinForm& owner, TDataSkinSysButton& element) : TNCObject(owner), element_(element) {}
  void Paint() override;
  TDataSkinSysButton& Element() const { return element_; }
  int Action() const { return element_.Action; }

private:
  TDataSkinSysButton& element_;  // owned by the skin; the button is dropped before a reload
};

// What the visibility rules of caption buttons look at.
struct TCaptionFacts {
  bool Maximized = false;
  bool Active = true;
  bool MinimizeBox = false;
  bool MaximizeBox = false;
  bool HelpButton = false;
  bool WindowMenu = false;
  bool DialogFrame = false;          // frame kind of a dialog box
  bool DialogClass = false;          // "#32770" or "TMessageForm"
  bool MDIChildMaximizedInBar = false;  // an MDI frame showing a maximised child's buttons
  // Asks the window about an application's own visibility value (1000..2000).
  std::function<bool(int visibility, int action)> AskWindow;
};

// Whether the button shows by its two visibility values; FIRST tells which of the two a value
// is (the second has looser rules for the box and help buttons).
bool VisibilityHolds(int value, bool first, int action, const TCaptionFacts& facts);
// The whole rule: both visibilities, then the action's own condition. Sets ENABLED for the
// maximise and minimise buttons.
bool CaptionButtonVisible(const TDataSkinSysButton& element, const TCaptionFacts& facts, bool& enabled);
// The hint of a caption button's action; empty for actions without one.
const char* CaptionButtonHint(int action);
