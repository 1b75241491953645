#include "app/wallpaper_apply.h"

#include <windows.h>

#include <stdexcept>

namespace {

// The desktop key, opened (never created) for the time of one apply.
class DesktopKey {
public:
  DesktopKey() {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~DesktopKey() { if (key_) RegCloseKey(key_); }
  DesktopKey(const DesktopKey&) = delete;
  DesktopKey& operator=(const DesktopKey&) = delete;

  void WriteString(const char* name, const std::string& value) {
    // A key that failed to open makes the write fail with the same message.
    if (!key_ || RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
      throw std::runtime_error(std::string("Failed to set data for '") + name + "'");
  }

private:
  HKEY key_ = nullptr;
};

}  // namespace

void ApplyWallpaper(const std::string& path) {
  DesktopKey desktop;
  desktop.WriteString("TileWallPaper", "0");
  desktop.WriteString("Wallpaper", path);
  // With no data pointer Windows reloads the wallpaper the desktop settings name.
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, nullptr, SPIF_SENDWININICHANGE);
}
