#include "skin/model/menu_glyphs.h"

#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap.h"
#include "skin/model/skin_bitmap_loading.h"

namespace {

constexpr COLORREF kMaskColour = RGB(255, 255, 255);

}  // namespace

UniqueImageList LoadMenuGlyphs() {
  TBitmap strip;
  LoadEngineBitmap(strip, "DURAZUREVIVU");
  // The list keeps its own copy; a direct-colour source avoids palette quirks of 1-bit DIBs.
  strip.SetBitCount(24);
  UniqueImageList list(ImageList_Create(kMenuGlyphSize, kMenuGlyphSize, ILC_COLOR24 | ILC_MASK, kMenuGlyphCount, 0));
  if (!list || ImageList_AddMasked(list.Get(), strip.Handle(), kMaskColour) < 0)
    throw EOutOfResources("Out of system resources");
  return list;
}
