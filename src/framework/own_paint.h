#pragma once
// The paint messages of a control that covers its whole client area itself: a paint through the
// window's paint DC, a print into the DC the request brings (its state given back), and no
// erasing, which would only flicker under the paint.
#include "framework/system/gdi_handles.h"

#include <windows.h>

// Answers MSG by PAINT(HDC) when it is one of those messages: true, with its answer in RESULT.
template <class Paint>
bool AnswerOwnPaint(HWND window, UINT msg, WPARAM wParam, LRESULT& result, Paint paint) {
  switch (msg) {
    case WM_PAINT: {
      TPaintScope scope(window);
      paint(scope.Get());
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT: {
      TSaveDC saved(reinterpret_cast<HDC>(wParam));
      paint(reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    default:
      return false;
  }
}
