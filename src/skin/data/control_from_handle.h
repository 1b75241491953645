#pragma once
// The framework control behind a window, for skinners that start from a window handle.

#include "framework/control.h"

// Null for a null window and for windows the framework did not make.
inline TWinControl* ControlFromHandle(HWND window) {
  return window ? TWinControl::FromHandle(window) : nullptr;
}
