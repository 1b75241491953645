#include "skin/model/parent_background.h"

#include "framework/application.h"
#include "framework/control.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace test_pictures;

namespace {

constexpr COLORREF kErased = RGB(0, 0, 200);
constexpr COLORREF kPainted = RGB(200, 0, 0);
constexpr COLORREF kPaper = RGB(0, 90, 0);
const RECT kPaintedSquare{20, 20, 30, 30};  // in the parent's client coordinates

void Fill(HDC dc, const RECT& r, COLORREF c) {
  UniqueBrush brush(CreateSolidBrush(c));
  FillRect(dc, &r, brush.Get());
}

// A parent that erases to one colour and paints a square, into the DC it is given.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    Fill(reinterpret_cast<HDC>(wParam), RECT{0, 0, 200, 200}, kErased);
    return 1;
  }
  if (msg == WM_PAINT && wParam) {
    Fill(reinterpret_cast<HDC>(wParam), kPaintedSquare, kPainted);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class TWindows {
public:
  TWindows() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = ParentProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "TlBackgroundParent";
    RegisterClassA(&cls);
    parent = CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 100, 100,
                             nullptr, nullptr, cls.hInstance, nullptr);
    child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 15, 15, 20, 20, parent, nullptr,
                            cls.hInstance, nullptr);
  }
  ~TWindows() { DestroyWindow(parent); }

  HWND parent = nullptr;
  HWND child = nullptr;
};

}  // namespace

TEST(PaintParentBackground, ParentPaintsUnderTheControlClippedToIt) {
  TWindows windows;
  ASSERT_TRUE(windows.child);
  TTarget target(40, 40, kPaper);
  PaintParentBackground(windows.child, target.Dc());
  EXPECT_EQ(target.Pixel(0, 0), kErased);
  EXPECT_EQ(target.Pixel(4, 4), kErased);
  EXPECT_EQ(target.Pixel(5, 5), kPainted);    // the parent's (20, 20)
  EXPECT_EQ(target.Pixel(14, 14), kPainted);
  EXPECT_EQ(target.Pixel(15, 15), kErased);
  EXPECT_EQ(target.Pixel(19, 19), kErased);
  EXPECT_EQ(target.Pixel(20, 5), kPaper);     // outside the control's 20 x 20
  EXPECT_EQ(target.Pixel(5, 20), kPaper);

  // The DC comes back as it was: origin and clipping.
  POINT origin{-1, -1};
  GetViewportOrgEx(target.Dc(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  Fill(target.Dc(), RECT{0, 0, 40, 40}, kPaper);
  EXPECT_EQ(target.Pixel(39, 39), kPaper);
}

TEST(PaintParentBackground, NothingForAWindowWithoutParent) {
  TWindows windows;
  TTarget target(10, 10, kPaper);
  PaintParentBackground(windows.parent, target.Dc());
  EXPECT_EQ(target.Pixel(0, 0), kPaper);
}

TEST(PaintParentBackground, FrameworkParentIsReachedDirectlySoItsErrorsArrive) {
  TApplication app;
  TWinControl parent(nullptr);
  parent.SetVisible(false);  // no window manager here: mapping a top-level window costs seconds
  parent.SetBounds(0, 0, 60, 60);
  auto* child = new TWinControl(&parent);  // owned by parent
  child->SetParent(&parent);
  child->SetBounds(10, 10, 20, 20);
  ASSERT_TRUE(child->Handle());
  int erases = 0;
  parent.AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg == WM_ERASEBKGND && ++erases == 2)
      throw std::runtime_error("parent failed");
    return parent.DefaultHandler(msg, wParam, lParam);
  });
  TTarget target(20, 20, kPaper);
  PaintParentBackground(child->Handle(), target.Dc());
  EXPECT_EQ(erases, 1);
  EXPECT_THROW(PaintParentBackground(child->Handle(), target.Dc()), std::runtime_error);
}
