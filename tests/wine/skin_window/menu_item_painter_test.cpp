// The menu item painters on memory DCs with the stored skin.

#include <gtest/gtest.h>

#include "framework/colour.h"
#include "gdi_count.h"
#include "framework/menu_item_paint.h"
#include "skin/window/menu_item_painter.h"
#include "stored_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>
#include <memory>
#include <utility>

using stored_skin::ElementPixel;
using test_pictures::PixelAt;
using test_pictures::TTarget;

namespace {

constexpr COLORREF kGround = RGB(250, 250, 250);
constexpr int kItemWidth = 160, kItemHeight = 22;

class MenuItemPainter : public ::testing::Test {
protected:
  void SetUp() override { skin_ = stored_skin::LoadSlate(); }

  COLORREF Colour(TColourIndex index) const { return ColorToRGB(skin_->ColourTable().Colours[index]); }
  int LeftMargin() const { return skin_->Elements().MenuItem->Margins.Left; }

  // The first column, from the left (or from the right), holding a pixel other than GROUND;
  // FROM columns are skipped.
  static int FirstInk(const TTarget& target, COLORREF ground, bool fromRight = false, int from = 0) {
    for (int i = from; i < target.Width(); ++i) {
      const int x = fromRight ? target.Width() - 1 - i : i;
      for (int y = 0; y < target.Height(); ++y)
        if (target.Pixel(x, y) != ground)
          return x;
    }
    return -1;
  }
  static int CountOf(const TTarget& target, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x)
        count += target.Pixel(x, y) == colour;
    return count;
  }
  static int InkCount(const TTarget& target, COLORREF ground) {
    return target.Width() * target.Height() - CountOf(target, ground);
  }

  // The item's content drawn on plain ground in the menu font.
  std::unique_ptr<TTarget> Content(const TMenuItemLook& item, bool selected = false) const {
    auto target = std::make_unique<TTarget>(kItemWidth, kItemHeight, kGround);
    TSelectObject keep(target->Dc(), MenuFont());
    DrawItemContent(target->Dc(), RECT{0, 0, kItemWidth, kItemHeight}, item, selected, *skin_);
    return target;
  }

  std::unique_ptr<TSkinData> skin_;
};

TMenuItemLook Item(const wchar_t* caption) {
  TMenuItemLook item;
  item.caption = caption;
  return item;
}

UniqueImageList SolidImages(int size, COLORREF colour) {
  UniqueImageList images(ImageList_Create(size, size, ILC_COLOR24, 1, 1));
  TBitmap picture = test_pictures::MakePicture(size, size, [=](int, int) { return colour; });
  ImageList_Add(images.Get(), picture.Handle(), nullptr);
  return images;
}

TEST_F(MenuItemPainter, TheTextStartsAfterTheGlyphColumnOfItsSize) {
  UniqueImageList wide = SolidImages(24, RGB(200, 0, 0));
  UniqueImageList narrow = SolidImages(10, RGB(200, 0, 0));
  struct TCase {
    const char* name;
    HIMAGELIST images;
    bool checked;
    int glyph;  // expected width of the glyph column
  } cases[] = {
      {"neither image nor check", nullptr, false, 16},
      {"check mark without images", nullptr, true, 16},
      {"24-pixel image list, no image of the item", wide.Get(), false, 24},
      {"10-pixel image list", narrow.Get(), false, 10},
      {"10-pixel image list, checked", narrow.Get(), true, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMenuItemLook item = Item(L"Wall");
    item.images = c.images;
    item.checked = c.checked;
    auto target = Content(item);
    const int glyphLeft = 1 + LeftMargin();
    const int textStart = glyphLeft + c.glyph + 3;
    if (c.checked) {
      EXPECT_GE(FirstInk(*target, kGround), glyphLeft) << "the check mark in the glyph column";
      EXPECT_LT(FirstInk(*target, kGround), glyphLeft + c.glyph);
    } else {
      EXPECT_GE(FirstInk(*target, kGround), textStart);
    }
    const int textInk = FirstInk(*target, kGround, false, glyphLeft + c.glyph);
    EXPECT_GE(textInk, textStart);
    EXPECT_LE(textInk, textStart + 2);
  }
}

TEST_F(MenuItemPainter, RightToLeftItemsMirrorTheGlyphColumnAndTheText) {
  TMenuItemLook item = Item(L"Wall");
  item.rightToLeft = true;
  item.checked = true;
  auto target = Content(item);
  const int textEnd = kItemWidth - 1 - (1 + LeftMargin() + 16 + 3);
  const int lastInk = FirstInk(*target, kGround, true);
  EXPECT_GT(lastInk, textEnd) << "the check mark sits on the right";
  EXPECT_LE(lastInk, kItemWidth - 1 - (1 + LeftMargin()));
  item.checked = false;
  auto text = Content(item);
  EXPECT_LE(FirstInk(*text, kGround, true), textEnd);
  EXPECT_GE(FirstInk(*text, kGround, true), textEnd - 3);
}

TEST_F(MenuItemPainter, TextColoursFollowStateAndSelection) {
  struct TCase {
    const char* name;
    bool enabled, selected, shadowLikeText;
    COLORREF expected;
  } cases[] = {
      {"enabled", true, false, false, Colour(ciMenuText)},
      {"enabled and selected", true, true, false, Colour(ciHilightText)},
      {"disabled", false, false, false, Colour(ciButtonShadow)},
      {"disabled and selected", false, true, false, Colour(ciButtonShadow)},
      {"disabled, skin shadow equal to the menu text", false, false, true, GetSysColor(COLOR_BTNSHADOW)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    skin_ = stored_skin::LoadSlate();
    if (c.shadowLikeText)
      skin_->ColourTable().Colours[ciButtonShadow] = skin_->ColourTable().Colours[ciMenuText];
    TMenuItemLook item = Item(L"MMMM HHHH");
    item.enabled = c.enabled;
    auto target = Content(item, c.selected);
    // Antialiased text: its fully covered pixels have the colour, and no pixel has another
    // state's colour.
    EXPECT_GE(CountOf(*target, c.expected), 4);
    for (COLORREF other : {Colour(ciMenuText), Colour(ciHilightText), Colour(ciButtonShadow)})
      if (other != c.expected)
        EXPECT_EQ(CountOf(*target, other), 0);
  }
}

TEST_F(MenuItemPainter, TheDefaultItemIsBoldAndTheShortcutEndsElevenPixelsFromTheRight) {
  TMenuItemLook plain = Item(L"MMMM");
  TMenuItemLook bold = plain;
  bold.isDefault = true;
  EXPECT_GT(InkCount(*Content(bold), kGround), InkCount(*Content(plain), kGround));

  TMenuItemLook withShortcut = Item(L"Open");
  withShortcut.shortcut = L"Ctrl+O";
  const int lastInk = FirstInk(*Content(withShortcut), kGround, true);
  EXPECT_LE(lastInk, kItemWidth - 11);
  EXPECT_GE(lastInk, kItemWidth - 14);
}

TEST_F(MenuItemPainter, ImagesAreDrawnInTheGlyphColumnWhenTheirIndexIsValid) {
  constexpr COLORREF kRed = RGB(200, 0, 0);
  UniqueImageList images = SolidImages(16, kRed);
  const int cx = 1 + LeftMargin() + 8, cy = 1 + 8;
  struct TCase {
    const char* name;
    int index;
    bool enabled;
    bool red;  // the glyph's centre shows the image
  } cases[] = {
      {"valid index", 0, true, true},
      {"index past the list", 3, true, false},
      {"negative index", -1, true, false},
      {"disabled", 0, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMenuItemLook item = Item(L"Wall");
    item.images = images.Get();
    item.imageIndex = c.index;
    item.enabled = c.enabled;
    auto target = Content(item);
    EXPECT_EQ(target->Pixel(cx, cy) == kRed, c.red);
  }
  // A checked item's image sits on a sunken, checkered square: its edge shows around it.
  UniqueImageList small = SolidImages(12, kRed);
  TMenuItemLook checked = Item(L"Wall");
  checked.images = small.Get();
  checked.imageIndex = 0;
  checked.checked = true;
  auto target = Content(checked);
  EXPECT_EQ(target->Pixel(1 + LeftMargin() + 6, 1 + 6), kRed);
  EXPECT_NE(target->Pixel(1 + LeftMargin() + 14, 1 + 14), kGround);
}

TEST_F(MenuItemPainter, SkinnedItemsLieOverThePopupBackgroundInsideItsFrame) {
  // A background whose pixels carry their coordinates shows where each item pixel came from.
  const TBitmap background = test_pictures::CoordinatePicture(kItemWidth + 20, 120);
  const TDataSkinObject& element = *skin_->Elements().MenuItem;
  const RECT rect{0, 30, kItemWidth, 30 + kItemHeight};
  for (bool selected : {false, true}) {
    SCOPED_TRACE(selected ? "selected" : "normal");
    TTarget target(kItemWidth, 60, kGround);
    DrawMenuItem(target.Dc(), rect, Item(L""), selected, *skin_, &background);
    for (auto [x, dy] : {std::pair{kItemWidth - 2, kItemHeight / 2}, std::pair{kItemWidth - 6, 4},
                         std::pair{kItemWidth - 6, kItemHeight - 5}}) {
      const int y = rect.top + dy;
      const COLORREF laid = ElementPixel(element, 5,
                                         selected ? 4 : 1,
                                         kItemWidth, kItemHeight, x, dy);
      if (laid == RGB(255, 0, 255))
        EXPECT_EQ(target.Pixel(x, y), RGB(x + kPopupFrameWidth, y + kPopupFrameWidth, test_pictures::kTag));
      else
        EXPECT_EQ(target.Pixel(x, y), laid);
      EXPECT_EQ(selected, laid != RGB(255, 0, 255)) << "frame 1 is see-through, frame 4 is not";
    }
    const int x = kItemWidth - 2;
    EXPECT_EQ(target.Pixel(x, 29), kGround) << "nothing above the item";
  }
  // Without a background, the ground is the skin's Menu colour.
  TTarget target(kItemWidth, kItemHeight, kGround);
  DrawMenuItem(target.Dc(), RECT{0, 0, kItemWidth, kItemHeight}, Item(L""), false, *skin_, nullptr);
  EXPECT_EQ(target.Pixel(kItemWidth - 2, kItemHeight / 2), Colour(ciMenu));
}

TEST_F(MenuItemPainter, ASkinWithoutMenuItemUsesThePlainPainter) {
  skin_->Elements().MenuItem.reset();
  struct TCase {
    const char* name;
    bool selected, separator;
    COLORREF fill;
  } cases[] = {
      {"normal", false, false, Colour(ciMenu)},
      {"selected", true, false, Colour(ciHilight)},
      {"separator", false, true, Colour(ciMenu)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMenuItemLook item = Item(c.separator ? L"" : L"Wall");
    item.separator = c.separator;
    TTarget target(kItemWidth, kItemHeight, kGround);
    DrawMenuItem(target.Dc(), RECT{0, 0, kItemWidth, kItemHeight}, item, c.selected, *skin_, nullptr);
    EXPECT_EQ(target.Pixel(kItemWidth - 2, 1), c.fill);
    // Text, or for a separator an etched line 4 pixels down, and nothing else.
    EXPECT_EQ(target.Pixel(kItemWidth / 2, 4) != c.fill, c.separator);
    if (!c.separator) {
      EXPECT_GE(FirstInk(target, c.fill), 1 + 16 + 3) << "no MenuItem margin without MenuItem";
      EXPECT_LE(FirstInk(target, c.fill), 1 + 16 + 3 + 2);
    }
  }
}

TEST_F(MenuItemPainter, SeparatorsAreFrame2BottomAlignedOrStretched) {
  const TDataSkinObject& element = *skin_->Elements().MenuItem;
  const int frameWidth = element.Image.Width() / 5;
  const int frameHeight = element.Image.Height();
  // The line's rows in frame 2, found in the picture itself.
  std::vector<int> lineRows;
  for (int y = 0; y < frameHeight; ++y)
    if (ElementPixel(element, 5, 2, frameWidth, frameHeight,
                     frameWidth / 2, y) != RGB(255, 0, 255))
      lineRows.push_back(y);
  ASSERT_FALSE(lineRows.empty());
  struct TCase {
    int height;
    int shift;  // item row = picture row + shift, for a picture taller than the item
  } cases[] = {{8, 8 - frameHeight}, {frameHeight - 1, -1}, {frameHeight, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    TTarget target(kItemWidth, c.height, kGround);
    DrawSeparator(target.Dc(), RECT{0, 0, kItemWidth, c.height}, *skin_);
    for (int y = 0; y < c.height; ++y) {
      const bool onLine = std::find(lineRows.begin(), lineRows.end(), y - c.shift) != lineRows.end();
      EXPECT_EQ(target.Pixel(kItemWidth / 2, y) != kGround, onLine) << "row " << y;
    }
  }
  // Taller than the picture: stretched, so the line moves down in proportion.
  TTarget tall(kItemWidth, 2 * frameHeight, kGround);
  DrawSeparator(tall.Dc(), RECT{0, 0, kItemWidth, 2 * frameHeight}, *skin_);
  EXPECT_NE(tall.Pixel(kItemWidth / 2, 2 * lineRows.front()), kGround);
  EXPECT_EQ(tall.Pixel(kItemWidth / 2, 0), kGround);
}

TEST_F(MenuItemPainter, EmptyAndInvertedRectanglesDrawNothing) {
  for (RECT r : {RECT{10, 10, 10, 30}, RECT{10, 10, 40, 10}, RECT{40, 10, 10, 30}, RECT{10, 30, 40, 10}}) {
    TTarget target(60, 40, kGround);
    DrawMenuItem(target.Dc(), r, Item(L"Wall"), true, *skin_, nullptr);
    DrawSeparator(target.Dc(), r, *skin_);
    EXPECT_EQ(InkCount(target, kGround), 0);
  }
}

TEST_F(MenuItemPainter, NativeItemsAreReadFromTheirMenu) {
  UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.Get(), MF_STRING, 11, L"&Open\tCtrl+O");
  AppendMenuW(menu.Get(), MF_STRING | MF_GRAYED, 12, L"Grayed");
  AppendMenuW(menu.Get(), MF_STRING | MF_DISABLED, 13, L"Disabled");
  AppendMenuW(menu.Get(), MF_STRING | MF_CHECKED, 14, L"Checked");
  AppendMenuW(menu.Get(), MF_SEPARATOR, 15, nullptr);
  AppendMenuW(menu.Get(), MF_STRING | MFT_RIGHTORDER, 16, L"Mirrored");
  SetMenuDefaultItem(menu.Get(), 14, FALSE);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  info.fType = MFT_STRING | MFT_OWNERDRAW;
  AppendMenuW(menu.Get(), MF_STRING, 18, L"Made owner drawn");
  SetMenuItemInfoW(menu.Get(), 18, FALSE, &info);

  struct TCase {
    UINT id;
    const wchar_t* caption;
    const wchar_t* shortcut;
    bool enabled, checked, isDefault, separator, rightToLeft;
  } cases[] = {
      {11, L"&Open", L"Ctrl+O", true, false, false, false, false},
      {12, L"Grayed", L"", false, false, false, false, false},
      {13, L"Disabled", L"", false, false, false, false, false},
      {14, L"Checked", L"", true, true, true, false, false},
      {15, L"", L"", true, false, false, true, false},
      {16, L"Mirrored", L"", true, false, false, false, true},
      {18, L"Made owner drawn", L"", true, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const TMenuItemLook look = NativeMenuItemLook(menu.Get(), c.id, false);
    EXPECT_EQ(look.caption, c.caption);
    EXPECT_EQ(look.shortcut, c.shortcut);
    if (!c.separator)  // a separator's own state varies by system and is not drawn
      EXPECT_EQ(look.enabled, c.enabled);
    EXPECT_EQ(look.checked, c.checked);
    EXPECT_EQ(look.isDefault, c.isDefault);
    EXPECT_EQ(look.separator, c.separator);
    EXPECT_EQ(look.rightToLeft, c.rightToLeft);
  }
  EXPECT_EQ(NativeMenuItemLook(menu.Get(), 0, true).caption, L"&Open");
  const TMenuItemLook missing = NativeMenuItemLook(menu.Get(), 999, false);
  EXPECT_TRUE(missing.caption.empty());
}

TEST_F(MenuItemPainter, NativeTextIsMeasuredWithRoomForTheGlyphColumn) {
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), MenuFont());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  const SIZE empty = MeasureNativeMenuText(screen.Get(), std::wstring(), *skin_);
  EXPECT_EQ(empty.cy, 8);
  const SIZE one = MeasureNativeMenuText(screen.Get(), L"Wall", *skin_);
  const SIZE two = MeasureNativeMenuText(screen.Get(), L"WallWall", *skin_);
  const int margin = LeftMargin();
  EXPECT_EQ(one.cy, metrics.tmHeight + 4);
  EXPECT_EQ(two.cx - one.cx, one.cx - empty.cx) << "the text's own width, once per copy";
  skin_->Elements().MenuItem.reset();
  EXPECT_EQ(MeasureNativeMenuText(screen.Get(), L"Wall", *skin_).cx, one.cx - margin);
}

TEST_F(MenuItemPainter, PaintingLeavesNoGdiObjectBehind) {
  UniqueImageList images = SolidImages(16, RGB(200, 0, 0));
  const TBitmap background = test_pictures::CoordinatePicture(kItemWidth + 6, kItemHeight + 6);
  TMenuItemLook imaged = Item(L"Image");
  imaged.images = images.Get();
  imaged.imageIndex = 0;
  TMenuItemLook checked = Item(L"Checked\tCtrl+K");
  checked.checked = true;
  checked.isDefault = true;
  TMenuItemLook disabled = imaged;
  disabled.enabled = false;
  disabled.checked = true;
  TMenuItemLook separator;
  separator.separator = true;
  const RECT rect{0, 0, kItemWidth, kItemHeight};
  TTarget target(kItemWidth, kItemHeight, kGround);
  auto paintAll = [&] {
    for (const TMenuItemLook* item : {&imaged, &checked, &disabled, &separator})
      for (bool selected : {false, true}) {
        DrawMenuItem(target.Dc(), rect, *item, selected, *skin_, &background);
        DrawPlainMenuItem(target.Dc(), rect, *item, selected, *skin_);
      }
  };
  paintAll();  // the system's own objects (check mark, fonts) are made once
  const int before = GdiObjectCount();
  for (int i = 0; i < 20; ++i)
    paintAll();
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
