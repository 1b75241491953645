#pragma once
#include <windows.h>

// The owner window's side of owner-drawn framework menus: WM_MEASUREITEM and WM_DRAWITEM of a
// menu item go to the item's OnMeasureItem / OnDrawItem (found by command identifier, or by
// submenu handle), or to the plain look when it has none; WM_MENUCHAR chooses the owner-drawn
// item whose caption has the typed "&" character, since the system cannot read owner-drawn
// texts. Returns whether the message was one of these for a framework item; RESULT is then the
// answer.
bool AnswerMenuOwnerDraw(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
