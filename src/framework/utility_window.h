#pragma once
#include <windows.h>

#include <functional>

// The framework's window allocator: a hidden top-level tool window of class "TPUtilWindow" for
// an object that needs to receive messages but is not a control (timers, the tray icon, popup
// menus). Every message goes to one procedure, run guarded: an error it raises goes to the
// application's error box and the message is answered with 0.
class TUtilityWindow {
public:
  using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  explicit TUtilityWindow(Procedure procedure);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const { return handle_; }
  // The platform's default handling, for the messages the procedure does not answer itself.
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcA(handle_, msg, wParam, lParam);
  }

private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  Procedure procedure_;    // receives every message after creation
  HWND handle_ = nullptr;  // the window; destroyed with the object
};
