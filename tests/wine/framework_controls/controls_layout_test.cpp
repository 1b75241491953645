#include "framework/form_layout.h"

#include "framework/application.h"
#include "framework/bit_btn.h"
#include "framework/font.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/panel.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "framework/speed_button.h"

#include "controls_support.h"
#include "live_gdi_objects.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace controls_support;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kTransparent = 0x00FFFF;

// A form whose handlers record which one ran for which component.
class TRecordingForm : public TForm {
public:
  using TForm::TForm;
  TNotifyEvent MethodAddress(const std::string& name) override {
    return [this, name](TComponent* sender) { calls.push_back(name + ":" + sender->Name()); };
  }
  std::vector<std::string> calls;
};

class ControlsLayoutTest : public ::testing::Test {
protected:
  ControlsLayoutTest() {
    Application = &app_;
    const std::string glyph = GlyphStrip({kRed, kBlue}, 16, kTransparent).SaveToBytes();
    ReadFormLayout(form_, {
        {{"Caption", std::string("Controls")}, {"ClientWidth", 420}, {"ClientHeight", 250}},
        {{"TPanel", "Tools", "", {{"Left", 0}, {"Top", 0}, {"Width", 420}, {"Height", 40},
                                  {"BevelOuter", std::string("bvRaised")}, {"Color", 0x00C0FFC0}}},
         {"TSpeedButton", "Bold", "Tools", {{"Left", 4}, {"Top", 4}, {"Width", 32}, {"Height", 32},
                                            {"Glyph.Data", glyph}, {"NumGlyphs", 2}, {"GroupIndex", 1},
                                            {"Down", true}, {"OnClick", std::string("ToolClick")}}},
         {"TSpeedButton", "Italic", "Tools", {{"Left", 38}, {"Top", 4}, {"Width", 32}, {"Height", 32},
                                              {"Caption", std::string("I")}, {"GroupIndex", 1},
                                              {"Flat", true}}},
         {"TSpeedButton", "Plain", "Tools", {{"Left", 72}, {"Top", 4}, {"Width", 90}, {"Height", 32},
                                             {"Caption", std::string("Plain")}, {"Glyph.Data", glyph},
                                             {"NumGlyphs", 2}, {"Layout", std::string("blGlyphRight")},
                                             {"Margin", 4}, {"Spacing", 6}, {"AllowAllUp", true}}},
         {"TPanel", "Status", "", {{"Left", 10}, {"Top", 200}, {"Width", 400}, {"Height", 40},
                                   {"Caption", std::string("状态")}, {"BevelOuter", std::string("bvLowered")},
                                   {"ParentBackground", true}}},
         {"TRadioGroup", "Sizes", "", {{"Left", 10}, {"Top", 50}, {"Width", 200}, {"Height", 100},
                                       {"Caption", std::string("Size")}, {"Columns", 2},
                                       {"Items", std::vector<std::string>{"Small", "Medium", "Large"}},
                                       {"ItemIndex", 1}, {"OnClick", std::string("SizeClick")}}},
         {"TRadioButton", "Left", "", {{"Left", 230}, {"Top", 60}, {"Width", 120}, {"Height", 20},
                                       {"Caption", std::string("Left")}, {"Checked", true}}},
         {"TRadioButton", "Right", "", {{"Left", 230}, {"Top", 85}, {"Width", 120}, {"Height", 20},
                                        {"Caption", std::string("Right")}, {"OnClick", std::string("SideClick")}}},
         {"TBitBtn", "Ok", "", {{"Left", 230}, {"Top", 120}, {"Width", 100}, {"Height", 30},
                                {"Caption", std::string("OK")}, {"Glyph.Data", glyph}, {"NumGlyphs", 2},
                                {"Default", true}, {"OnClick", std::string("OkClick")}}},
         {"TBitBtn", "Off", "", {{"Left", 230}, {"Top", 160}, {"Width", 100}, {"Height", 30},
                                 {"Caption", std::string("Off")}, {"Glyph.Data", glyph}, {"NumGlyphs", 2},
                                 {"Layout", std::string("blGlyphTop")}, {"Enabled", false}}}}});
  }
  ~ControlsLayoutTest() override { Application = nullptr; }
  template <class T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form_.FindComponent(name));
  }

  TApplication app_;
  TRecordingForm form_{nullptr};
};

TEST_F(ControlsLayoutTest, ALayoutMakesEveryControlWithItsProperties) {
  auto* tools = Find<TPanel>("Tools");
  auto* bold = Find<TSpeedButton>("Bold");
  auto* plain = Find<TSpeedButton>("Plain");
  auto* sizes = Find<TRadioGroup>("Sizes");
  auto* left = Find<TRadioButton>("Left");
  auto* ok = Find<TBitBtn>("Ok");
  ASSERT_TRUE(tools && bold && plain && sizes && left && ok);
  EXPECT_EQ(bold->Parent(), tools);
  EXPECT_EQ(tools->GraphicControlCount(), 3);
  EXPECT_EQ(bold->Glyph()->Bitmap().Width(), 32);
  EXPECT_EQ(GetObjectProperty(*bold, "Glyph", "TGlyph"), bold->Glyph());
  EXPECT_TRUE(bold->Down());
  EXPECT_EQ(plain->Layout(), TButtonLayout::blGlyphRight);
  EXPECT_EQ(sizes->ControlCount(), 3);
  EXPECT_EQ(sizes->ItemIndex(), 1);
  EXPECT_TRUE(left->Checked());
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(tools->BevelOuter(), TBevelCut::bvRaised);

  form_.Handle();
  PostClick(sizes->Controls(2)->Handle(), 10, 8);
  PostClick(Find<TRadioButton>("Right")->Handle(), 10, 8);
  PostClick(ok->Handle(), 50, 15);
  PostClick(tools->Handle(), 20, 20);  // Bold, through its parent
  EXPECT_EQ(form_.calls, (std::vector<std::string>{"SizeClick:Sizes", "SideClick:Right", "OkClick:Ok", "ToolClick:Bold"}));
  EXPECT_FALSE(left->Checked());
  EXPECT_EQ(sizes->ItemIndex(), 2);
}

// What a skinner reads and writes by name, and what the control then does.
TEST_F(ControlsLayoutTest, PropertiesAreWrittenAndReadByName) {
  TFont big("宋体", 24);
  TImageList images(nullptr, 16, 16);
  struct Case {
    const char* object;
    const char* property;
    TPropertyValue value;
    std::function<bool()> applied;
  };
  auto* plain = Find<TSpeedButton>("Plain");
  auto* ok = Find<TBitBtn>("Ok");
  auto* sizes = Find<TRadioGroup>("Sizes");
  auto* tools = Find<TPanel>("Tools");
  const Case cases[] = {
      {"Plain", "Flat", true, [&] { return plain->Flat(); }},
      {"Plain", "Down", false, [&] { return !plain->Down(); }},
      {"Plain", "GroupIndex", 3, [&] { return plain->GroupIndex() == 3; }},
      {"Plain", "AllowAllUp", false, [&] { return !plain->AllowAllUp(); }},
      {"Plain", "Enabled", false, [&] { return !plain->Enabled(); }},
      {"Plain", "Visible", false, [&] { return !plain->Visible(); }},
      {"Plain", "Caption", std::string("Bare"), [&] { return plain->Caption() == "Bare"; }},
      {"Plain", "Font", static_cast<TComponent*>(&big), [&] { return plain->FontHandle() == big.Handle(); }},
      {"Plain", "Width", 70, [&] { return plain->BoundsRect().right == 72 + 70; }},
      {"Plain", "NumGlyphs", 7, [&] { return plain->NumGlyphs() == 4; }},  // at most four
      {"Plain", "Margin", -1, [&] { return plain->Margin() == -1; }},
      {"Plain", "Spacing", -1, [&] { return plain->Spacing() == -1; }},
      {"Plain", "Layout", std::string("blGlyphBottom"), [&] { return plain->Layout() == TButtonLayout::blGlyphBottom; }},
      {"Plain", "Glyph", static_cast<TComponent*>(nullptr), [&] { return plain->Glyph()->Empty(); }},
      {"Plain", "Glyph", GetObjectProperty(*ok, "Glyph"), [&] { return plain->Glyph()->Bitmap().Width() == 32; }},
      {"Ok", "Images", static_cast<TComponent*>(&images), [&] { return ok->Images() == &images; }},
      {"Ok", "ImageIndex", 2, [&] { return ok->ImageIndex() == 2; }},
      {"Ok", "DisabledIndex", 3, [&] { return ok->DisabledIndex() == 3; }},
      {"Ok", "Layout", std::string("blGlyphRight"), [&] { return ok->Layout() == TButtonLayout::blGlyphRight; }},
      {"Ok", "Margin", 9, [&] { return ok->Margin() == 9; }},
      {"Ok", "Spacing", 0, [&] { return ok->Spacing() == 0; }},
      {"Ok", "Default", false, [&] { return !ok->Default(); }},
      {"Sizes", "Columns", 0, [&] { return sizes->Columns() == 1; }},  // at least one
      {"Sizes", "Items", std::vector<std::string>{"A", "B"}, [&] { return sizes->ControlCount() == 2; }},
      {"Sizes", "ItemIndex", 0, [&] { return sizes->ItemIndex() == 0; }},
      {"Left", "Checked", false, [&] { return !Find<TRadioButton>("Left")->Checked(); }},
      {"Tools", "BevelOuter", std::string("bvNone"), [&] { return tools->BevelOuter() == TBevelCut::bvNone; }},
      {"Tools", "ParentBackground", true, [&] { return tools->ParentBackground(); }},
      {"Tools", "Caption", std::string("Tools"), [&] { return tools->Caption() == "Tools"; }},
  };
  for (const Case& c : cases) {
    TComponent* object = form_.FindComponent(c.object);
    ASSERT_NE(object, nullptr) << c.object;
    EXPECT_TRUE(SetPublishedProperty(*object, c.property, c.value)) << c.object << "." << c.property;
    EXPECT_TRUE(c.applied()) << c.object << "." << c.property;
  }
  EXPECT_EQ(GetEnumPropertyName(*plain, "Layout"), "blGlyphBottom");
  EXPECT_EQ(GetEnumPropertyName(*plain, "Flat"), "True");
  EXPECT_EQ(GetIntegerProperty(*plain, "GroupIndex"), 3);
  EXPECT_EQ(GetIntegerProperty(*ok, "ImageIndex"), 2);
  EXPECT_EQ(GetObjectProperty(*ok, "Images", "TCustomImageList"), &images);
  EXPECT_EQ(GetObjectProperty(*plain, "Font", "TFont"), &big);
  EXPECT_EQ(GetEnumPropertyName(*tools, "BevelOuter"), "bvNone");
  EXPECT_EQ(GetStringProperty(*plain, "Caption"), "Bare");
  EXPECT_FALSE(SetPropertyText(*plain, "Layout", "blGlyphMiddle"));
  EXPECT_FALSE(SetPropertyText(*tools, "BevelOuter", "bvSpace"));
  EXPECT_EQ(FindPublishedProperty(*tools, "Transparent"), nullptr);
  ok->SetImages(nullptr);
  plain->SetFont(nullptr);
}

// The whole form on the screen, kept as a picture to look at.
TEST_F(ControlsLayoutTest, TheShownFormPaintsEveryControl) {
  form_.Show();
  HWND window = form_.Handle();
  Pump(300);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(100);
  auto* tools = Find<TPanel>("Tools");
  auto* status = Find<TPanel>("Status");
  // Bold is down with its glyph a pixel further; the flat Italic shows the panel's colour.
  EXPECT_EQ(ClientPixel(tools->Handle(), 4 + 16 + 1, 4 + 16 + 1), kRed);
  EXPECT_EQ(ClientPixel(tools->Handle(), 4, 4), SysRgb(COLOR_BTNSHADOW));
  EXPECT_EQ(ClientPixel(tools->Handle(), 40, 6), 0xC0FFC0u);
  EXPECT_EQ(ClientPixel(status->Handle(), 3, 3), SysRgb(COLOR_BTNFACE)) << "the form's background";
  // Off is disabled: its second glyph, the blue one.
  auto* off = Find<TBitBtn>("Off");
  RECT offClient{};
  GetClientRect(off->Handle(), &offClient);
  bool blue = false, red = false;
  for (int y = 0; y < offClient.bottom; ++y)
    for (int x = 0; x < offClient.right; ++x) {
      const uint32_t p = ClientPixel(off->Handle(), x, y);
      blue |= p == kBlue, red |= p == kRed;
    }
  EXPECT_TRUE(blue);
  EXPECT_FALSE(red);

  RECT area{};
  GetWindowRect(window, &area);
  TBitmap shot(area.right - area.left, area.bottom - area.top);
  {
    UniqueDC memory(CreateCompatibleDC(nullptr));
    TSelectObject select(memory.Get(), shot.Handle());
    TWindowDC screen(nullptr);
    BitBlt(memory.Get(), 0, 0, shot.Width(), shot.Height(), screen.Get(), area.left, area.top, SRCCOPY);
  }
  shot.SaveToFile(wine_support::ScratchFile("controls_form.bmp"));
  EXPECT_EQ(wine_support::ReadRaw(wine_support::ScratchFile("controls_form.bmp")).substr(0, 2), "BM");
}

// Painting every control again and again, pressed and disabled, leaves no GDI object behind.
TEST_F(ControlsLayoutTest, RepaintsLeaveNoGdiObjectsBehind) {
  form_.Show();
  HWND window = form_.Handle();
  auto* italic = Find<TSpeedButton>("Italic");
  auto* tools = Find<TPanel>("Tools");
  const auto repaint = [&] {
    italic->SetEnabled(!italic->Enabled());
    SendMessageA(tools->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageA(tools->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 20));
    Pump(10);
  };
  repaint();  // the first paint may make what stays (fonts, cached brushes)
  const int before = LiveGdiObjects();
  for (int i = 0; i < 20; ++i)
    repaint();
  EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
