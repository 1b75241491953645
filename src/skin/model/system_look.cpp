#include "skin/model/system_look.h"

#include "skin/model/bitmap_pieces.h"
#include "skin/format/colour_math.h"
#include "skin/model/memory_dc.h"

namespace {

// The non-client metrics as the oldest systems define them, without the padded border width.
constexpr UINT kClassicMetricsSize = 340;

HICON WindowIcon(HWND window) {
  if (!window)
    return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon)
    icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

}  // namespace

TBitmap BuildFormIcon(HWND window) {
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  TBitmap picture(w, h, 24);
  FillBitmap(picture, kColourKey);
  HICON icon = WindowIcon(window);
  if (!icon)
    return picture;
  UniqueIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, w, h, LR_COPYFROMRESOURCE)));
  if (!copy)
    return picture;
  {
    TMemoryDC dc(picture.Handle());
    DrawIconEx(dc.Get(), 0, 0, copy.Get(), w, h, 0, nullptr, DI_NORMAL);
    GdiFlush();
  }
  return picture;
}

UniqueFont CreateCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kClassicMetricsSize;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kClassicMetricsSize, &metrics, 0))
    return UniqueFont();
  return UniqueFont(CreateFontIndirectA(&metrics.lfCaptionFont));
}
