#pragma once
// The base of every control skinner: one skinner bound to one control window of a skinned
// window, kept in its frame skinner's list.

#include <windows.h>

class TSkinControl {
public:
  explicit TSkinControl(HWND window) : handle_(window) {}
  virtual ~TSkinControl() = default;
  TSkinControl(const TSkinControl&) = delete;
  TSkinControl& operator=(const TSkinControl&) = delete;

  HWND Handle() const { return handle_; }
  // The skin was changed: take up the new one.
  virtual void SkinChanged() {}

private:
  HWND handle_;  // the control's window
};
