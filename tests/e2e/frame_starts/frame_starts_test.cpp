// The skinned frame on every start. The real programs are started again and again, and after
// each start the caption, the close button, the left and bottom borders and (where there is
// one) the menu bar on the screen are compared with the skin's pictures. What is painted first
// differs from start to start and between kinds of Wine prefix, so CTest runs this program in
// the tests' own prefix and in a default one.
#include "deadline.h"
#include "harness.h"
#include "scratch_files.h"
#include "screenshot.h"
#include "skin_pixels.h"
#include "window_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr int kStarts = 5;
constexpr UINT kIsSkinned = 0x3523;  // a skinned window answers 1

// A place of the frame, in window coordinates of a window of SIZE, and the place of the skin's
// picture that must show there while the window is active.
struct TFramePlace {
  const char* what;
  const char* picture;
  POINT (*windowPoint)(SIZE window);
  POINT picturePoint;
};

// The default skin's frame: 28-pixel caption, 4-pixel borders, the close button 24 x 18 at 30
// pixels from the right edge and 5 from the top; every picture's first frame is the active one.
const TFramePlace kFrame[] = {
    {"caption", "top.bmp", [](SIZE s) { return POINT{s.cx * 2 / 3, 2}; }, {8, 2}},
    {"close button", "closebutton.bmp", [](SIZE s) { return POINT{s.cx - 30 + 12, 5 + 9}; }, {12, 9}},
    {"left border", "left.bmp", [](SIZE s) { return POINT{2, s.cy / 2}; }, {2, 30}},
    {"bottom border", "bottom.bmp", [](SIZE s) { return POINT{s.cx / 2, s.cy - 3}; }, {8, 1}},
};
// Below the caption, the skinned menu bar: the band's right end, where no item lies.
const TFramePlace kMenuBar = {"menu bar", "menubar.bmp", [](SIZE s) { return POINT{s.cx - 8, 28 + 4}; }, {8, 4}};

struct TProgramKind {
  const char* name;
  const char* exe;
  const char* arguments;
  TWindowIdentity window;
  bool menuBar;
};

const TProgramKind kPrograms[] = {
    {"Tessaloom", TESSALOOM_EXE, "", {"TForm1", "Muravane"}, false},
    {"skinview", SKINVIEW_EXE, "", {"TSkinViewForm", "Skin viewer - Slate"}, true},
    {"skinview --mdi", SKINVIEW_EXE, "--mdi", {"TSkinViewForm", "Skin viewer - Slate"}, true},
};

// The places of PLACES whose screen pixel differs from the skin's; empty when all match.
std::string Mismatches(HWND window, const std::vector<TFramePlace>& places) {
  RECT r{};
  GetWindowRect(window, &r);
  const SIZE size{r.right - r.left, r.bottom - r.top};
  std::string wrong;
  for (const TFramePlace& place : places) {
    const POINT at = place.windowPoint(size);
    const COLORREF expected =
        PicturePixel(std::string(SKIN_SOURCES) + "\\" + place.picture, place.picturePoint.x, place.picturePoint.y);
    const COLORREF shown = ScreenPixel(r.left + at.x, r.top + at.y);
    if (shown != expected) {
      char line[160];
      wsprintfA(line, "%s: %06lx instead of %06lx; ", place.what, static_cast<unsigned long>(shown),
                static_cast<unsigned long>(expected));
      wrong += line;
    }
  }
  return wrong;
}

class FrameOnEveryStart : public ::testing::TestWithParam<TProgramKind> {};

TEST_P(FrameOnEveryStart, TheFrameIsPaintedFromTheSkin) {
  const TProgramKind& kind = GetParam();
  std::vector<TFramePlace> places(std::begin(kFrame), std::end(kFrame));
  if (kind.menuBar)
    places.push_back(kMenuBar);
  std::string folderName = kind.name;
  for (char& c : folderName)
    if (c == ' ')
      c = '_';
  TProgramUnderTest program(kind.exe, WindowsPath(SCRATCH_ROOT) + "\\FrameStarts." + folderName, kind.window);
  for (int start = 1; start <= kStarts; ++start) {
    SetCursorPos(0, 0);  // a hovered caption button shows another frame
    HWND main = program.Start(kind.arguments);
    ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }))
        << kind.name << ", start " << start << ": not skinned";
    SetForegroundWindow(main);
    std::string wrong;
    const bool painted = WaitFor(kReplyTimeoutMs, [&] { return (wrong = Mismatches(main, places)).empty(); });
    if (!painted)
      SaveScreenshot(main, program.PathOf("start" + std::to_string(start) + ".bmp"));
    EXPECT_TRUE(painted) << kind.name << ", start " << start << ": " << wrong;
    ASSERT_TRUE(program.Quit()) << kind.name << " did not end when its window was closed";
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, FrameOnEveryStart, ::testing::ValuesIn(kPrograms),
                         [](const ::testing::TestParamInfo<TProgramKind>& info) {
                           return std::string(info.index == 0 ? "Tessaloom" : info.index == 1 ? "SkinView" : "SkinViewMdi");
                         });

}  // namespace
}  // namespace e2e
