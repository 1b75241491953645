#pragma once
// Painting a parent's background under a child, for controls drawn as if transparent.

#include <windows.h>

// The parent of the child window control paints itself (WM_ERASEBKGND, then WM_PAINT with the
// DC as wParam) into dc, shifted so that the part under the control lands at the DC's origin
// and clipped to the control's client size. A framework parent is reached through its message
// callback, so its exceptions reach the caller. Nothing for a window that is not a child.
void PaintParentBackground(HWND control, HDC dc);
