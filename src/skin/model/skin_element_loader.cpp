#include "skin/model/skin_element_loader.h"

#include "skin/model/bitmap_utils.h"
#include "skin/model/caption_buttons_loader.h"
#include "skin/model/combo_strips.h"
#include "skin/model/frame_counts.h"
#include "skin/model/skin_bitmap_loading.h"
#include "skin/model/toolbar_gradient.h"

#include <algorithm>

namespace {

constexpr int32_t kTabPaneMarginLimit = 4;
constexpr int32_t kResourceMargin = 3;

// Keys with an out-of-range tile value fall back differently per element kind.
int32_t TileOr(int32_t tile, int32_t fallback) { return tile > 1 ? fallback : tile; }

}  // namespace

TSkinElementLoader::TSkinElementLoader(const TQuickIni& ini, const TSkinReader& reader,
                                       TSkinElementTable& elements, TSkinColours& colours)
    : ini_(ini), reader_(reader), elements_(elements), colours_(colours) {}

int32_t TSkinElementLoader::ReadInteger(const std::string& section, const std::string& key,
                                        int32_t fallback) const {
  return ini_.ReadInteger(section, key, fallback);
}

void TSkinElementLoader::ApplyDescription() {
  TSkinElementTable& e = elements_;
  ini_.ReadSections(&sections_);
  LoadBorders();
  LoadColours();
  LoadSysButtons(ini_, reader_, sections_, e.SysButtons);
  LoadButtons();
  LoadTitle(e.Title, "Personality");

  LoadProgress(e.Progress, "Progress");
  LoadElement(e.ProgressChunk, "Progress.Chunk");
  LoadMenuBar(e.MenuBar, "Personality");
  LoadElement(e.GroupBoxEdge, "GroupBoxEdge");
  LoadBoxLabel(e.GroupBox, "GroupBox");
  LoadBorderElement(e.Tabs, "Tabs", "Border");
  LoadElement(e.StatusBarEdges, "StatusBarEdges");
  LoadElement(e.TabPane, "Tab.Pane");
  // The tab pane's edges are drawn inside the page; wider ones would cover its controls.
  if (e.TabPane) {
    TMargins& m = e.TabPane->Margins;
    m.Left = std::min(m.Left, kTabPaneMarginLimit);
    m.Top = std::min(m.Top, kTabPaneMarginLimit);
    m.Right = std::min(m.Right, kTabPaneMarginLimit);
    m.Bottom = std::min(m.Bottom, kTabPaneMarginLimit);
  }

  LoadElement(e.ToolBars, "ToolBars");
  // No key names the combo button's second picture: it is made here, mirrored.
  LoadBorderElement(e.ComboButton, "ComboButton", "");
  LoadElement(e.SunkEdge, "SunkEdge");
  if (e.ComboButton && !e.ComboButton->Image.Empty())
    e.ComboButton->Image2 = Mirrored(e.ComboButton->Image, 24);

  const std::pair<std::unique_ptr<TDataSkinObject>*, const char*> plain[] = {
      {&e.ExtraImages, "ExtraImages"},
      {&e.Headerbar, "Headerbar"},
      {&e.MenuItem, "MenuItem"},
      {&e.MenuBackground, "MenuBackground"},
      {&e.Scrollbar, "Scrollbar"},
      {&e.HorzScroll, "HorzScroll"},
      {&e.VertScroll, "VertScroll"},
      {&e.HorzScrollThumb, "HorzScrollThumb"},
      {&e.VertScrollThumb, "VertScrollThumb"},
      {&e.TrackbarThumbHorz, "Trackbar.ThumbHorz"},
      {&e.TrackbarThumbVert, "Trackbar.ThumbVert"},
      {&e.TrackbarThumbLeft, "Trackbar.ThumbLeft"},
      {&e.TrackbarThumbRight, "Trackbar.ThumbRight"},
      {&e.TrackbarThumbUp, "Trackbar.ThumbUp"},
      {&e.TrackbarThumbDown, "Trackbar.ThumbDown"},
  };
  for (const auto& [slot, section] : plain)
    LoadElement(*slot, section);
  LoadBorderElement(e.UpDownHorz, "UpDown.Horz", "GlyphImage");
  LoadBorderElement(e.UpDownVert, "UpDown.Vert", "GlyphImage");

  LoadElement(e.Track, "Track");
  LoadElement(e.TrackVert, "TRACKVERT");
  if (!e.Track)
    LoadResourceElement(e.Track, "TRACK");
  if (!e.TrackVert)
    LoadResourceElement(e.TrackVert, "TRACKVERT");

  SetFrameCounts(ini_, e);
  BuildComboStrips(e);
  BuildComboArrow(e, colours_);
  BuildToolbar(e, colours_);
  colours_.Colours[ciBorder] = BorderColour(e, colours_);
  sections_.clear();
}

void TSkinElementLoader::ReadLayout(TDataSkinObject& element, const std::string& section) const {
  element.Style = ReadInteger(section, "Style", 0);
  element.Margins.Left = ReadInteger(section, "LeftWidth", 0);
  element.Margins.Right = ReadInteger(section, "RightWidth", 0);
  element.Margins.Top = ReadInteger(section, "TopHeight", 0);
  element.Margins.Bottom = ReadInteger(section, "BottomHeight", 0);
}

// The same three keys, once as integers and once as colour text.
void TSkinElementLoader::ReadStateColours(TDataSkinObject& element, const std::string& section) const {
  element.NormalColour = ReadInteger(section, "NormalColour", kNoColour);
  element.MouseOverColour = ReadInteger(section, "MouseOverColour", kNoColour);
  element.PressedColour = ReadInteger(section, "PressedColour", kNoColour);
  const TColour text = colours_.Colours[ciButtonText];
  element.NormalColour2 = ReadColour(ini_, section, "NormalColour", text);
  element.MouseOverColour2 = ReadColour(ini_, section, "MouseOverColour", text);
  element.PressedColour2 = ReadColour(ini_, section, "PressedColour", text);
}

template <class E>
std::unique_ptr<E> TSkinElementLoader::NewElement(const std::string& section, const char* imageKey,
                                                  int32_t tileFallback) const {
  const std::string name = ini_.ReadString(section, imageKey, "");
  if (name.empty())
    return nullptr;
  auto element = std::make_unique<E>(section);
  LoadSkinBitmap(reader_, element->Image, name);
  ReadLayout(*element, section);
  element->Trans = ReadInteger(section, "Trans", 0);
  element->Tile = TileOr(ReadInteger(section, "Tile", 0), tileFallback);
  return element;
}

void TSkinElementLoader::LoadElement(std::unique_ptr<TDataSkinObject>& slot, const std::string& section) {
  slot.reset();
  auto element = NewElement<TDataSkinObject>(section, "Image", 0);
  if (!element)
    return;
  element->FrameCount = ReadInteger(section, "Frame", 0);
  ReadStateColours(*element, section);
  slot = std::move(element);
}

void TSkinElementLoader::LoadBorderElement(std::unique_ptr<TDataSkinBorder>& slot,
                                           const std::string& section, const std::string& secondKey) {
  slot.reset();
  auto element = NewElement<TDataSkinBorder>(section, "Image", 0);
  if (!element)
    return;
  ReadStateColours(*element, section);
  const std::string second = secondKey.empty() ? std::string() : ini_.ReadString(section, secondKey, "");
  if (!second.empty())
    LoadSkinBitmap(reader_, element->Image2, second);
  slot = std::move(element);
}

void TSkinElementLoader::LoadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section) {
  slot.reset();
  auto element = NewElement<TDataSkinBoxLabel>(section, "Image", 0);
  if (!element)
    return;
  ReadStateColours(*element, section);
  element->BackgroundAlignment = ReadInteger(section, "BackgroundAlignment", 0);
  element->BackgroundLeftShift = ReadInteger(section, "BackgroundLeftShift", 0);
  element->BackgroundRightShift = ReadInteger(section, "BackgroundRightShift", 0);
  slot = std::move(element);
}

void TSkinElementLoader::LoadProgress(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section) {
  slot.reset();
  slot = NewElement<TDataSkinBorder>(section, "Bitmap", 1);
}

void TSkinElementLoader::LoadMenuBar(std::unique_ptr<TDataSkinObject>& slot, const std::string& section) {
  slot.reset();
  const std::string name = ini_.ReadString(section, "menuBar", "");
  if (name.empty())
    return;
  auto element = std::make_unique<TDataSkinObject>(section);
  LoadSkinBitmap(reader_, element->Image, name);
  // The menu bar keeps its tile widths where other elements keep margins.
  element->Margins = {ReadInteger(section, "TileLeftMenu", 1), 0, ReadInteger(section, "TileRightMenu", 1), 0};
  element->Tile = TileOr(ReadInteger(section, "TileMenu", 1), 1);
  slot = std::move(element);
}

void TSkinElementLoader::LoadTitle(TDataSkinTitle& title, const std::string& section) {
  LoadSkinBitmap(reader_, title.Image, ini_.ReadString(section, "TextBack", ""));
  // The caption keeps its text shifts where other elements keep margins.
  title.Margins = {ReadInteger(section, "TextShift", 0), ReadInteger(section, "TextShiftVert", 0),
                   ReadInteger(section, "TextRightClip", 0), 0};
  title.TextAlignment = ReadInteger(section, "TextAlignment", 0);
  title.Textbackground = ReadInteger(section, "Textbackground", 0);
  title.TXTBackleft = ReadInteger(section, "TXTBackleft", 0);
  title.TXTBackRight = ReadInteger(section, "TXTBackRight", 0);
  title.FontHeight = ReadInteger("Fonts", "FontHeight", 14);
  const auto rgbOf = [&](const std::string& prefix) {
    const int32_t r = ReadInteger(section, prefix + "R", -1);
    const int32_t g = ReadInteger(section, prefix + "G", -1);
    const int32_t b = ReadInteger(section, prefix + "B", -1);
    return r >= 0 && g >= 0 && b >= 0 ? Rgb(r, g, b) : kNoCaptionColour;
  };
  title.ActiveText = rgbOf("ActiveText");
  title.InActiveText = rgbOf("InActiveText");
}

void TSkinElementLoader::LoadResourceElement(std::unique_ptr<TDataSkinObject>& slot, const char* name) {
  slot.reset();
  auto element = std::make_unique<TDataSkinObject>(name);
  LoadEngineBitmap(element->Image, name);
  element->Margins = {kResourceMargin, kResourceMargin, kResourceMargin, kResourceMargin};
  element->Tile = 0;
  element->FrameCount = 1;
  slot = std::move(element);
}

// Both numbers of a border lie along its length: top and bottom of the side borders, left and
// right of the top and bottom borders.
void TSkinElementLoader::ReadBorder(TDataSkinBorder& border, bool vertical) {
  const std::string& b = border.Name;
  const int32_t start = ReadInteger("Personality", b + "TopHeight", 0);
  const int32_t end = ReadInteger("Personality", b + "BotHeight", 0);
  border.Margins = vertical ? TMargins{0, start, 0, end} : TMargins{start, 0, end, 0};
  border.FrameCount = ReadInteger("Personality", b + "Frame", 1);
  border.Tile = TileOr(ReadInteger("Personality", b + "Stretch", 1), 1);
  border.Trans = ReadInteger("Personality", b + "Trans", 1);
  LoadSkinBitmap(reader_, border.Image, ini_.ReadString("Personality", b, ""));
}

void TSkinElementLoader::LoadBorders() {
  ReadBorder(elements_.LeftBorder, true);
  ReadBorder(elements_.RightBorder, true);
  ReadBorder(elements_.TopBorder, false);
  ReadBorder(elements_.BottomBorder, false);
}

void TSkinElementLoader::LoadButtons() {
  TDataSkinButton& b = elements_.Buttons;
  const std::string section = "Buttons";
  b.Margins.Left = ReadInteger(section, "LeftWidth", 0);
  b.Margins.Right = ReadInteger(section, "RightWidth", 0);
  b.Margins.Top = ReadInteger(section, "TopHeight", 0);
  b.Margins.Bottom = ReadInteger(section, "BottomHeight", 0);
  b.Trans = ReadInteger(section, "Trans", 0);
  LoadSkinBitmap(reader_, b.Image, ini_.ReadString(section, "Bitmap", ""));
  b.Tile = TileOr(ReadInteger(section, "Tile", 0), 0);
  LoadSkinBitmap(reader_, b.CheckImage, ini_.ReadString(section, "CheckButton", ""));
  LoadSkinBitmap(reader_, b.RadioImage, ini_.ReadString(section, "RadioButton", ""));
  b.RadioFrameCount = ReadInteger(section, "RadioButtonFrame", 0);
  b.CheckFrameCount = ReadInteger(section, "CheckButtonFrame", 0);
  b.HasNormalColour2 = !ini_.ReadString(section, "NormalColour", "").empty();
  b.HasMouseOverColour2 = !ini_.ReadString(section, "MouseOverColour", "").empty();
  b.HasPressedColour2 = !ini_.ReadString(section, "PressedColour", "").empty();
  ReadStateColours(b, section);
}

void TSkinElementLoader::LoadColours() {
  ::LoadColours(ini_, sections_, colours_);
}
