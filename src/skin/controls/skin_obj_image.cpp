#include "skin/controls/skin_obj_image.h"

#include "framework/control.h"
#include "framework/glyph.h"
#include "skin/data/skin_data.h"
#include "skin/model/memory_dc.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// For each image of a strip, the skin frame (1-based) copied into it; 0 leaves it magenta.
// Skins of four or five frames hold unchecked, checked, disabled unchecked, disabled checked
// (and grayed, used only when there are exactly five). Skins whose marks come four frames per
// state (normal, hot, pressed, disabled: twelve for a check box, eight for a radio button) give
// each image its own frame, the hot ones included.
std::vector<int> StripSources(int glyphMode, int frames) {
  const int grayed = frames == 5 ? 5 : 0;
  const bool fourPerState = (frames == 12 && glyphMode != gmRadioStrip) || (frames == 8 && glyphMode == gmRadioStrip);
  switch (glyphMode) {
    case gmCheckStrip:
      if (fourPerState)
        return {1, 5, 9, 2, 6, 10, 4, 8, 12};
      return {1, 2, grayed, 1, 2, grayed, 3, 4, grayed};
    case gmRadioStrip:
      if (fourPerState)
        return {1, 5, 2, 6, 4, 8};
      return {1, 2, 1, 2, 3, 4};
    case gmPropertiesGlyph:
      if (fourPerState)
        return {1, 5, 9, 2, 6, 10};
      return {1, 2, grayed, 1, 2, grayed};
    default:
      return {};
  }
}

}  // namespace

TBitmap BuildGlyphStrip(int glyphMode, const TBitmap& picture, int frames) {
  const std::vector<int> sources = StripSources(glyphMode, frames);
  if (sources.empty() || picture.Empty() || frames <= 0)
    return {};
  const int width = picture.Width() / frames, height = picture.Height();
  if (width <= 0 || height <= 0)
    return {};
  TBitmap strip(width * static_cast<int>(sources.size()), height);
  TMemoryDC to(strip.Handle());
  TMemoryDC from(picture.Handle());
  const RECT all{0, 0, strip.Width(), height};
  TSkinControl::FillColor(to.Get(), all, kMagenta);
  for (size_t i = 0; i < sources.size(); ++i)
    if (sources[i] > 0 && sources[i] <= frames)
      BitBlt(to.Get(), static_cast<int>(i) * width, 0, width, height, from.Get(), (sources[i] - 1) * width, 0, SRCCOPY);
  return strip;
}

void TSkinObjImage::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC) {
  if (isAttached_)
    return;
  skinnedControl_ = dynamic_cast<TWinControl*>(Owner());
  if (!skinnedControl_)
    return;
  skinData_ = skinData;
  ownerForm_ = ownerForm;
  manageColor_ = manageColor;
  windowHandle_ = skinnedControl_->HandleAllocated() ? skinnedControl_->Handle() : nullptr;
  if (ownerForm_)
    ownerForm_->RegisterControlSkinner(this);
  AssignStrip();
  isAttached_ = true;
  lifeState_ = lsAttached;
}

void TSkinObjImage::AssignStrip() {
  if (!skinData_ || !skinnedControl_)
    return;
  const TDataSkinButton& buttons = skinData_->Elements().Buttons;
  const bool radio = glyphMode_ == gmRadioStrip;
  TBitmap strip = BuildGlyphStrip(glyphMode_, radio ? buttons.RadioImage : buttons.CheckImage,
                                  radio ? buttons.RadioFrameCount : buttons.CheckFrameCount);
  if (strip.Empty())
    return;  // a skin without the picture leaves the control its own look
  if (glyphMode_ == gmPropertiesGlyph) {
    TComponent* properties = GetObjectProperty(skinnedControl_, "Properties", "TComponent");
    if (auto* glyph = dynamic_cast<TGlyph*>(GetObjectProperty(properties, "Glyph", "TGlyph")))
      glyph->SetBitmap(std::move(strip));
    return;
  }
  auto* glyphs = dynamic_cast<TGlyph*>(GetObjectProperty(skinnedControl_, "CustomGlyphs", "TGlyph"));
  if (!glyphs)
    return;
  glyphs->SetBitmap(std::move(strip));
  SetPropertyText(skinnedControl_, "TransparentColor", std::to_string(kMagenta));
  // Off and on again: the control takes a new strip when the switch turns on.
  SetPropertyText(skinnedControl_, "UseCustomGlyphs", "false");
  SetPropertyText(skinnedControl_, "UseCustomGlyphs", "true");
}

void TSkinObjImage::Detach() {
  if (!isActive_)
    return;
  isActive_ = false;
  if (lifeState_ == lsWindowGone || !skinnedControl_)
    return;
  if (glyphMode_ == gmPropertiesGlyph) {
    TComponent* properties = GetObjectProperty(skinnedControl_, "Properties", "TComponent");
    if (auto* glyph = dynamic_cast<TGlyph*>(GetObjectProperty(properties, "Glyph", "TGlyph")))
      glyph->SetBitmap(TBitmap());
  } else {
    SetPropertyText(skinnedControl_, "UseCustomGlyphs", "false");
  }
}

void TSkinObjImage::SkinChanged() {
  AssignStrip();
}
