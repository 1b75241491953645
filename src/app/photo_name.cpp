#include "app/photo_name.h"

#include "framework/core/sysutils.h"

bool IsPhotoName(const std::string& name) {
  const std::string lower = AsciiLowerCase(name);
  for (const std::string ext : {".jpg", ".jpeg", ".png"})
    if (lower.size() > ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
      return true;
  return false;
}
