#include "sample_more.h"

#include "framework/form.h"
#include "framework/glyph_check.h"
#include "framework/page_control.h"
#include "framework/published.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skinner_kinds.h"

#include <windows.h>

namespace {

// Glyph-strip controls under the class names the skin engine gives strips to: a check box with
// nine images, a radio button with six, and a check box whose glyph sits in its Properties.
class TRzCheckBox : public TGlyphCheckBox {
public:
  using TGlyphCheckBox::TGlyphCheckBox;
  const char* ClassName() const override { return "TRzCheckBox"; }
};

class TRzRadioButton : public TGlyphCheckBox {
public:
  explicit TRzRadioButton(TComponent* owner) : TGlyphCheckBox(owner) { SetRadioItem(true); }
  const char* ClassName() const override { return "TRzRadioButton"; }
};

class TcxCheckBox : public TGlyphCheckBox {
public:
  using TGlyphCheckBox::TGlyphCheckBox;
  const char* ClassName() const override { return "TcxCheckBox"; }
};

template <class C>
void RegisterStripClass(const char* name) {
  const TPublishedClass* base = FindPublishedClass("TGlyphCheckBox");
  RegisterPublishedClass({name, "TGlyphCheckBox", [](TComponent* owner) -> TComponent* { return new C(owner); },
                          base ? base->Properties : std::vector<TPublishedProperty>{}});
}

TLayoutComponent On(const char* parent, const char* type, const char* name, int left, int top, int width, int height,
                    std::vector<TLayoutProperty> more = {}) {
  more.insert(more.begin(), {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
  return {type, name, parent, std::move(more)};
}

TLayoutComponent OnMore(const char* type, const char* name, int left, int top, int width, int height,
                        std::vector<TLayoutProperty> more = {}) {
  return On("MorePage", type, name, left, top, width, height, std::move(more));
}

TLayoutComponent Sheet(const char* name, const char* pages, const char* caption) {
  return {"TTabSheet", name, pages, {{"Caption", std::string(caption)}}};
}

void MakeSizeGrip(TForm& form) {
  RECT client{};
  GetClientRect(form.Handle(), &client);
  const int size = GetSystemMetrics(SM_CXVSCROLL);
  HWND grip = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                              0, 0, client.right, client.bottom, form.Handle(), nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  if (grip)
    SetWindowPos(grip, HWND_TOP, client.right - size, client.bottom - size, size, size, SWP_NOACTIVATE);
}

}  // namespace

void RegisterSampleMoreClasses() {
  if (FindPublishedClass("TRzCheckBox"))
    return;
  RegisterStripClass<TRzCheckBox>("TRzCheckBox");
  RegisterStripClass<TRzRadioButton>("TRzRadioButton");
  RegisterStripClass<TcxCheckBox>("TcxCheckBox");
}

std::vector<TLayoutComponent> MorePageLayout() {
  const std::string tabs("tsTabs");
  return {
      {"TTabSheet", "MorePage", "Pages", {{"Caption", std::string("More")}}},
      OnMore("TTabControl", "TopTabs", 6, 6, 120, 80,
             {{"Style", tabs}, {"Tabs", std::vector<std::string>{"One", "Two", "Three"}}}),
      OnMore("TTabControl", "BottomTabs", 132, 6, 120, 80,
             {{"Style", tabs}, {"TabPosition", std::string("tpBottom")}, {"Tabs", std::vector<std::string>{"Four", "Five"}}}),
      OnMore("TPageControl", "LeftPages", 258, 6, 120, 80, {{"Style", tabs}, {"TabPosition", std::string("tpLeft")}}),
      Sheet("LeftFirst", "LeftPages", "Left"),
      Sheet("LeftSecond", "LeftPages", "Side"),
      OnMore("TPageControl", "RightPages", 384, 6, 122, 80, {{"Style", tabs}, {"TabPosition", std::string("tpRight")}}),
      Sheet("RightFirst", "RightPages", "Right"),
      Sheet("RightSecond", "RightPages", "Side"),
      OnMore("TPageControl", "ClosingPages", 6, 92, 200, 80, {{"Style", tabs}, {"Tag", 7777}}),
      Sheet("ClosingFirst", "ClosingPages", "Alpha"),
      Sheet("ClosingSecond", "ClosingPages", "Beta"),
      Sheet("ClosingThird", "ClosingPages", "Gamma"),
      OnMore("TPicturePageControl", "AddOnPages", 212, 92, 150, 80),
      Sheet("AddOnFirst", "AddOnPages", "Pictures"),
      Sheet("AddOnSecond", "AddOnPages", "Tabs"),
      OnMore("THeaderControl", "Header", 368, 92, 138, 22, {{"Sections", std::vector<std::string>{"Name=70", "Size=68"}}}),
      OnMore("TMediaPlayer", "Player", 368, 120, 138, 26,
             {{"VisibleButtons", std::vector<std::string>{"btPrev", "btPlay", "btPause", "btStop", "btNext", "btRecord"}},
              {"EnabledButtons", std::vector<std::string>{"btPrev", "btPlay", "btPause", "btStop", "btNext"}},
              {"ColoredButtons", std::vector<std::string>{"btPlay", "btStop"}}}),
      OnMore("TTabSet", "OldTabs", 368, 152, 138, 20, {{"Tabs", std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}}}),
      OnMore("TProgressBar", "SmoothBar", 6, 180, 140, 16, {{"Min", 50}, {"Max", 100}, {"Position", 75}, {"Smooth", true}}),
      OnMore("TProgressBar", "ChunkBar", 6, 200, 140, 16, {{"Min", 50}, {"Max", 100}, {"Position", 75}}),
      OnMore("TProgressBar", "SmoothColumn", 152, 180, 16, 116,
             {{"Min", 50}, {"Max", 100}, {"Position", 75}, {"Smooth", true}, {"Orientation", std::string("pbVertical")}}),
      OnMore("TProgressBar", "ChunkColumn", 172, 180, 16, 116,
             {{"Min", 50}, {"Max", 100}, {"Position", 75}, {"Orientation", std::string("pbVertical")}}),
      OnMore("TRzCheckBox", "StripCheck", 6, 222, 140, 18, {{"Caption", std::string("Strip check")}, {"Checked", true}}),
      OnMore("TRzRadioButton", "StripRadio", 6, 242, 140, 18, {{"Caption", std::string("Strip radio")}, {"Checked", true}}),
      OnMore("TRzRadioButton", "StripRadioOff", 6, 260, 140, 18, {{"Caption", std::string("Other radio")}}),
      OnMore("TcxCheckBox", "PropertiesCheck", 6, 278, 140, 18, {{"Caption", std::string("Own glyph")}, {"Checked", true}}),
      OnMore("TTrackBar", "TrackDown", 196, 180, 160, 30, {{"Max", 10}, {"Position", 3}}),
      OnMore("TTrackBar", "TrackUp", 196, 212, 160, 30, {{"Max", 10}, {"Position", 5}, {"TickMarks", std::string("tmTopLeft")}}),
      OnMore("TTrackBar", "TrackBoth", 196, 244, 160, 30, {{"Max", 10}, {"Position", 7}, {"TickMarks", std::string("tmBoth")}}),
      OnMore("TTrackBar", "TrackRight", 368, 180, 30, 116,
             {{"Max", 10}, {"Position", 3}, {"Orientation", std::string("trVertical")}}),
      OnMore("TTrackBar", "TrackLeft", 402, 180, 30, 116,
             {{"Max", 10}, {"Position", 5}, {"Orientation", std::string("trVertical")}, {"TickMarks", std::string("tmTopLeft")}}),
      OnMore("TTrackBar", "TrackColumnBoth", 436, 180, 34, 116,
             {{"Max", 10}, {"Position", 7}, {"Orientation", std::string("trVertical")}, {"TickMarks", std::string("tmBoth")}}),
  };
}

const std::vector<std::string>& SampleMoreSkin3rdLines() {
  static const std::vector<std::string> lines = {
      "TPicturePageControl=advpagecontrol", "TProgressBar=progress", "TTrackBar=trackbar"};
  return lines;
}

TSkinData::TSkinControlEvent SampleMoreSkinnerChoice() {
  return [](TComponent*, TSkinData*, TComponent*, TComponent* control, const std::string& controlClass,
            TComponent*& skinner) {
    if (controlClass == "THEADERCONTROL")
      skinner = CreateControlSkinner(TSkinnerKind::skHeader, control);
  };
}

void PrepareSampleMore(TForm& form) {
  auto* pages = dynamic_cast<TPageControl*>(form.FindComponent("Pages"));
  auto* more = form.FindComponent("MorePage");
  if (!pages || !more)
    return;
  TForm* owner = &form;
  pages->OnChange = [owner, pages, more, made = false](TComponent*) mutable {
    if (made || pages->ActivePageIndex() < 0 || pages->Pages(pages->ActivePageIndex()) != more)
      return;
    made = true;
    MakeSizeGrip(*owner);
  };
}
