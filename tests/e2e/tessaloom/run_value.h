#pragma once
// The program's value under a Run key, as the tests write, read and remove it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace e2e {

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Kestova";

// The value under the Run key of ROOT; whatever a test leaves there is removed again.
class TRunValueAt {
public:
  explicit TRunValueAt(HKEY root) : root_(root) {}
  ~TRunValueAt() { Remove(); }
  void Write(const std::string& data) const {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root_, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
  }
  std::optional<std::string> Read() const {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(root_, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return std::string(buffer);
  }
  void Remove() const {
    HKEY key;
    if (RegOpenKeyExA(root_, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, kRunValue);
      RegCloseKey(key);
    }
  }

private:
  HKEY root_;
};

}  // namespace e2e
