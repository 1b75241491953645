#pragma once
#include "framework/message_window.h"

#include <windows.h>

#include <functional>
#include <optional>

// The framework's window allocator: a hidden top-level tool window of class "TPUtilWindow" for
// an object that needs to receive messages but is not a control (timers, the tray icon, popup
// menus). Every message after creation and before destruction goes to one procedure, run
// guarded: an error it raises goes to the application's error box and the message is answered
// with 0. Creation and destruction messages get default handling. The window is made when it
// is first asked for: an object that never receives a message costs none.
class TUtilityWindow {
public:
  using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  explicit TUtilityWindow(Procedure procedure);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  // The window, made on the first call; throws EOutOfResources when it cannot be made.
  HWND Handle() const;
  bool HandleAllocated() const { return window_.has_value(); }
  // The platform's default handling, for the messages the procedure does not answer itself.
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcA(Handle(), msg, wParam, lParam);
  }

private:
  LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const;

  Procedure procedure_;                            // emptied before the window is destroyed
  mutable bool created_ = false;                   // the window's creation messages are over
  mutable std::optional<TMessageWindow> window_;  // from the first Handle(); destroyed with the object
};
