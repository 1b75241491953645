#include "skin/model/toolbar_gradient.h"

#include "skin/model/bitmap_pieces.h"
#include "skin/model/bitmap_utils.h"

#include <algorithm>

namespace {

constexpr TColour kWhite = 0xFFFFFF;
constexpr TColour kGrey = 0x808080;
constexpr int kToolbarWidth = 10;
constexpr int kToolbarHeight = 40;
constexpr int kSaturatedFrame = 110;

// The gradient's lower colour: grey tinted by the frame, or for a strongly coloured frame the
// frame lightened, the more the weaker its colour.
TColour ToolbarBottom(TColour frame) {
  const int32_t s = ColourSaturation(ResolveColour(frame));
  if (s > kSaturatedFrame)
    return MixColours(frame, kWhite, (225 - s) * 25 / 140 + 50);
  return MixColours(kGrey, frame, 150);
}

}  // namespace

TColour BorderColour(const TSkinElementTable& e, const TSkinColours& colours) {
  const TBitmap& top = e.TopBorder.Image;
  if (top.Empty())
    return colours.Colours[ciButtonFace];
  // A frame count the skin got wrong counts as one frame.
  const int frames = std::max(e.TopBorder.FrameCount, 1);
  return BitmapPixel(top, top.Width() / 3, top.Height() / frames / 3);
}

void BuildToolbar(TSkinElementTable& e, const TSkinColours& colours) {
  const TColour frame = BorderColour(e, colours);
  const TColour top = MixColours(colours.Colours[ciButtonFace], kWhite, 150);
  const TColour bottom = ToolbarBottom(frame);
  TBitmap image(kToolbarWidth, kToolbarHeight, 24);
  GradientFillBitmap(image, top, true, bottom);
  if (!e.Toolbar)
    e.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  e.Toolbar->Image = std::move(image);
  e.Toolbar->FrameCount = 1;
}
