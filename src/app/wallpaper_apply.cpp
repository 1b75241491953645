#include "app/wallpaper_apply.h"

#include "framework/registry.h"

#include <windows.h>

void ApplyWallpaper(const std::string& path) {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(HKEY_CURRENT_USER);
  // Opened, never created; a key that failed to open makes the writes fail with their message.
  registry.OpenKey("Control Panel\\Desktop", false);
  registry.WriteString("TileWallPaper", "0");
  registry.WriteString("Wallpaper", path);
  // With no data pointer Windows reloads the wallpaper the desktop settings name.
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, nullptr, SPIF_SENDWININICHANGE);
}
