#include "real_input.h"

#include "deadline.h"

#include <iterator>
#include <vector>

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
  PressChord({key});
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    input.push_back(down);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    input.push_back(up);
  }
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

}  // namespace e2e
