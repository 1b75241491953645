#pragma once
// The current user's desktop values under HKCU "Control Panel\Desktop", read and written directly
// in the registry the program under test shares with the harness.
#include <optional>
#include <string>

namespace e2e {

// The value as a registry string (REG_SZ); nullopt when it is missing or of another type.
std::optional<std::string> ReadDesktopString(const std::string& name);
void WriteDesktopString(const std::string& name, const std::string& value);
void DeleteDesktopValue(const std::string& name);

// Keeps the user's wallpaper values: remembers them when made, puts them back when destroyed.
class TDesktopSettingsGuard {
public:
  TDesktopSettingsGuard();
  ~TDesktopSettingsGuard();
  TDesktopSettingsGuard(const TDesktopSettingsGuard&) = delete;
  TDesktopSettingsGuard& operator=(const TDesktopSettingsGuard&) = delete;

private:
  std::optional<std::string> wallpaper_;  // "Wallpaper" before the test
  std::optional<std::string> tile_;       // "TileWallPaper" before the test
};

}  // namespace e2e
