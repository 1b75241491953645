#include "skin/model/caption_buttons_loader.h"

#include "skin/format/description_vocabulary.h"
#include "skin/model/bitmap_pieces.h"
#include "skin/model/skin_bitmap_loading.h"

#include <algorithm>

namespace {

constexpr int32_t kMdiFirstAction = 7;  // 7, 8, 9: the MDI child's restore, minimise, close
constexpr int kMdiButtonCount = 3;
constexpr int kMdiFramesPerButton = 4;
constexpr int32_t kMdiPlacement = 100;

// A button without an action that is not explicitly always shown never appears.
bool IsHiddenPlaceholder(const TQuickIni& ini, const std::string& section) {
  return ini.ReadInteger(section, "Action", 0) == -1 && ini.ReadInteger(section, "Visibility", -1) != 0;
}

// Action 4 buttons sit where the maximise button (action 1, shown when maximised) sits.
struct TMaximisePosition {
  bool Known = false;
  int32_t X = 0;
  int32_t Y = 0;
};

std::unique_ptr<TDataSkinSysButton> LoadCaptionButton(const TQuickIni& ini, const TSkinReader& reader,
                                                      const std::string& section,
                                                      TMaximisePosition& maximise) {
  auto button = std::make_unique<TDataSkinSysButton>(AsciiUpper(section));
  TDataSkinSysButton& b = *button;
  b.Action = ini.ReadInteger(section, "Action", 0);
  b.Align = ini.ReadInteger(section, "Align", 0);
  b.XCoord = ini.ReadInteger(section, "Xcoord", 0);
  b.YCoord = ini.ReadInteger(section, "Ycoord", 0);
  b.Visibility = ini.ReadInteger(section, "Visibility", 0);
  b.Visibility1 = ini.ReadInteger(section, "Visibility1", b.Action == -1 ? -1 : 0);
  if (b.Action == 1 && b.Visibility == 2)
    maximise = {true, b.XCoord, b.YCoord};
  if (b.Action == 4 && maximise.Known) {
    b.XCoord = maximise.X;
    b.YCoord = maximise.Y;
  }
  b.CombineOp = ini.ReadInteger(section, "CombineOp", -1);
  b.FrameCount = ini.ReadInteger(section, "frame", 0);
  LoadSkinBitmap(reader, b.Image, ini.ReadString(section, "ButtonImage", ""));
  if (b.FrameCount == 0) {
    b.FrameCount = CaptionButtonFrameCount(b.Image, b.Action);
    // Actions 3 and 11 are drawn by the frame painter itself when no frames are given.
    if (b.Action == 3 || b.Action == 11)
      b.Image.Clear();
  }
  return button;
}

std::unique_ptr<TDataSkinSysButton> MdiButton(int32_t action) {
  auto button = std::make_unique<TDataSkinSysButton>();
  button->Action = action;
  button->Align = kMdiPlacement;
  button->Visibility = kMdiPlacement;
  button->Visibility1 = kMdiPlacement;
  button->FrameCount = kMdiFramesPerButton;
  return button;
}

}  // namespace

std::vector<std::string> CaptionButtonSections(const TQuickIni& ini, const std::vector<std::string>& sections) {
  std::vector<std::string> kept;
  for (const std::string& section : sections) {
    if (IsCaptionButtonSectionName(section) && !IsHiddenPlaceholder(ini, section))
      kept.push_back(section);
  }
  return kept;
}

int32_t CaptionButtonFrameCount(const TBitmap& image, int32_t action) {
  return image.Empty() ? 6 : CaptionStripFrameCount(image.Width(), image.Height(), action);
}

void LoadSysButtons(const TQuickIni& ini, const TSkinReader& reader,
                    const std::vector<std::string>& sections, TSysButtons& buttons) {
  buttons.clear();
  const std::vector<std::string> kept = CaptionButtonSections(ini, sections);
  buttons.reserve(kept.size() + kMdiButtonCount);
  TMaximisePosition maximise;
  for (const std::string& section : kept)
    buttons.push_back(LoadCaptionButton(ini, reader, section, maximise));
  for (int i = 0; i < kMdiButtonCount; ++i)
    buttons.push_back(MdiButton(kMdiFirstAction + i));
  LoadMdiButtons(ini, reader, buttons);
}

void LoadMdiButtons(const TQuickIni& ini, const TSkinReader& reader, TSysButtons& buttons) {
  TBitmap strip;
  LoadSkinBitmap(reader, strip, ini.ReadString("MDICONTROLS", "Image", ""));
  if (strip.Empty() || buttons.size() < kMdiButtonCount)
    return;
  // Three buttons of four frames each, side by side.
  const int w = strip.Width() / (kMdiButtonCount * kMdiFramesPerButton), h = strip.Height();
  const size_t first = buttons.size() - kMdiButtonCount;
  for (int i = 0; i < kMdiButtonCount; ++i) {
    TDataSkinSysButton& b = *buttons[first + static_cast<size_t>(i)];
    const int left = kMdiFramesPerButton * w * i;
    b.Image = CutBitmap(strip, RECT{left, 0, left + kMdiFramesPerButton * w, h});
    b.XCoord = (w + 4) * (kMdiButtonCount - i);
  }
}
