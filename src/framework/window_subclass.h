#pragma once
#include <windows.h>

#include <functional>
#include <memory>

// Puts a filter in front of a window's procedure (comctl32's SetWindowSubclass, which keeps
// several subclassers of one window in order and removes any of them safely) and takes it out
// again when the object goes. The filter runs guarded: an error goes to the application's error
// box and the message is answered with 0.
class TWindowSubclass {
public:
  // Returns true when it has answered the message itself (RESULT holds the answer); false
  // passes the message on to the previous procedure.
  using Filter = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  TWindowSubclass(HWND window, Filter filter);
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Takes the filter out of the window now; safe from inside the filter itself, and so is
  // destroying this object there (a message passing the filter keeps it alive).
  void Remove();
  HWND Window() const { return window_; }
  bool Installed() const { return installed_; }

private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

  HWND window_;      // the window filtered
  std::shared_ptr<const Filter> filter_;  // sees each message first
  bool installed_;   // SetWindowSubclass succeeded
};
