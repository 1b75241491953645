#pragma once
// A hidden parent window for the controls under test, and the user's input as the controls'
// windows receive it.
#include "framework/application.h"
#include "framework/control.h"
#include "framework/core/sysutils.h"
#include "framework/published.h"

#include <windows.h>

#include <string>

namespace control_form {

class ControlForm {
public:
  ControlForm() : form_(nullptr) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 640, 480);
  }

  template <class T>
  T* Place(T* control, int left, int top, int width, int height) {
    control->SetParent(&form_);
    control->SetBounds(left, top, width, height);
    return control;
  }
  TWinControl& Form() { return form_; }

private:
  TApplication app_;
  TWinControl form_;
};

inline LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
inline LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

// Handles every message posted so far.
inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A left click at a point of WINDOW's client area, posted as the mouse posts it.
inline void Click(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
  Pump();
}

// A key pressed and released on WINDOW, which has the focus.
inline void PressKey(HWND window, UINT key) {
  SetFocus(window);
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
  Pump();
}

// A property as a layout writes it: an integer's digits, an enumeration's or boolean's value
// name, a string as it is.
inline std::string PropertyText(TComponent& object, const std::string& name) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p)
    return "<missing>";
  switch (p->Kind) {
    case TPropertyKind::pkInteger: return IntToStr(GetIntegerProperty(object, name));
    case TPropertyKind::pkBoolean:
    case TPropertyKind::pkEnumeration: return GetEnumPropertyName(object, name);
    case TPropertyKind::pkString: return GetStringProperty(object, name);
    default: return "<not text>";
  }
}

}  // namespace control_form
