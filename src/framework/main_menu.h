#pragma once
#include "framework/menu.h"

#include <windows.h>

class TWinControl;

// A form's menu bar (TForm::SetMenu). Its own items stay text items even when the menu is
// OwnerDraw, so that the system can draw the bar and match Alt+letter; their sub-items are
// owner-drawn. Whenever the native bar changes, the form's window is sent CM_MENUCHANGED, whose
// default handling attaches the current native bar to the window.
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  const char* ClassName() const override { return "TMainMenu"; }

  // The form whose bar this is, or null.
  TWinControl* Window() const { return window_; }

protected:
  HMENU CreateNativeMenu() const override { return CreateMenu(); }
  bool DrawnByOwner(const TMenuItem& item) const override;
  void MenuChanged(HMENU old) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TForm;
  void SetWindow(TWinControl* window);

  TWinControl* window_ = nullptr;  // the form showing the bar, not owned
};
