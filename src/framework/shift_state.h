#pragma once
#include <windows.h>

#include <cstdint>

// The mouse buttons and the shift state that mouse events report.
enum class TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// A bit set of held keys and buttons.
using TShiftState = uint32_t;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;

// The keys (Shift, Alt, Ctrl) held down at the time of the message being handled.
inline TShiftState ShiftStateFromKeys() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0)
    shift |= ssCtrl;
  return shift;
}

// The keys and buttons a mouse message's wParam reports held (Alt from the keyboard's state).
inline TShiftState ShiftStateFromMouse(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT)
    shift |= ssShift;
  if (keys & MK_CONTROL)
    shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  if (keys & MK_LBUTTON)
    shift |= ssLeft;
  if (keys & MK_RBUTTON)
    shift |= ssRight;
  if (keys & MK_MBUTTON)
    shift |= ssMiddle;
  return shift;
}
