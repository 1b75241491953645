#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

// Puts a filter in front of a window's procedure and takes it out again when the object goes.
// Several filters of one window chain, newest first, and come off in any order. The chain is
// kept in the process rather than in a window property, so a message costs no round trip to the
// window manager to find its filters (under Wine every property lookup is one). Like the
// system's own subclassing, the filters see messages in their Unicode form, a filter only works
// on its own thread's windows, and a procedure installed over the chain later stays in place.
// The filter runs guarded: an error goes to the application's error box and the message is
// answered with 0.
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

  // From inside the filter: the message handed to what lies below this filter (the filters
  // installed before it, then the window's own procedure), and its answer.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
  static LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Runs the filters of HWND installed before ORDER, newest first, then the window's procedure.
  static LRESULT CallBelow(HWND hwnd, uint64_t order, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Run(UINT msg, WPARAM wParam, LPARAM lParam);

  HWND window_;      // the window filtered
  std::shared_ptr<const Filter> filter_;  // sees each message first
  uint64_t order_;   // when it was installed: the filters below it were installed before
  bool installed_;   // in the window's chain
};
