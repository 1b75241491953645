#include "skin/window/caption_buttons.h"

#include "skin/window/win_skin_form.h"

void TNCObject::MouseDown() {
  TNCObject* hot = owner_.HotObject();
  if (hot && hot != this)
    hot->MouseLeave();
  if (!Visible)
    return;
  owner_.SetHotObject(this);
  MouseState = msPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible)
    return;
  MouseState = msHot;
  Paint();
}

void TNCObject::MouseMove() {
  TNCObject* hot = owner_.HotObject();
  if (hot == this)
    return;
  if (hot)
    hot->MouseLeave();
  if (!Visible)
    return;
  owner_.SetHotObject(this);
  MouseState = msHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible)
    return;
  owner_.SetHotObject(nullptr);
  MouseState = msNormal;
  Paint();
  owner_.ResetCaptionHint();
}

void TWinSysButton::Paint() {
  owner_.DrawSysButton(*this, MouseState);
}

bool VisibilityHolds(int value, bool first, int action, const TCaptionFacts& facts) {
  const bool anyBox = facts.MinimizeBox || facts.MaximizeBox;
  switch (value) {
    case 0: return true;
    case 1: return facts.Maximized;
    case 2: return !facts.Maximized;
    case 3: return facts.Active;
    case 4: return !facts.Active;
    case 5: return false;
    case 6:
    case 8: return first ? anyBox && facts.WindowMenu : anyBox;
    case 7: return !facts.MaximizeBox;
    case 9: return !facts.MinimizeBox;
    case 10: return first ? facts.HelpButton && !anyBox : facts.HelpButton;
    case 100: return facts.MDIChildMaximizedInBar;
    case 200: return facts.DialogFrame && !facts.DialogClass;
    default:
      if (value > 200 && value < 1000)
        return true;
      if (value >= 1000 && value <= 2000)
        return facts.AskWindow && facts.AskWindow(value, action);
      return false;  // -1 and unknown values hide the button
  }
}

bool CaptionButtonVisible(const TDataSkinSysButton& element, const TCaptionFacts& facts, bool& enabled) {
  const int action = element.Action;
  if (!VisibilityHolds(element.Visibility, true, action, facts) ||
      !VisibilityHolds(element.Visibility1, false, action, facts))
    return false;
  switch (action) {
    case caClose:
      return facts.WindowMenu;
    case caMaximize:
      enabled = facts.MaximizeBox && facts.WindowMenu;
      return true;
    case caMinimize:
      enabled = facts.MinimizeBox && facts.WindowMenu;
      return true;
    case caWindowMenu:
    case caIcon:
    case caWindowMenu2:
      return !facts.DialogFrame;
    default:
      return true;
  }
}

const char* CaptionButtonHint(int action) {
  switch (action) {
    case caClose: case caMDIClose: case caMDIClose2: return "Close";
    case caMaximize: case caMaximize2: return "Maximize";
    case caMinimize: case caMDIMinimize: case caMinimize2: case caMDIMinimize2: return "Minimize";
    case caMDIRestore: case caMDIRestore2: return "Restore";
    default: return "";
  }
}
