#pragma once
// What the menu tests share: an application for the test's lifetime, native menu reading, and
// a driver that acts inside a tracked menu's modal loop.
#include "framework/application.h"
#include "framework/core/component.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace menu_test {

class MenuFixture : public ::testing::Test {
protected:
  MenuFixture() : root_(nullptr) { Application = &app_; }
  ~MenuFixture() override { Application = nullptr; }
  TApplication app_;
  TComponent root_;  // owns the items and menus of a test
};

// The text of the native item at POSITION, "" for none.
inline std::string NativeText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

inline MENUITEMINFOA NativeInfo(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return info;
}

// Once a popup menu window shows, posts KEYS to it (WM_KEYDOWN with a virtual key, or WM_CHAR
// with a character) for the menu's own loop; closes any menu still open after about a second,
// so that no test hangs in one.
class MenuDriver {
public:
  struct TKey {
    UINT Message;  // WM_KEYDOWN or WM_CHAR
    WPARAM Code;
  };
  explicit MenuDriver(std::vector<TKey> keys) : keys_(std::move(keys)) {
    Current() = this;
    timer_ = SetTimer(nullptr, 0, 30, &MenuDriver::Tick);
  }
  ~MenuDriver() {
    KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  bool Seen() const { return seen_; }

private:
  static MenuDriver*& Current() {
    static MenuDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (MenuDriver* driver = Current())
      driver->Look();
  }
  void Look() {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu) && !seen_) {
      seen_ = true;
      for (const TKey& key : keys_)
        PostMessageA(menu, key.Message, key.Code, 0);
    } else if (++looks_ > 35) {
      EndMenu();
    }
  }

  std::vector<TKey> keys_;
  UINT_PTR timer_ = 0;
  bool seen_ = false;
  int looks_ = 0;
};

// Holds the thread's keyboard state with the given keys down while it lives, as the state a
// key message was typed in.
class HeldKeys {
public:
  explicit HeldKeys(std::vector<BYTE> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    for (BYTE key : keys)
      state[key] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }

private:
  BYTE saved_[256];
};

}  // namespace menu_test
