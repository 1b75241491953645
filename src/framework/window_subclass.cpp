#include "framework/window_subclass.h"

#include "framework/application.h"

#include <commctrl.h>

TWindowSubclass::TWindowSubclass(HWND window, Filter filter)
    : window_(window), filter_(std::make_shared<const Filter>(std::move(filter))) {
  // The object's address tells its subclass apart from others on the same window.
  installed_ = window_ && SetWindowSubclass(window_, &TWindowSubclass::SubclassProc,
                                            reinterpret_cast<UINT_PTR>(this),
                                            reinterpret_cast<DWORD_PTR>(this));
}

TWindowSubclass::~TWindowSubclass() {
  Remove();
}

void TWindowSubclass::Remove() {
  // Fails harmlessly when the window has gone already (comctl32 dropped the subclass then).
  if (installed_ && IsWindow(window_))
    RemoveWindowSubclass(window_, &TWindowSubclass::SubclassProc, reinterpret_cast<UINT_PTR>(this));
  installed_ = false;
}

LRESULT CALLBACK TWindowSubclass::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR data) {
  // A nested message loop inside the filter may free the subclass object.
  const std::shared_ptr<const Filter> filter = reinterpret_cast<TWindowSubclass*>(data)->filter_;
  LRESULT result = 0;
  CallGuarded([&] {
    if (!*filter || !(*filter)(msg, wParam, lParam, result))
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
  });
  return result;
}
