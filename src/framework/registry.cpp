#include "framework/registry.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <vector>

TRegistry::TRegistry(REGSAM access) : access_(access), root_(HKEY_CURRENT_USER) {}

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const bool fromRoot = !key.empty() && key[0] == '\\';
  const HKEY base = (fromRoot || !key_) ? root_ : key_.Get();
  // The system takes no leading backslash.
  const std::string path = fromRoot ? key.substr(1) : key;
  HKEY opened = nullptr;
  LONG result;
  if (canCreate)
    result = RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                             nullptr, &opened, nullptr);
  else
    result = RegOpenKeyExA(base, path.c_str(), 0, access_, &opened);
  if (result != ERROR_SUCCESS)
    return false;
  key_.Reset(opened);
  return true;
}

void TRegistry::CloseKey() { key_.Reset(); }

std::string TRegistry::ReadString(const std::string& name) const {
  if (!key_)
    return {};
  std::vector<char> data(256);
  for (;;) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG result = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) {
      data.resize(size + 1);  // the value may grow again before the next call; loop
      continue;
    }
    if (result != ERROR_SUCCESS)
      return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
      throw ERegistryException(Format("Invalid data type for '%s'", name.c_str()));
    // The stored bytes may or may not end in a terminator; the text ends at the first NUL.
    std::string text(data.data(), size);
    const size_t nul = text.find('\0');
    if (nul != std::string::npos)
      text.resize(nul);
    return text;
  }
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  const char* text = value.c_str();
  const DWORD size = static_cast<DWORD>(std::char_traits<char>::length(text) + 1);
  if (!key_ || RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text), size) != ERROR_SUCCESS)
    throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
}

bool TRegistry::DeleteValue(const std::string& name) {
  return key_ && RegDeleteValueA(key_.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return key_ && RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                     ERROR_SUCCESS;
}
