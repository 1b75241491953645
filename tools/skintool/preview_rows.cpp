#include "preview_rows.h"

#include <algorithm>

namespace {

class TCatalogueBuilder {
public:
  explicit TCatalogueBuilder(TPreviewCatalogue& out) : out_(out) {}

  // An element drawn with its own picture, frames, margins, tile and transparency settings.
  void Element(const std::string& label, const TDataSkinObject* element, TDrawKind kind) {
    if (!element) {
      out_.Missing.push_back(label);
      return;
    }
    Picture(label, element->Image, element->FrameCount, kind, false, element->Tile == 1,
            element->Trans != 0, element->Margins);
  }

  template <class T>
  void Element(const std::string& label, const std::unique_ptr<T>& slot, TDrawKind kind) {
    Element(label, slot.get(), kind);
  }

  // The second picture of an element, when it has one; frameCount 0 means the element's own.
  void SecondPicture(const std::string& label, const std::unique_ptr<TDataSkinBorder>& slot,
                     TDrawKind kind, int frameCount = 0) {
    if (slot && !slot->Image2.Empty())
      Picture(label, slot->Image2, frameCount > 0 ? frameCount : slot->FrameCount, kind, false, false, slot->Trans != 0,
              slot->Margins);
  }

  void Picture(const std::string& label, const TBitmap& picture, int frameCount, TDrawKind kind,
               bool vertical, bool tile, bool transparent, const TMargins& margins) {
    if (picture.Empty()) {
      out_.Missing.push_back(label);
      return;
    }
    out_.Rows.push_back({label, &picture, std::max(frameCount, 1), kind, vertical, tile,
                         transparent, margins});
  }

private:
  TPreviewCatalogue& out_;
};

// The three MDI buttons carry no section name; they are told apart by what they do.
std::string CaptionButtonLabel(const TDataSkinSysButton& button) {
  if (!button.Name.empty())
    return button.Name;
  switch (button.Action) {
  case 7: return "MDI minimise";
  case 8: return "MDI restore";
  case 9: return "MDI close";
  default: return "caption button " + std::to_string(button.Action);
  }
}

void AddFrame(TCatalogueBuilder& add, const TSkinElementTable& e) {
  // The frame painter tiles a border's middle when its stretch setting is not 1; top and bottom
  // borders stack their frames.
  const auto border = [&](const TDataSkinBorder& b, bool vertical) {
    add.Picture(b.Name, b.Image, b.FrameCount, TDrawKind::NineSlice, vertical, b.Tile != 1,
                b.Trans != 0, b.Margins);
  };
  border(e.LeftBorder, false);
  border(e.RightBorder, false);
  border(e.TopBorder, true);
  border(e.BottomBorder, true);
  // The caption's margins hold text shifts; its text background has edges of its own.
  const TDataSkinTitle& t = e.Title;
  add.Picture(t.Name, t.Image, 2, TDrawKind::TiledBar, true, false, true,
              {t.TXTBackleft, 0, t.TXTBackRight, 0});
  // Caption buttons are always drawn magenta-keyed.
  for (const auto& button : e.SysButtons)
    add.Picture(CaptionButtonLabel(*button), button->Image, button->FrameCount,
                TDrawKind::StretchedFrame, false, false, true, button->Margins);
  // A menu bar with Tile 1 is one nine-slice, not tiled; otherwise its middle repeats.
  if (e.MenuBar)
    add.Picture("MenuBar", e.MenuBar->Image, 2,
                e.MenuBar->Tile == 1 ? TDrawKind::NineSlice : TDrawKind::TiledBar, true, false,
                false, e.MenuBar->Margins);
  else
    add.Element("MenuBar", e.MenuBar, TDrawKind::NineSlice);
  add.Element("MenuBackground", e.MenuBackground, TDrawKind::NineSlice);
  add.Element("MenuItem", e.MenuItem, TDrawKind::NineSlice);
}

void AddButtons(TCatalogueBuilder& add, const TSkinElementTable& e) {
  const TDataSkinButton& b = e.Buttons;
  add.Element(b.Name, &b, TDrawKind::NineSlice);
  add.Picture("Buttons.CheckButton", b.CheckImage, b.CheckFrameCount, TDrawKind::Glyph, false,
              false, true, {});
  add.Picture("Buttons.RadioButton", b.RadioImage, b.RadioFrameCount, TDrawKind::Glyph, false,
              false, true, {});
}

void AddControls(TCatalogueBuilder& add, const TSkinElementTable& e) {
  add.Element("Progress", e.Progress, TDrawKind::NineSlice);
  add.Element("Progress.Chunk", e.ProgressChunk, TDrawKind::NineSlice);
  add.Element("GroupBoxEdge", e.GroupBoxEdge, TDrawKind::NineSlice);
  add.Element("GroupBox", e.GroupBox, TDrawKind::NineSlice);
  add.Element("Tabs", e.Tabs, TDrawKind::NineSlice);
  // The tab border is a single pane picture; the other second pictures share their element's
  // frames.
  add.SecondPicture("Tabs.Border", e.Tabs, TDrawKind::NineSlice, 1);
  add.Element("Tab.Pane", e.TabPane, TDrawKind::NineSlice);
  add.Element("StatusBarEdges", e.StatusBarEdges, TDrawKind::NineSlice);
  add.Element("Headerbar", e.Headerbar, TDrawKind::NineSlice);
  add.Element("ToolBars", e.ToolBars, TDrawKind::NineSlice);
  add.Element("Toolbar", e.Toolbar, TDrawKind::NineSlice);
  add.Element("SunkEdge", e.SunkEdge, TDrawKind::NineSlice);
  add.Element("ComboButton", e.ComboButton, TDrawKind::NineSlice);
  add.SecondPicture("ComboButton.Mirrored", e.ComboButton, TDrawKind::StretchedFrame);
  add.Element("ComboxArrow", e.ComboxArrow, TDrawKind::StretchedFrame);
  add.Element("ExtraImages", e.ExtraImages, TDrawKind::Glyph);
}

void AddScrollingAndTracks(TCatalogueBuilder& add, const TSkinElementTable& e) {
  add.Element("Scrollbar", e.Scrollbar, TDrawKind::StretchedFrame);
  add.Element("HorzScroll", e.HorzScroll, TDrawKind::NineSlice);
  add.Element("VertScroll", e.VertScroll, TDrawKind::NineSlice);
  add.Element("HorzScrollThumb", e.HorzScrollThumb, TDrawKind::NineSlice);
  add.Element("VertScrollThumb", e.VertScrollThumb, TDrawKind::NineSlice);
  add.Element("Trackbar.ThumbHorz", e.TrackbarThumbHorz, TDrawKind::StretchedFrame);
  add.Element("Trackbar.ThumbVert", e.TrackbarThumbVert, TDrawKind::StretchedFrame);
  add.Element("Trackbar.ThumbLeft", e.TrackbarThumbLeft, TDrawKind::StretchedFrame);
  add.Element("Trackbar.ThumbRight", e.TrackbarThumbRight, TDrawKind::StretchedFrame);
  add.Element("Trackbar.ThumbUp", e.TrackbarThumbUp, TDrawKind::StretchedFrame);
  add.Element("Trackbar.ThumbDown", e.TrackbarThumbDown, TDrawKind::StretchedFrame);
  add.Element("UpDown.Horz", e.UpDownHorz, TDrawKind::StretchedFrame);
  add.SecondPicture("UpDown.Horz.GlyphImage", e.UpDownHorz, TDrawKind::Glyph);
  add.Element("UpDown.Vert", e.UpDownVert, TDrawKind::StretchedFrame);
  add.SecondPicture("UpDown.Vert.GlyphImage", e.UpDownVert, TDrawKind::Glyph);
  add.Element("Track", e.Track, TDrawKind::ThreeSlice);
  add.Element("TRACKVERT", e.TrackVert, TDrawKind::NineSlice);
}

}  // namespace

TPreviewCatalogue CataloguePreviewRows(const TSkinElementTable& elements) {
  TPreviewCatalogue catalogue;
  TCatalogueBuilder add(catalogue);
  AddFrame(add, elements);
  AddButtons(add, elements);
  AddControls(add, elements);
  AddScrollingAndTracks(add, elements);
  return catalogue;
}
