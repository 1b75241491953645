#pragma once
// The live GDI objects of this process, counted from inside it. GetGuiResources answers 0 under
// Wine, but Wine resolves a GDI handle given as its bare 16-bit table index, so every index
// from 1 to 0xFFFF that GetObjectType recognises is one live object.

#include <windows.h>

#include <array>
#include <cstdint>

// Counts by GetObjectType's answer (OBJ_PEN = 1 ... OBJ_COLORSPACE = 14); index 0 is unused.
using TGdiObjectCounts = std::array<int, 15>;

inline TGdiObjectCounts LiveGdiObjectsByType() {
  TGdiObjectCounts counts{};
  for (uintptr_t index = 1; index <= 0xFFFF; ++index) {
    const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
    if (type > 0 && type < counts.size())
      ++counts[type];
  }
  return counts;
}

inline int LiveGdiObjects() {
  int total = 0;
  for (int count : LiveGdiObjectsByType())
    total += count;
  return total;
}

// A short name of an object type, for reports.
inline const char* GdiObjectTypeName(size_t type) {
  static const char* const names[] = {"?",      "pen",     "brush",    "dc",      "metadc",
                                      "palette", "font",   "bitmap",   "region",  "metafile",
                                      "memdc",   "extpen", "enhmetadc", "enhmetafile", "colorspace"};
  return type < std::size(names) ? names[type] : "?";
}
