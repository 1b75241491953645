#include "framework/colour.h"

COLORREF ColorToRGB(TColor c) {
  if (IsSystemColor(c))
    return GetSysColor(SystemColorIndex(c));
  return static_cast<COLORREF>(c) & 0x00FFFFFFu;
}

HBRUSH TColorBrush::For(TColor c) {
  if (brush_ && c == colour_)
    return brush_;
  owned_.Reset();
  brush_ = IsSystemColor(c) ? GetSysColorBrush(SystemColorIndex(c)) : nullptr;
  if (!brush_) {
    owned_.Reset(CreateSolidBrush(ColorToRGB(c)));
    brush_ = owned_.Get();
  }
  colour_ = c;
  return brush_;
}
