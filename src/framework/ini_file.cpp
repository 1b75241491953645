#include "framework/ini_file.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <windows.h>

#include <utility>

namespace {

constexpr DWORD kValueBuffer = 2048;

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  char buffer[kValueBuffer];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                buffer, kValueBuffer, fileName_.c_str());
  return std::string(buffer, length < kValueBuffer ? length : kValueBuffer - 1);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
    throw EIniFileException(Format("Unable to write to %s", fileName_.c_str()));
}
