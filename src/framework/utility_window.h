#pragma once
#include "framework/message_window.h"

#include <windows.h>

#include <functional>

// The framework's window allocator: a hidden top-level tool window of class "TPUtilWindow" for
// an object that needs to receive messages but is not a control (timers, the tray icon, popup
// menus). Every message after creation and before destruction goes to one procedure, run
// guarded: an error it raises goes to the application's error box and the message is answered
// with 0. Creation and destruction messages get default handling.
class TUtilityWindow {
public:
  using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  explicit TUtilityWindow(Procedure procedure);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const { return window_.Handle(); }
  // The platform's default handling, for the messages the procedure does not answer itself.
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcA(Handle(), msg, wParam, lParam);
  }

private:
  LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  Procedure procedure_;    // set once the window exists, emptied before it is destroyed
  TMessageWindow window_;  // the window; destroyed with the object
};
