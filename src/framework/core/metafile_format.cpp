#include "framework/core/metafile_format.h"

#include "framework/core/byte_order.h"
#include "framework/core/exceptions.h"

namespace {

constexpr uint32_t kEmfHeaderRecord = 1;
constexpr uint32_t kEmfEofRecord = 14;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr size_t kEmfMinHeader = 88;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeader = 22;
constexpr size_t kWmfHeader = 18;
constexpr uint16_t kWmfSetWindowExt = 0x020C;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Metafile is not valid"); }

MetafileLayout ParseEnhanced(const uint8_t* data, size_t size) {
  const uint32_t headerSize = ReadLE32(data + 4);
  const uint32_t total = ReadLE32(data + 48);
  if (headerSize < kEmfMinHeader || headerSize % 4 != 0 || total > size || total < headerSize)
    Invalid();
  // Walk the records: each one at least a type and a size, 4-byte multiples, the last the
  // end-of-file record exactly at the end.
  size_t p = 0;
  uint32_t lastType = 0;
  while (p < total) {
    if (total - p < 8)
      Invalid();
    const uint32_t type = ReadLE32(data + p);
    const uint32_t length = ReadLE32(data + p + 4);
    if (length < 8 || length % 4 != 0 || length > total - p)
      Invalid();
    lastType = type;
    p += length;
  }
  if (lastType != kEmfEofRecord)
    Invalid();

  const int32_t left = ReadLE32Signed(data + 24), top = ReadLE32Signed(data + 28);
  const int32_t right = ReadLE32Signed(data + 32), bottom = ReadLE32Signed(data + 36);
  const int64_t width = int64_t{right} - left, height = int64_t{bottom} - top;
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
    Invalid();
  MetafileLayout layout;
  layout.kind = MetafileKind::Enhanced;
  layout.size = total;
  layout.width = static_cast<int32_t>(width);
  layout.height = static_cast<int32_t>(height);
  layout.unitsPerInch = 2540;
  return layout;
}

// Checks the WMF header and records at data[0..size); returns the first window extent met,
// or 0 x 0 when there is none.
void WalkWindowsRecords(const uint8_t* data, size_t& size, int32_t& extX, int32_t& extY) {
  if (size < kWmfHeader)
    Invalid();
  const uint16_t type = ReadLE16(data), headerWords = ReadLE16(data + 2);
  const uint16_t version = ReadLE16(data + 4);
  const uint64_t total = uint64_t{ReadLE32(data + 6)} * 2;
  if ((type != 1 && type != 2) || headerWords != kWmfHeader / 2 ||
      (version != 0x0100 && version != 0x0300) || total > size || total < kWmfHeader)
    Invalid();
  size = static_cast<size_t>(total);
  extX = extY = 0;
  size_t p = kWmfHeader;
  for (;;) {
    if (size - p < 6)
      Invalid();  // ran out before the end record
    const uint64_t length = uint64_t{ReadLE32(data + p)} * 2;
    const uint16_t function = ReadLE16(data + p + 4);
    if (length < 6 || length > size - p)
      Invalid();
    if (function == 0)
      return;
    if (function == kWmfSetWindowExt && length >= 10 && extX == 0 && extY == 0) {
      extY = ReadLE16Signed(data + p + 6);  // the record holds y before x
      extX = ReadLE16Signed(data + p + 8);
    }
    p += static_cast<size_t>(length);
  }
}

}  // namespace

MetafileLayout ParseMetafile(const uint8_t* data, size_t size) {
  if (size >= kEmfMinHeader && ReadLE32(data) == kEmfHeaderRecord &&
      ReadLE32(data + 40) == kEmfSignature)
    return ParseEnhanced(data, size);

  MetafileLayout layout;
  layout.kind = MetafileKind::Windows;
  if (size >= kPlaceableHeader && ReadLE32(data) == kPlaceableKey) {
    // The checksum is not checked: writers get it wrong, and it guards nothing read here.
    const int32_t left = ReadLE16Signed(data + 6), top = ReadLE16Signed(data + 8);
    const int32_t right = ReadLE16Signed(data + 10), bottom = ReadLE16Signed(data + 12);
    layout.unitsPerInch = ReadLE16(data + 14);
    layout.width = right - left;
    layout.height = bottom - top;
    layout.offset = kPlaceableHeader;
    if (layout.unitsPerInch == 0 || layout.width <= 0 || layout.height <= 0)
      Invalid();
    size_t records = size - kPlaceableHeader;
    int32_t extX = 0, extY = 0;
    WalkWindowsRecords(data + kPlaceableHeader, records, extX, extY);
    layout.size = records;
    return layout;
  }

  size_t records = size;
  int32_t extX = 0, extY = 0;
  WalkWindowsRecords(data, records, extX, extY);
  // Without a placeable header only the window extent tells the picture's size; negative
  // extents flip the picture, they do not change its size.
  layout.width = extX < 0 ? -extX : extX;
  layout.height = extY < 0 ? -extY : extY;
  if (layout.width == 0 || layout.height == 0)
    Invalid();
  layout.size = records;
  return layout;
}

int32_t MetafilePixels(int32_t units, int32_t unitsPerInch, int dpi) {
  if (unitsPerInch == 0)
    return units;
  return static_cast<int32_t>((int64_t{units} * dpi + unitsPerInch / 2) / unitsPerInch);
}
