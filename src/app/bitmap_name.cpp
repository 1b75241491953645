#include "app/bitmap_name.h"

#include <algorithm>

bool IsBitmapName(const std::string& name) {
  if (name.size() < 3)
    return false;
  std::string tail = name.substr(name.size() - 3);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return tail == "bmp";
}

std::string WithTrailingBackslash(const std::string& folder) {
  // Tested on the last byte: a GBK trail byte of 0x5C would count as a backslash here too.
  if (!folder.empty() && folder.back() == '\\')
    return folder;
  return folder + '\\';
}
