#pragma once
#include <windows.h>

#include <functional>

// The class a message window is registered with. The first owner of a name registers it; later
// owners of that name share the registration, so they must pass the same options.
struct TMessageWindowClass {
  const char* name = nullptr;
  UINT style = 0;               // CS_* flags
  HCURSOR cursor = nullptr;     // null: the window sets none
  HBRUSH background = nullptr;  // erases the client area; null: the handler paints all of it
};

// How the window is made: message-only unless a parent of null (top-level) or a window is given.
struct TMessageWindowStyle {
  DWORD exStyle = 0;
  DWORD style = 0;
  HWND parent = HWND_MESSAGE;
};

// Owner of a window that exists for its messages: timers, shell notifications, a popup that
// shows one text. The object is bound to the window from WM_NCCREATE to WM_NCDESTROY, both
// included; each message in between goes to the handler, run guarded: an error it raises goes
// to the application's error box and the message is answered with 0. Messages the handler does
// not answer itself go to DefWindowProcA. The window is destroyed with the owner.
class TMessageWindow {
public:
  using Handler = std::function<LRESULT(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)>;

  // Throws EOutOfResources when the class cannot be registered or the window not created, and
  // EInvalidOperation when the class name is already registered by another procedure.
  TMessageWindow(const TMessageWindowClass& cls, const TMessageWindowStyle& style, Handler handler);
  ~TMessageWindow();
  TMessageWindow(const TMessageWindow&) = delete;
  TMessageWindow& operator=(const TMessageWindow&) = delete;

  // The window; null once it has been destroyed, by the owner or from outside.
  HWND Handle() const { return handle_; }

private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  Handler handler_;        // receives every message while the window is bound; may be empty
  HWND handle_ = nullptr;  // set at WM_NCCREATE, cleared at WM_NCDESTROY
};
