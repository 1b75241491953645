#include "skin/model/frame_counts.h"

#include "skin/format/description_vocabulary.h"

#include <algorithm>
#include <memory>

namespace {

template <class Element>
void SetCount(const std::unique_ptr<Element>& slot, int32_t count) {
  if (slot)
    slot->FrameCount = count;
}

}  // namespace

int32_t GlyphStripFrameCount(const TBitmap& strip) { return MarkStripFrameCount(strip.Width(), strip.Height()); }

void SetFrameCounts(const TQuickIni& ini, TSkinElementTable& e) {
  e.Buttons.FrameCount = 5;
  if (e.Buttons.RadioFrameCount == 0)
    e.Buttons.RadioFrameCount = GlyphStripFrameCount(e.Buttons.RadioImage);
  if (e.Buttons.CheckFrameCount == 0)
    e.Buttons.CheckFrameCount = GlyphStripFrameCount(e.Buttons.CheckImage);
  e.Title.FrameCount = 2;
  if (e.Progress)
    e.Progress->FrameCount = e.Progress->Style != 0 ? 1 : 2;
  for (auto* slot : {&e.MenuBar, &e.GroupBoxEdge})
    SetCount(*slot, 2);
  for (auto* slot : {&e.Toolbar, &e.TabPane, &e.MenuBackground})
    SetCount(*slot, 1);
  SetCount(e.GroupBox, 1);
  for (auto* slot : {&e.ToolBars, &e.ExtraImages, &e.MenuItem, &e.TrackbarThumbHorz, &e.TrackbarThumbVert,
                     &e.TrackbarThumbLeft, &e.TrackbarThumbRight, &e.TrackbarThumbUp, &e.TrackbarThumbDown})
    SetCount(*slot, 5);
  SetCount(e.Tabs, 5);
  if (e.Headerbar && e.Headerbar->FrameCount == 0)
    e.Headerbar->FrameCount = 5;
  SetCount(e.StatusBarEdges, 3);
  SetCount(e.ComboButton, 4);
  for (auto* slot : {&e.SunkEdge, &e.HorzScroll, &e.VertScroll})
    SetCount(*slot, 4);
  SetCount(e.Scrollbar, 23);
  SetCount(e.UpDownHorz, 8);
  SetCount(e.UpDownVert, 8);
  SetCount(e.HorzScrollThumb, ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetCount(e.VertScrollThumb, ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
}
