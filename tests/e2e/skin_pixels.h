#pragma once
// What a skinned window should show, read from the skin's source pictures, and what the screen
// shows, for comparing the two.
#include <windows.h>

#include <string>

namespace e2e {

// The pixel of the bitmap file at PATH; CLR_INVALID when it cannot be read.
COLORREF PicturePixel(const std::string& path, int x, int y);
// The bitmap file's size; zero when it cannot be read.
SIZE PictureSize(const std::string& path);
COLORREF ScreenPixel(int x, int y);

}  // namespace e2e
