#pragma once

#include "image.h"

namespace assetgen {

inline constexpr int kWallpaperWidth = 800;
inline constexpr int kWallpaperHeight = 500;

// The default wallpaper in full colour: a lake among mountains at dusk.
Image draw_wallpaper();

}  // namespace assetgen
