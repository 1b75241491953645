#include "app/autostart.h"

#include "framework/core/exceptions.h"
#include "framework/registry.h"

#include <windows.h>

#include <cstdlib>

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Kestova";

bool MachineWritesRefused() {
  const char* seam = std::getenv("TESSALOOM_REFUSE_MACHINE_RUN");
  return seam && *seam;
}

std::string ReadRunValue(HKEY root) {
  TRegistry registry(KEY_READ);
  registry.SetRootKey(root);
  if (!registry.OpenKey(std::string("\\") + kRunKey, false))
    return {};
  return registry.ReadString(kRunValue);
}

// The machine-wide key is opened, never created; the user's key is created when missing.
LONG OpenRunKey(HKEY root, UniqueKey& key) {
  if (root == HKEY_LOCAL_MACHINE && MachineWritesRefused())
    return ERROR_ACCESS_DENIED;
  HKEY opened = nullptr;
  const LONG result =
      root == HKEY_LOCAL_MACHINE
          ? RegOpenKeyExA(root, kRunKey, 0, KEY_ALL_ACCESS, &opened)
          : RegCreateKeyExA(root, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  if (result == ERROR_SUCCESS)
    key.Reset(opened);
  return result;
}

LONG WriteRunValue(HKEY root, const std::string& command) {
  UniqueKey key;
  LONG result = OpenRunKey(root, key);
  if (result == ERROR_SUCCESS)
    result = RegSetValueExA(key.Get(), kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                            static_cast<DWORD>(command.size() + 1));
  return result;
}

// ERROR_SUCCESS also when the value or the key is not there.
LONG DeleteRunValue(HKEY root) {
  UniqueKey key;
  LONG result = OpenRunKey(root, key);
  if (result == ERROR_FILE_NOT_FOUND)
    return ERROR_SUCCESS;
  if (result == ERROR_SUCCESS)
    result = RegDeleteValueA(key.Get(), kRunValue);
  return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

bool ValuePresent(HKEY root) {
  TRegistry registry(KEY_READ);
  registry.SetRootKey(root);
  return registry.OpenKey(std::string("\\") + kRunKey, false) && registry.ValueExists(kRunValue);
}

[[noreturn]] void WriteFailed() {
  throw ERegistryException(std::string("Failed to set data for '") + kRunValue + "'");
}

}  // namespace

bool AutoStartRegistered() {
  return !ReadRunValue(HKEY_LOCAL_MACHINE).empty() || !ReadRunValue(HKEY_CURRENT_USER).empty();
}

TAutoStartPlace RegisterAutoStart(const std::string& command) {
  const LONG machine = WriteRunValue(HKEY_LOCAL_MACHINE, command);
  if (machine == ERROR_SUCCESS) {
    DeleteRunValue(HKEY_CURRENT_USER);
    return TAutoStartPlace::Machine;
  }
  if (machine != ERROR_ACCESS_DENIED)
    WriteFailed();
  // A machine-wide value already starts the program (written by an administrator): a second
  // one for the user would start it twice at logon.
  if (!ReadRunValue(HKEY_LOCAL_MACHINE).empty()) {
    DeleteRunValue(HKEY_CURRENT_USER);
    return TAutoStartPlace::MachineKept;
  }
  if (WriteRunValue(HKEY_CURRENT_USER, command) != ERROR_SUCCESS)
    WriteFailed();
  return TAutoStartPlace::User;
}

bool UnregisterAutoStart() {
  DeleteRunValue(HKEY_CURRENT_USER);
  if (!ValuePresent(HKEY_LOCAL_MACHINE))
    return true;
  return DeleteRunValue(HKEY_LOCAL_MACHINE) == ERROR_SUCCESS;
}
