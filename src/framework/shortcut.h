#pragma once
#include "framework/shift_state.h"

#include <windows.h>

#include <string>

// A key with the modifiers held for it, as a menu item's shortcut text names it ("Ctrl+O",
// "Shift+Ctrl+F5", "Del"). Key 0 means no shortcut.
struct TShortCut {
  WORD Key = 0;           // virtual-key code
  TShiftState Shift = 0;  // ssCtrl, ssShift, ssAlt
  bool operator==(const TShortCut&) const = default;
};

// The shortcut that TEXT names: modifiers (Ctrl, Shift, Alt, in any order and case) joined by
// "+" to one key (a letter, a digit, F1..F24 or a key name). Unknown text names no shortcut.
TShortCut TextToShortCut(const std::string& text);

// The character after the first single "&" of a menu caption, lower-cased; 0 when none.
char MenuAccelerator(const std::string& caption);
