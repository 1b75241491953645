#pragma once
#include <windows.h>

// Shows the hourglass for the whole application while it lives; the previous cursor comes back
// however the scope is left, an exception included.
class TBusyCursor {
public:
  TBusyCursor();
  ~TBusyCursor();
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

  // True while at least one TBusyCursor is alive; framework windows answer WM_SETCURSOR with it.
  static bool Active() { return depth_ > 0; }

private:
  HCURSOR previous_;         // the cursor shown before
  static inline int depth_ = 0;  // nested busy scopes
};
