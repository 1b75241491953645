#include "desktop_settings.h"

#include "harness_error.h"
#include "owned_handles.h"

#include <vector>

namespace e2e {
namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";

bool SetDesktopString(const std::string& name, const std::string& value) {
  TRegistryKey key(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE);
  return key.IsOpen() &&
         RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Best effort: it runs in a destructor.
void Restore(const char* name, const std::optional<std::string>& value) {
  if (value)
    SetDesktopString(name, *value);
  else
    DeleteDesktopValue(name);
}

}  // namespace

std::optional<std::string> ReadDesktopString(const std::string& name) {
  TRegistryKey key(HKEY_CURRENT_USER, kDesktopKey, KEY_QUERY_VALUE);
  if (!key.IsOpen())
    return std::nullopt;
  // One query with room to spare, again with more room if the value grew meanwhile: the
  // program may rewrite it between a size query and a data query.
  std::vector<char> data(1024);
  for (;;) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size() - 1);
    const LONG status = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
      data.resize(2 * data.size());
      continue;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ)
      return std::nullopt;
    data[size] = '\0';
    return std::string(data.data());
  }
}

void WriteDesktopString(const std::string& name, const std::string& value) {
  if (!SetDesktopString(name, value))
    throw THarnessError("cannot write the desktop value " + name);
}

void DeleteDesktopValue(const std::string& name) {
  TRegistryKey key(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE);
  if (key.IsOpen())
    RegDeleteValueA(key.Get(), name.c_str());
}

TDesktopSettingsGuard::TDesktopSettingsGuard()
    : wallpaper_(ReadDesktopString("Wallpaper")), tile_(ReadDesktopString("TileWallPaper")) {}

TDesktopSettingsGuard::~TDesktopSettingsGuard() {
  Restore("Wallpaper", wallpaper_);
  Restore("TileWallPaper", tile_);
}

}  // namespace e2e
