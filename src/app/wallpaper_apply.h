#pragma once
#include <string>

// Makes PATH the desktop wallpaper: writes TileWallPaper = "0" and Wallpaper = PATH under the
// current user's Control Panel\Desktop, then asks Windows to reload it. The path is not checked.
// Throws ERegistryException("Failed to set data for '<value>'") when a value cannot be written.
void ApplyWallpaper(const std::string& path);
