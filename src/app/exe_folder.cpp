#include "app/exe_folder.h"

#include <windows.h>

#include <vector>

std::string ExePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size())
      return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // a long path: try again with room for it
  }
}

std::string ExeFolder() {
  const std::string path = ExePath();
  return path.substr(0, path.find_last_of('\\') + 1);
}
