#pragma once
#include <cstddef>
#include <cstdint>

// The two metafile formats: enhanced (EMF) and Windows (WMF, plain or with the 22-byte
// placeable header in front). The header and the chain of records are checked before the
// bytes go to the system; a damaged file raises EInvalidGraphic("Metafile is not valid").

enum class MetafileKind { Enhanced, Windows };

struct MetafileLayout {
  MetafileKind kind = MetafileKind::Enhanced;
  size_t offset = 0;         // where the EMF, or the WMF records after a placeable header, start
  size_t size = 0;           // their length in bytes
  int32_t width = 0;         // the picture's natural size, in units of unitsPerInch
  int32_t height = 0;
  int32_t unitsPerInch = 0;  // 2540 (0.01 mm) for EMF; the placeable header's own unit;
                             // 0 for a plain WMF, whose size is its window extent in pixels
};

MetafileLayout ParseMetafile(const uint8_t* data, size_t size);

// The natural size in pixels at the given resolution (dots per inch).
int32_t MetafilePixels(int32_t units, int32_t unitsPerInch, int dpi);
