#include "real_input.h"

#include "deadline.h"

namespace e2e {

void ClickAt(int x, int y, DWORD down, DWORD up) {
  SetCursorPos(x, y);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = down;
  input[1].mi.dwFlags = up;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(60);
  SendInput(1, &input[1], sizeof(INPUT));
}

void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

bool WaitUntilClickable(HWND window, POINT offset) {
  return WaitFor(kWindowTimeoutMs, [&] {
    RECT before{}, after{};
    GetWindowRect(window, &before);
    Sleep(200);
    GetWindowRect(window, &after);
    return EqualRect(&before, &after) && WindowFromPoint({after.left + offset.x, after.top + offset.y}) == window;
  });
}

void PressKey(WORD key) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

}  // namespace e2e
