#pragma once
#include <string>

// Makes the photo (JPEG or PNG, told by its first bytes) at PHOTO into the bitmap the desktop
// shows: decoded (a large JPEG already reduced by its decoder), scaled to cover WIDTH x HEIGHT
// keeping its aspect, its centre kept, and written as a 24-bit BMP file at BMP_PATH. The file
// there is replaced only once the new picture is whole. A photo that cannot be used raises an
// Exception whose message says why (empty, not a JPEG or PNG, damaged, truncated, too large);
// BMP_PATH is then left as it was.
void WritePhotoWallpaper(const std::string& photo, int width, int height, const std::string& bmpPath);
