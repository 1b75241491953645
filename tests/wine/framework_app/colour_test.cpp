#include "framework/colour.h"

#include "framework/application.h"
#include "framework/control.h"
#include "framework/label.h"
#include "framework/system/gdi_handles.h"

#include <gtest/gtest.h>

namespace {

// Live GDI objects of the process: GetGuiResources answers 0 under Wine.
int GdiObjectCount() {
  int count = 0;
  for (uintptr_t i = 1; i <= 0xFFFF; ++i)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return count;
}

class ColourTest : public ::testing::Test {
protected:
  ColourTest() : parent_(nullptr) {
    Application = &app_;
    parent_.SetVisible(false);  // no window manager: mapping a top-level window costs seconds
    parent_.SetBounds(0, 0, 100, 60);
    child_ = new TWinControl(&parent_);
    child_->SetParent(&parent_);
    child_->SetBounds(10, 10, 30, 20);
  }
  ~ColourTest() override { Application = nullptr; }

  // The colour a real paint of the control's client area leaves, read back from a memory DC.
  static COLORREF Painted(TWinControl& control) {
    TWindowDC screen(nullptr);
    UniqueDC memory(CreateCompatibleDC(screen.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), control.Width(), control.Height()));
    TSelectObject keep(memory.Get(), bitmap.Get());
    SendMessageA(control.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    return GetPixel(memory.Get(), control.Width() / 2, control.Height() / 2);
  }

  TApplication app_;
  TWinControl parent_;
  TWinControl* child_;
};

TEST_F(ColourTest, SystemColoursPaintAsTheSystemsAndExplicitOnesAsThemselves) {
  struct Case {
    const char* what;
    TColor colour;
    COLORREF painted;
  };
  const Case cases[] = {
      {"button face", clBtnFace, GetSysColor(COLOR_BTNFACE)},
      {"window", clWindow, GetSysColor(COLOR_WINDOW)},
      {"highlight", SystemColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT)},
      {"window text", SystemColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT)},
      {"explicit", 0x00336699, RGB(0x99, 0x66, 0x33)},
      {"black", 0x00000000, RGB(0, 0, 0)},
      // A bare system-colour index is an explicit colour now: a very dark red, not the face.
      {"bare index", COLOR_BTNFACE, RGB(COLOR_BTNFACE, 0, 0)},
  };
  for (const Case& c : cases) {
    child_->SetColor(c.colour);
    EXPECT_EQ(child_->Color(), c.colour) << c.what;
    EXPECT_EQ(Painted(*child_), c.painted) << c.what;
    EXPECT_EQ(ColorToRGB(c.colour), c.painted) << c.what;
  }
}

TEST_F(ColourTest, NoColourAndParentBackgroundShowTheParents) {
  parent_.SetColor(0x00102030);
  child_->SetColor(clNone);
  EXPECT_EQ(child_->Color(), 0x00102030);
  EXPECT_EQ(Painted(*child_), RGB(0x30, 0x20, 0x10));

  child_->SetColor(SystemColor(COLOR_HIGHLIGHT));
  child_->SetParentBackground(true);
  EXPECT_EQ(child_->Color(), SystemColor(COLOR_HIGHLIGHT)) << "the property keeps its value";
  EXPECT_EQ(Painted(*child_), RGB(0x30, 0x20, 0x10));
  child_->SetParentBackground(false);
  EXPECT_EQ(Painted(*child_), GetSysColor(COLOR_HIGHLIGHT));

  TWinControl orphan(nullptr);
  EXPECT_EQ(orphan.Color(), clBtnFace) << "with no parent, no colour means the button face";
}

TEST_F(ColourTest, AStaticChildIsAnsweredWithItsColourAndBrush) {
  auto* label = new TLabel(&parent_);
  label->SetParent(&parent_);
  struct Case {
    TColor colour;
    COLORREF rgb;
  };
  const Case cases[] = {{0x00C0FFEE, RGB(0xEE, 0xFF, 0xC0)}, {clWindow, GetSysColor(COLOR_WINDOW)}};
  for (const Case& c : cases) {
    label->SetColor(c.colour);
    TWindowDC dc(label->Handle());
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        parent_.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(label->Handle())));
    LOGBRUSH info = {};
    ASSERT_NE(GetObjectA(brush, sizeof info, &info), 0) << std::hex << c.colour;
    EXPECT_EQ(info.lbColor, c.rgb) << std::hex << c.colour;
    EXPECT_EQ(GetBkColor(dc.Get()), c.rgb) << std::hex << c.colour;
  }
  EXPECT_EQ(SendMessageA(parent_.Handle(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(label->Handle())),
            reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)))
      << "a system colour is answered with the system's own brush";
}

TEST_F(ColourTest, RepaintingInChangingColoursKeepsNoBrushBehind) {
  child_->SetColor(0x00010203);
  Painted(*child_);
  const int before = GdiObjectCount();
  for (int i = 0; i < 50; ++i) {
    child_->SetColor(i % 2 ? SystemColor(COLOR_HIGHLIGHT) : 0x00010000 * i + 0x0102);
    Painted(*child_);
  }
  child_->SetColor(0x00010203);
  Painted(*child_);
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
