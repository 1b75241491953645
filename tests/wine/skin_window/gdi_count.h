#pragma once
// Live GDI objects of the process: GetGuiResources answers 0 under Wine, but every live object
// has a handle index below 0x10000 that GetObjectType recognises.

#include <windows.h>

#include <cstdint>

inline int GdiObjectCount() {
  int count = 0;
  for (uintptr_t i = 1; i <= 0xFFFF; ++i)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return count;
}
