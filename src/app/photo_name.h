#pragma once
#include <string>

// True when a file name ends in ".jpg", ".jpeg" or ".png" in any letter case: the photos the
// folder scan takes besides the bitmaps when asked to, and that are converted before they are
// applied.
bool IsPhotoName(const std::string& name);
