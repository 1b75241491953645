#pragma once

#include "image.h"
#include "text.h"

namespace assetgen {

inline constexpr int kBannerWidth = 560;
inline constexpr int kBannerHeight = 73;
// The window shows only this many columns; everything that matters stays inside them.
inline constexpr int kBannerVisibleWidth = 554;

// The banner across the top of the main window: logo, product name, subtitle and the two
// links to the maker's web site. The font must carry Latin and CJK glyphs.
Image draw_banner(const Font& font);

}  // namespace assetgen
