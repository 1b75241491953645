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
