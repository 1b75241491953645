#pragma once

#include <vector>

#include "image.h"

namespace assetgen {

// Sizes of the window icon's images, largest first, in the order the file lists them.
inline const std::vector<int> kAppIconSizes{128, 64, 48, 32, 16};

// The window icon at one size: a stack of wallpapers with the rotation badge.
Image draw_app_icon(int size);

// The logo for places other than icons (the banner): the largest design at any size.
Image draw_logo(int size);

}  // namespace assetgen
