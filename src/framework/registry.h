#pragma once
#include "framework/core/unique_handle.h"

#include <windows.h>

#include <string>

struct TRegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};
using UniqueKey = TUniqueHandle<TRegKeyTraits>;

// Registry access through one open key under a root (HKEY_CURRENT_USER unless set), with the
// ANSI calls. Values are read and written as strings.
class TRegistry {
public:
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);  // closes the open key
  HKEY CurrentKey() const { return key_.Get(); }
  REGSAM Access() const { return access_; }

  // Opens key and makes it the current key. A leading "\" makes the path relative to the root,
  // otherwise it is relative to the current key (or the root when none is open). Without
  // canCreate a missing key is not created and false comes back; the current key then stays.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  // A missing value or no open key reads as "". A value of a non-string type raises
  // ERegistryException "Invalid data type for '%s'".
  std::string ReadString(const std::string& name) const;
  // Writes a REG_SZ value; any failure, no open key included, raises ERegistryException
  // "Failed to set data for '%s'".
  void WriteString(const std::string& name, const std::string& value);
  bool DeleteValue(const std::string& name);
  bool ValueExists(const std::string& name) const;

private:
  REGSAM access_;   // rights asked for when a key is opened
  HKEY root_;       // the root the paths start from (not owned)
  UniqueKey key_;   // the current key, if one is open
};
