// skinview.exe wearing each skin the program ships, its pixels compared with the skin's own
// pictures: frame and window shape, title bar, caption buttons, push button, check mark, tabs,
// scroll bar and menu bar. Where a picture goes is read from the skin's description, so a skin
// of other sizes, frame counts and button places finds whatever the engine takes for granted.
#include "deadline.h"
#include "harness.h"
#include "message_box.h"
#include "real_input.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "screenshot.h"
#include "window_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr UINT kIsSkinned = 0x3523;

struct TSkinUnderTest {
  const char* Name;         // its SkinName, which the viewer's caption shows
  const char* Package;      // the package given on the command line
  const char* Sources;      // the folder of its pictures and description
  const char* Description;  // the description's file name there
};

// A 24-bit picture of the skin's sources, read as the engine reads it, or a screen area.
class TPixels {
public:
  TPixels() = default;
  TPixels(int width, int height) : width_(width), height_(height), px_(static_cast<size_t>(width * height)) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return px_.empty(); }
  COLORREF At(int x, int y) const { return px_[static_cast<size_t>(y * width_ + x)]; }
  COLORREF& At(int x, int y) { return px_[static_cast<size_t>(y * width_ + x)]; }

  // The pixels of BITMAP selected into DC: every row read at once.
  static TPixels Read(HDC dc, HBITMAP bitmap, int width, int height) {
    TPixels out(width, height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> rows(static_cast<size_t>(width * height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS);
    for (size_t i = 0; i < rows.size(); ++i)
      out.px_[i] = RGB((rows[i] >> 16) & 0xFF, (rows[i] >> 8) & 0xFF, rows[i] & 0xFF);
    return out;
  }

private:
  int width_ = 0, height_ = 0;
  std::vector<COLORREF> px_;
};

TPixels LoadPicture(const std::string& path) {
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!bitmap)
    return {};
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC dc = CreateCompatibleDC(nullptr);
  TPixels out = TPixels::Read(dc, bitmap, info.bmWidth, info.bmHeight);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return out;
}

// What the screen shows in R (screen coordinates).
TPixels CaptureScreen(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(dc, old);
  TPixels out = TPixels::Read(dc, bitmap, w, h);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return out;
}

// Frame INDEX (1-based) of COUNT frames, side by side or stacked.
TPixels FrameOf(const TPixels& strip, int count, int index, bool stacked = false) {
  const int w = stacked ? strip.Width() : strip.Width() / count;
  const int h = stacked ? strip.Height() / count : strip.Height();
  TPixels out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      out.At(x, y) = strip.At(stacked ? x : (index - 1) * w + x, stacked ? (index - 1) * h + y : y);
  return out;
}

// The share of the piece's opaque pixels (those not of the key colour) that the screen shows
// at (LEFT, TOP), each unscaled; with SCALE set, the piece stretched over WIDTH x HEIGHT.
double Match(const TPixels& screen, const TPixels& piece, int left, int top, int width = 0, int height = 0) {
  int opaque = 0, same = 0;
  const bool scaled = width > 0 && height > 0;
  for (int y = 0; y < piece.Height(); ++y)
    for (int x = 0; x < piece.Width(); ++x) {
      const COLORREF wanted = piece.At(x, y);
      if (wanted == kKey)
        continue;
      const int sx = left + (scaled ? (2 * x + 1) * width / (2 * piece.Width()) : x);
      const int sy = top + (scaled ? (2 * y + 1) * height / (2 * piece.Height()) : y);
      ++opaque;
      same += sx >= 0 && sy >= 0 && sx < screen.Width() && sy < screen.Height() && screen.At(sx, sy) == wanted;
    }
  return opaque == 0 ? 0 : static_cast<double>(same) / opaque;
}

// The best match of the piece at any place within SLACK pixels of (LEFT, TOP).
double BestMatch(const TPixels& screen, const TPixels& piece, int left, int top, int slack) {
  double best = 0;
  for (int dy = -slack; dy <= slack; ++dy)
    for (int dx = -slack; dx <= slack; ++dx) best = std::max(best, Match(screen, piece, left + dx, top + dy));
  return best;
}

// The corner of a frame that nine-slice drawing copies unscaled: WIDTH x HEIGHT at one corner.
TPixels Corner(const TPixels& frame, int width, int height, bool right, bool bottom) {
  TPixels out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out.At(x, y) = frame.At(right ? frame.Width() - width + x : x, bottom ? frame.Height() - height + y : y);
  return out;
}

// The skin's description, read the way the engine reads it: first section, first key.
class TDescription {
public:
  explicit TDescription(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
      const std::string trimmed = Trim(line);
      if (trimmed.empty() || trimmed[0] == ';')
        continue;
      lines_.push_back(trimmed);
    }
  }
  std::string String(const std::string& section, const std::string& key) const {
    bool inside = false;
    for (const std::string& line : lines_) {
      if (line.front() == '[') {
        if (inside)
          return {};
        inside = line.back() == ']' && Lower(line.substr(1, line.size() - 2)) == Lower(section);
        continue;
      }
      const size_t eq = line.find('=');
      if (inside && eq != std::string::npos && Lower(Trim(line.substr(0, eq))) == Lower(key))
        return Trim(line.substr(eq + 1));
    }
    return {};
  }
  int Integer(const std::string& section, const std::string& key, int fallback) const {
    const std::string text = String(section, key);
    return text.empty() ? fallback : std::atoi(text.c_str());
  }
  std::vector<std::string> CaptionButtons() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
      const std::string name = Lower(line);
      if (name.rfind("[button", 0) == 0 && name != "[buttons]")
        names.push_back(line.substr(1, line.size() - 2));
    }
    return names;
  }

private:
  static std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r\n"), e = s.find_last_not_of(" \t\r\n");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
  }
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  std::vector<std::string> lines_;
};

BOOL CALLBACK NoteUnpainted(HWND child, LPARAM pending) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
    *reinterpret_cast<bool*>(pending) = true;
  return TRUE;
}

class SkinPictures : public ::testing::TestWithParam<TSkinUnderTest> {
protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    program_ = std::make_unique<TProgramUnderTest>(SKINVIEW_EXE, WindowsPath(SCRATCH_ROOT) + "\\SkinView." + name,
                                                   TWindowIdentity{"TSkinViewForm", "Skin viewer - Slate"});
    description_ = std::make_unique<TDescription>(
        ReadFileBytes(Source(GetParam().Description)).value_or(""));
  }
  void TearDown() override {
    if (!program_->IsRunning())
      return;
    SaveScreenshot(program_->MainWindow(), program_->PathOf("screen.bmp"));
    EXPECT_TRUE(program_->Quit()) << "the viewer did not end when its window was closed";
  }

  std::string Source(const std::string& file) const { return std::string(GetParam().Sources) + "\\" + file; }
  TPixels Picture(const char* section, const char* key) const {
    return LoadPicture(Source(description_->String(section, key)));
  }
  const TDescription& Description() const { return *description_; }
  HWND Main() const { return program_->MainWindow(); }

  // The viewer started with the skin and its window painted, the mouse out of its way; false
  // when it did not come.
  bool Start() {
    const std::string package = std::string(GetParam().Package);
    WriteFileBytes(program_->PathOf("skin.skin"), ReadFileBytes(package).value_or(""));
    program_->Start("skin.skin");
    SetCursorPos(0, 0);
    const std::string caption = std::string("Skin viewer - ") + GetParam().Name;
    if (!WaitFor(kWindowTimeoutMs, [&] {
          return TextOf(Main()) == caption && GetMenu(Main()) == nullptr && SendMessageA(Main(), kIsSkinned, 0, 0) == 1;
        }))
      return false;
    Settle();
    return true;
  }

  // Until the window and every child have painted, and a little more for the skin's own
  // repaints after a change.
  void Settle() const {
    for (int round = 0; round < 2; ++round) {
      WaitFor(kReplyTimeoutMs, [&] {
        if (GetUpdateRect(Main(), nullptr, FALSE))
          return false;
        bool pending = false;
        EnumChildWindows(Main(), &NoteUnpainted, reinterpret_cast<LPARAM>(&pending));
        return !pending;
      });
      SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, nullptr);
      Sleep(300);
    }
  }

  TPixels Window(RECT& r) const {
    GetWindowRect(Main(), &r);
    return CaptureScreen(r);
  }

  // A child's rectangle in the window's coordinates.
  RECT InWindow(HWND child) const {
    RECT r{}, w{};
    GetWindowRect(child, &r);
    GetWindowRect(Main(), &w);
    OffsetRect(&r, -w.left, -w.top);
    return r;
  }

  int BorderFrames(const char* side) const { return Description().Integer("Personality", std::string(side) + "Frame", 1); }

  std::unique_ptr<TProgramUnderTest> program_;
  std::unique_ptr<TDescription> description_;
};

// The window's corners are the side borders' unscaled ends, pixel for pixel; their key-coloured
// pixels are cut out of the window's shape.
TEST_P(SkinPictures, FrameCornersAndTheWindowShapeAreTheSkins) {
  ASSERT_TRUE(Start());
  RECT w{};
  const TPixels screen = Window(w);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(Main(), shape) != ERROR;
  for (const char* side : {"Left", "Right"}) {
    SCOPED_TRACE(side);
    const TPixels frame = FrameOf(Picture("Personality", side), BorderFrames(side), 1);
    ASSERT_FALSE(frame.Empty());
    const int top = Description().Integer("Personality", std::string(side) + "TopHeight", 0);
    const int bottom = Description().Integer("Personality", std::string(side) + "BotHeight", 0);
    const bool right = side[0] == 'R';
    const int x0 = right ? screen.Width() - frame.Width() : 0;
    int opaque = 0, same = 0, keyed = 0, cut = 0;
    for (const auto& [rows, fromBottom] : {std::pair{top, false}, std::pair{bottom, true}})
      for (int y = 0; y < rows; ++y)
        for (int x = 0; x < frame.Width(); ++x) {
          const int py = fromBottom ? frame.Height() - rows + y : y;
          const int sy = fromBottom ? screen.Height() - rows + y : y;
          const COLORREF wanted = frame.At(x, py);
          if (wanted == kKey) {
            ++keyed;
            cut += shaped && !PtInRegion(shape, x0 + x, sy);
            continue;
          }
          ++opaque;
          same += screen.At(x0 + x, sy) == wanted;
        }
    EXPECT_GE(same * 100, opaque * 97) << same << " of " << opaque << " corner pixels as in the skin";
    EXPECT_EQ(cut, keyed) << "key-coloured corner pixels outside the window's shape";
  }
  DeleteObject(shape);
}

// The caption's background is the top border's picture, tiled or stretched as the skin says:
// most columns of the title bar that text and buttons leave free show it exactly.
TEST_P(SkinPictures, TheTitleBarIsTheTopPictureTiledOrStretched) {
  ASSERT_TRUE(Start());
  RECT w{};
  const TPixels screen = Window(w);
  const TPixels top = FrameOf(Picture("Personality", "Top"), BorderFrames("Top"), 1, true);
  const int left = FrameOf(Picture("Personality", "Left"), BorderFrames("Left"), 1).Width();
  const int right = FrameOf(Picture("Personality", "Right"), BorderFrames("Right"), 1).Width();
  ASSERT_FALSE(top.Empty());
  const bool tiled = Description().Integer("Personality", "TopStretch", 1) == 0;
  const int span = screen.Width() - left - right;
  int columns = 0;
  for (int x = left; x < screen.Width() - right; ++x) {
    const int px = tiled ? (x - left) % top.Width() : (x - left) * top.Width() / span;
    bool same = true;
    for (int y = 0; y < top.Height() && same; ++y) same = screen.At(x, y) == top.At(px, y);
    columns += same;
  }
  EXPECT_GE(columns * 3, span) << columns << " of " << span << " title-bar columns as in the skin";

  // A centred title: what covers the bar between the buttons of both ends (the text and its
  // plate) is centred on the window.
  if (Description().Integer("Personality", "TextAlignment", 0) != 1)
    return;
  int from = left, to = screen.Width() - right;
  for (const std::string& section : Description().CaptionButtons()) {
    const int x = Description().Integer(section, "Xcoord", 0);
    if (Description().Integer(section, "Align", 0) == 0)
      from = std::max(from, x + 26);
    else
      to = std::min(to, screen.Width() - x - 2);
  }
  int first = -1, last = -1;
  for (int x = from; x < to; ++x) {
    const int px = tiled ? (x - left) % top.Width() : (x - left) * top.Width() / span;
    bool same = true;
    for (int y = 0; y < top.Height() && same; ++y) same = screen.At(x, y) == top.At(px, y);
    if (!same) {
      if (first < 0) first = x;
      last = x;
    }
  }
  ASSERT_GE(first, 0) << "no title between " << from << " and " << to;
  EXPECT_NEAR((first + last + 1) / 2.0, screen.Width() / 2.0, 2.0) << "title from " << first << " to " << last;
}

// Close, maximise and minimise are drawn where the description puts them, from its left or
// right edge, in their normal frame.
TEST_P(SkinPictures, CaptionButtonsAreTheSkinsPicturesWhereTheSkinPutsThem) {
  ASSERT_TRUE(Start());
  RECT w{};
  const TPixels screen = Window(w);
  int checked = 0;
  for (const std::string& section : Description().CaptionButtons()) {
    const int action = Description().Integer(section, "Action", 0);
    const int visibility = Description().Integer(section, "Visibility", 0);
    const std::string file = Description().String(section, "ButtonImage");
    if (file.empty() || !(action == 0 || action == 2 || (action == 1 && visibility == 2)))
      continue;
    SCOPED_TRACE(section);
    const TPixels strip = LoadPicture(Source(file));
    const int frames = Description().Integer(section, "frame", 0);
    ASSERT_GT(frames, 0);
    // A maximise button of a window without the maximise box is shown disabled: the fourth frame
    // of a strip that has one.
    const bool disabled = action == 1 && !(StyleOf(Main()) & WS_MAXIMIZEBOX) && frames >= 4;
    const TPixels normal = FrameOf(strip, frames, disabled ? 4 : 1);
    const int x = Description().Integer(section, "Xcoord", 0), y = Description().Integer(section, "Ycoord", 0);
    const int align = Description().Integer(section, "Align", 0);
    const int left = align == 1 ? screen.Width() - x : x;
    EXPECT_GE(BestMatch(screen, normal, left, y, 1), 0.95) << "at " << left << "," << y;
    ++checked;
  }
  EXPECT_EQ(checked, 3) << "close, maximise and minimise";
}

// The Standard page's push button shows the skin's corners unscaled; its checked box the
// skin's checked mark, at the picture's own size.
TEST_P(SkinPictures, PushButtonCornersAndTheCheckMarkAreTheSkins) {
  ASSERT_TRUE(Start());
  RECT w{};
  const TPixels screen = Window(w);
  const RECT button = InWindow(FindDescendant(Main(), "Button", "&Button"));
  const TPixels strip = Picture("Buttons", "Bitmap");
  const int l = Description().Integer("Buttons", "LeftWidth", 0), t = Description().Integer("Buttons", "TopHeight", 0);
  const int r = Description().Integer("Buttons", "RightWidth", 0), b = Description().Integer("Buttons", "BottomHeight", 0);
  double best = 0;
  for (int frame : {1, 4, 5}) {  // normal, hot, focused
    const TPixels f = FrameOf(strip, 5, frame);
    const double corners = std::min({Match(screen, Corner(f, l, t, false, false), button.left, button.top),
                                     Match(screen, Corner(f, r, t, true, false), button.right - r, button.top),
                                     Match(screen, Corner(f, l, b, false, true), button.left, button.bottom - b),
                                     Match(screen, Corner(f, r, b, true, true), button.right - r, button.bottom - b)});
    best = std::max(best, corners);
  }
  EXPECT_GE(best, 0.95) << "the button's four corners";

  const RECT box = InWindow(FindDescendant(Main(), "Button", "&Check box"));
  const int frames = Description().Integer("Buttons", "CheckButtonFrame", 0);
  ASSERT_TRUE(frames == 4 || frames == 12) << frames;
  // Checked and normal: the second frame in the plain order, the fifth of twelve.
  const TPixels mark = FrameOf(Picture("Buttons", "CheckButton"), frames, frames == 4 ? 2 : 5);
  double found = 0;
  for (int y = box.top; y + mark.Height() <= box.bottom + 1; ++y)
    for (int x = box.left; x < box.left + 6; ++x) found = std::max(found, Match(screen, mark, x, y));
  EXPECT_GE(found, 0.95) << "the checked mark, " << mark.Width() << " x " << mark.Height();
}

// The viewer's pages are chosen by button tabs: the page shown is the skin's pressed push
// button, corners unscaled, and the control around the page wears the skin's face.
TEST_P(SkinPictures, TheShownPagesButtonTabIsPressedAndItsFrameTheFace) {
  ASSERT_TRUE(Start());
  RECT w{};
  const TPixels screen = Window(w);
  HWND tabs = Descendants(Main(), "SysTabControl32").at(0);
  RECT tab = TabItemRect(program_->Process().Handle(), tabs, 0);
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
  OffsetRect(&tab, -w.left, -w.top);
  const TPixels pressed = FrameOf(Picture("Buttons", "Bitmap"), 5, 2);
  const int l = Description().Integer("Buttons", "LeftWidth", 0), t = Description().Integer("Buttons", "TopHeight", 0);
  const int r = Description().Integer("Buttons", "RightWidth", 0);
  double best = 0;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      best = std::max(best, std::min(Match(screen, Corner(pressed, l, t, false, false), tab.left + dx, tab.top + dy),
                                     Match(screen, Corner(pressed, r, t, true, false), tab.right - r + dx, tab.top + dy)));
  EXPECT_GE(best, 0.95) << "the pressed tab's upper corners";

  // Between the control's edge and its page, left of the page.
  const std::string face = Description().String("Colours", "ButtonFace");
  int red = 0, green = 0, blue = 0;
  ASSERT_EQ(std::sscanf(face.c_str(), "%d %d %d", &red, &green, &blue), 3) << face;
  const RECT control = InWindow(tabs);
  HWND page = GetWindow(tabs, GW_CHILD);
  while (page && !IsWindowVisible(page)) page = GetWindow(page, GW_HWNDNEXT);
  ASSERT_NE(page, nullptr);
  const RECT sheet = InWindow(page);
  ASSERT_GT(sheet.left, control.left);
  const int y = (sheet.top + sheet.bottom) / 2;
  for (int x = control.left; x < sheet.left; ++x)
    EXPECT_EQ(screen.At(x, y), static_cast<COLORREF>(RGB(red, green, blue))) << "at " << x << "," << y;
}

// The Edits page's list box: the up arrow of its bar is the skin's, stretched over the arrow's
// square; the menu bar is the skin's bar picture stretched over its height.
TEST_P(SkinPictures, ScrollArrowAndMenuBarAreTheSkins) {
  ASSERT_TRUE(Start());
  HWND tabs = Descendants(Main(), "SysTabControl32").at(0);
  const RECT tab = TabItemRect(program_->Process().Handle(), tabs, 2);
  POINT centre{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
  ASSERT_TRUE(WaitUntilClickable(tabs, centre));
  ClientToScreen(tabs, &centre);
  ClickAt(centre.x, centre.y);
  SetCursorPos(0, 0);
  HWND list = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    for (HWND l : Descendants(Main(), "ListBox"))
      if (IsWindowVisible(l) && (StyleOf(l) & WS_VSCROLL)) list = l;
    return list != nullptr;
  })) << "no list box with a bar on the Edits page";
  Settle();
  RECT w{};
  const TPixels screen = Window(w);
  const RECT r = InWindow(list);
  const int size = GetSystemMetrics(SM_CXVSCROLL);
  const TPixels up = FrameOf(Picture("Scrollbar", "Image"), 23, 9);
  double best = 0;
  for (int inset = 0; inset <= 3; ++inset)
    for (int dy = -1; dy <= 1; ++dy)
      best = std::max(best, Match(screen, up, r.right - inset - size, r.top + inset + dy, size, size));
  EXPECT_GE(best, 0.9) << "the list's up arrow";

  // The bar lies between the caption and the client area; its right end holds no item.
  POINT client{0, 0};
  ClientToScreen(Main(), &client);
  const int captionHeight = FrameOf(Picture("Personality", "Top"), BorderFrames("Top"), 1, true).Height();
  const int barHeight = client.y - w.top - captionHeight;
  ASSERT_GT(barHeight, 4);
  const TPixels bar = FrameOf(Picture("Personality", "menuBar"), 2, 1, true);
  TPixels column(1, bar.Height());
  for (int y = 0; y < bar.Height(); ++y) column.At(0, y) = bar.At(bar.Width() / 2, y);
  const int rightBorder = FrameOf(Picture("Personality", "Right"), BorderFrames("Right"), 1).Width();
  EXPECT_GE(Match(screen, column, screen.Width() - rightBorder - 30, captionHeight, 1, barHeight), 0.9)
      << "a column of the menu bar, " << barHeight << " high";
}

// Skin > Check skin… finds nothing to fix in a shipped skin, and says so in a box whose text is
// drawn in the skin's text colour on the skin's face, as the user typed Alt+S, C.
TEST_P(SkinPictures, CheckSkinFindsNothingAndItsBoxReadsInTheSkinsColours) {
  ASSERT_TRUE(Start());
  PostMessageA(Main(), WM_SYSCHAR, 's', 1 << 29);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    for (HWND window : TopLevelWindows(program_->Process().Id(), "#32768"))
      if (IsWindowVisible(window)) menu = window;
    return menu != nullptr;
  })) << "Alt+S opened no menu";
  PostMessageA(Main(), WM_CHAR, 'c', 0);
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Skin viewer", kWindowTimeoutMs);
  EXPECT_EQ(box.text, std::string("No problems found in the skin ") + GetParam().Name + ".");
  HWND text = FindDescendant(box.window, "Static", box.text);
  ASSERT_NE(text, nullptr);
  Sleep(500);
  RECT r{};
  GetWindowRect(text, &r);
  const TPixels shown = CaptureScreen(r);
  int red = 0, green = 0, blue = 0;
  ASSERT_EQ(std::sscanf(Description().String("Colours", "WindowText").c_str(), "%d %d %d", &red, &green, &blue), 3);
  int inText = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) inText += shown.At(x, y) == static_cast<COLORREF>(RGB(red, green, blue));
  EXPECT_GE(inText, 20) << "pixels of the skin's text colour in the box's text";
  DismissMessageBox(box, kReplyTimeoutMs);
}

const TSkinUnderTest kSkins[] = {
    {"Slate", DEFAULT_SKIN, SKIN_SOURCES, "slate.ini"},
    {"Ember", EMBER_SKIN, EMBER_SOURCES, "ember.ini"},
};

INSTANTIATE_TEST_SUITE_P(Shipped, SkinPictures, ::testing::ValuesIn(kSkins),
                         [](const ::testing::TestParamInfo<TSkinUnderTest>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace e2e
