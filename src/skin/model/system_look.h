#pragma once
// Pictures and fonts of the system that the frame skinner draws with.

#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"

#include <windows.h>

// The window's small icon (its big one when it has no small one) drawn on magenta at the size
// of small icons, 24 bits per pixel; plain magenta when the window has no icon.
TBitmap BuildFormIcon(HWND window);

// The system's caption font; null when the system does not say which it is.
UniqueFont CreateCaptionFont();
