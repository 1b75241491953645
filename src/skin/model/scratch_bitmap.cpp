#include "skin/model/scratch_bitmap.h"

#include "framework/core/exceptions.h"

#include <algorithm>
#include <utility>

TScratchBitmap::TScratchBitmap() : dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_)
    throw EOutOfResources("Out of system resources");
  original_ = GetCurrentObject(dc_.Get(), OBJ_BITMAP);
  SetStretchBltMode(dc_.Get(), COLORONCOLOR);
}

TScratchBitmap::~TScratchBitmap() { SelectObject(dc_.Get(), original_); }

void TScratchBitmap::SetSize(int width, int height) {
  // Made first, so that a failure leaves the old picture in place.
  TBitmap next(std::max(width, 0), std::max(height, 0));
  // A bitmap may not be freed while it is selected.
  SelectObject(dc_.Get(), original_);
  bitmap_ = std::move(next);
  if (!bitmap_.Empty())
    SelectObject(dc_.Get(), bitmap_.Handle());
}

TScratchBitmap& ScratchBitmap() {
  static TScratchBitmap scratch;
  return scratch;
}
