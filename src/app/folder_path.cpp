#include "app/folder_path.h"

#include <windows.h>

bool EndsInBackslash(const std::string& path) {
  if (path.empty())
    return false;
  // CharPrevA walks from the start, so it knows whether the last byte trails a lead byte.
  const char* begin = path.c_str();
  const char* end = begin + path.size();
  const char* last = CharPrevA(begin, end);
  return last == end - 1 && *last == '\\';
}

std::string WithTrailingBackslash(const std::string& folder) {
  return EndsInBackslash(folder) ? folder : folder + '\\';
}
