#pragma once
// Input as a user gives it: the system's own mouse and keyboard events, which reach whichever
// window is under the cursor or has the focus, in any process.
#include <windows.h>

#include <initializer_list>

namespace e2e {

// A click at the screen point: DOWN then UP (MOUSEEVENTF_* flags), a moment apart.
void ClickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// One mouse button event (a MOUSEEVENTF_* flag) where the cursor is: half of a click, for drags.
void MouseButton(DWORD flags);
// Waits until WINDOW has kept its place for a moment and is the window a click reaches at OFFSET
// from its top-left corner: a window still being placed, or covered by one going away, would let
// a click land elsewhere. True when that held within the window timeout.
bool WaitUntilClickable(HWND window, POINT offset);
// A press and release of the virtual key.
void PressKey(WORD key);
// Keys held together as a person does: pressed in order, released in the reverse order
// ({VK_MENU, VK_F4} is Alt+F4).
void PressChord(std::initializer_list<WORD> keys);

}  // namespace e2e
