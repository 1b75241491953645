#pragma once

#include <vector>

#include "image.h"

namespace assetgen {

// Sizes of the tray icon's images, in the order the file lists them.
inline const std::vector<int> kTrayIconSizes{16, 24, 32, 48, 64, 72, 96, 128};

// The tray icon at one size: one wallpaper and the rotation badge, with dark outlines and
// light borders so it reads on both dark and light task bars.
Image draw_tray_icon(int size);

}  // namespace assetgen
