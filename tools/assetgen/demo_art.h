#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

// One picture of the demo folder: where it goes below the folder, and the picture.
struct DemoPicture {
    std::string path;  // relative, '/'-separated
    Image image;
};

// The demo folder that the run command rotates: the lake scene at several times of day, in a
// small tree (pictures in the top folder and in subfolders, one with an upper-case extension).
std::vector<DemoPicture> draw_demo_pictures();

}  // namespace assetgen
