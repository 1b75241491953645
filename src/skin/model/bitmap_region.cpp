#include "skin/model/bitmap_region.h"

#include "framework/core/exceptions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kGrowBy = 500;      // rectangles added to the buffer when it is full
constexpr size_t kFlushAt = 2000;    // rectangles per ExtCreateRegion call

// Inclusive channel bounds of the transparent colours.
struct TKeyRange {
  int lowR, lowG, lowB;
  int highR, highG, highB;
  bool Contains(int r, int g, int b) const {
    return r >= lowR && r <= highR && g >= lowG && g <= highG && b >= lowB && b <= highB;
  }
};

// Collects row runs and unites them into one region a batch at a time.
class TRegionBuilder {
public:
  TRegionBuilder() { rects_.reserve(kGrowBy); }

  void Add(const RECT& r) {
    if (rects_.size() == rects_.capacity())
      rects_.reserve(rects_.size() + kGrowBy);
    rects_.push_back(r);
    if (rects_.size() == kFlushAt)
      Flush();
  }

  // Unites what the buffer holds with the region so far and empties the buffer.
  void Flush() {
    if (rects_.empty())
      return;
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects_.size());
    header->nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
    header->rcBound = Bounds();
    std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects_.data(), rects_.size() * sizeof(RECT));
    UniqueRgn part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                   reinterpret_cast<const RGNDATA*>(data.data())));
    if (!part)
      throw EOutOfResources("Out of system resources");
    rects_.clear();
    if (!region_)
      region_ = std::move(part);
    else
      CombineRgn(region_.Get(), region_.Get(), part.Get(), RGN_OR);
  }

  UniqueRgn Take() {
    Flush();
    return std::move(region_);
  }

private:
  RECT Bounds() const {
    RECT b = rects_.front();
    for (const RECT& r : rects_)
      b = RECT{std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right),
               std::max(b.bottom, r.bottom)};
    return b;
  }

  std::vector<RECT> rects_;  // runs not yet in the region
  UniqueRgn region_;         // the union so far; null until the first batch
};

// The key's channel plus its tolerance, at most 255; wide so that no tolerance overflows.
int UpperBound(int low, int tolerance) {
  return static_cast<int>(std::min<int64_t>(255, static_cast<int64_t>(low) + tolerance));
}

}  // namespace

UniqueRgn BitmapToRegion(const TBitmap& bitmap, int xOffset, int yOffset, int blueTolerance,
                         int greenTolerance, int redTolerance, TColour key) {
  if (bitmap.Empty())
    return {};
  // Read a 32-bit copy of other formats rather than change the caller's bitmap.
  TBitmap converted;
  if (bitmap.BitCount() != 32) {
    converted = bitmap.Clone();
    converted.SetBitCount(32);
  }
  const TBitmap& pixels = converted.Empty() ? bitmap : converted;
  const int r0 = RedOf(key), g0 = GreenOf(key), b0 = BlueOf(key);
  const TKeyRange range{r0, g0, b0, UpperBound(r0, redTolerance), UpperBound(g0, greenTolerance),
                        UpperBound(b0, blueTolerance)};

  TRegionBuilder builder;
  const int w = pixels.Width();
  for (int y = 0; y < pixels.Height(); ++y) {
    const uint8_t* row = pixels.ScanLine(y);
    auto opaque = [&](int x) {
      const uint8_t* p = row + 4 * x;
      return !range.Contains(p[2], p[1], p[0]);
    };
    for (int x = 0; x < w;) {
      if (!opaque(x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < w && opaque(x))
        ++x;
      builder.Add(RECT{start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
    }
  }
  return builder.Take();
}
