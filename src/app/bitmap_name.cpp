#include "app/bitmap_name.h"

#include "framework/core/sysutils.h"

bool IsBitmapName(const std::string& name) {
  return name.size() >= 3 && AsciiLowerCase(name.substr(name.size() - 3)) == "bmp";
}
