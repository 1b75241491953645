#pragma once
// Every picture of the default skin with the file name the description refers to it by.

#include <string>
#include <vector>

#include "bitmap24.h"

namespace skinart {

struct SkinPicture {
    std::string file;     // entry name in the package, lower case
    Bitmap24 (*draw)();   // draws the whole strip
};

const std::vector<SkinPicture>& skin_pictures();

}  // namespace skinart
