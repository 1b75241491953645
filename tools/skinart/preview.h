#pragma once
// A mock-up of a skinned window built from the skin's own pictures, sliced and stretched the
// way the engine draws them, so the skin can be judged as a whole before it is packed.

#include <map>
#include <string>

#include "bitmap24.h"
#include "text.h"

namespace skinart {

// pictures: every bitmap of the skin by file name.
Bitmap24 draw_preview(const std::map<std::string, Bitmap24>& pictures, const assetgen::Font& font);

}  // namespace skinart
