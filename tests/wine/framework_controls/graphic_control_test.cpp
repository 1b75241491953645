#include "framework/graphic_control.h"

#include "framework/application.h"
#include "framework/speed_button.h"

#include "controls_support.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace controls_support;

constexpr uint32_t kRed = 0xFF0000;

// What reached a windowless control through its hooks.
struct TSeen {
  const TGraphicControl* Control;
  UINT Msg;
  POINT At;  // the mouse messages' point
};

class GraphicControlTest : public ::testing::Test {
protected:
  GraphicControlTest() : form_(nullptr) {
    form_.SetBounds(40, 40, 200, 120);
    a_ = Place(10, 10, 40, 30);
    b_ = Place(40, 20, 40, 30);  // over a's right end, and on top of it
    form_.Handle();
    UpdateWindow(form_.Handle());
  }
  TGraphicControl* Place(int left, int top, int width, int height) {
    auto* control = new TGraphicControl(&form_);
    control->SetParent(&form_);
    control->SetBounds(left, top, width, height);
    auto id = std::make_shared<TGraphicControl::THookId>();
    *id = control->AddMessageHook([this, control, id](UINT msg, WPARAM wParam, LPARAM lParam) {
      if (msg != WM_PAINT)
        seen_.push_back({control, msg, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
      return control->CallNextHook(*id, msg, wParam, lParam);
    });
    return control;
  }
  std::vector<UINT> SeenBy(const TGraphicControl* control) const {
    std::vector<UINT> messages;
    for (const TSeen& s : seen_)
      if (s.Control == control)
        messages.push_back(s.Msg);
    return messages;
  }
  HWND Window() { return form_.Handle(); }

  TApplication app_;
  std::vector<TSeen> seen_;  // outlives the controls, whose last message is recorded too
  TWinControl form_;
  TGraphicControl* a_;
  TGraphicControl* b_;
};

TEST_F(GraphicControlTest, PaintsThroughItsHooksOnTheParentsDcMovedAndClippedToIt) {
  HWND paintWindow = nullptr;
  POINT origin{-1, -1};
  RECT clip{};
  TGraphicControl::THookId hook = 0;
  hook = b_->AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
      HDC paintDc = reinterpret_cast<HDC>(wParam);
      paintWindow = WindowFromDC(paintDc);
      GetViewportOrgEx(paintDc, &origin);
      GetClipBox(paintDc, &clip);
      RECT beyond{-20, -20, 100, 100};  // much larger than the control: the clip keeps it in
      FillRect(paintDc, &beyond, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
      RECT inside{0, 0, 40, 30};
      FillRect(paintDc, &inside, red);
      DeleteObject(red);
      return LRESULT{0};
    }
    return b_->CallNextHook(hook, msg, wParam, lParam);
  });
  InvalidateRect(Window(), nullptr, TRUE);
  UpdateWindow(Window());
  b_->RemoveMessageHook(hook);
  EXPECT_EQ(paintWindow, Window());
  EXPECT_EQ(origin.x, 40);
  EXPECT_EQ(origin.y, 20);
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.right, 40);
  EXPECT_EQ(clip.bottom, 30);
  const uint32_t face = SysRgb(COLOR_BTNFACE);
  struct Case {
    POINT at;  // in the form's client area
    uint32_t colour;
  } cases[] = {{{40, 20}, kRed}, {{79, 49}, kRed}, {{39, 20}, face}, {{80, 35}, face}, {{60, 50}, face},
               {{60, 19}, face}};
  for (const Case& c : cases)
    EXPECT_EQ(ClientPixel(Window(), c.at.x, c.at.y), c.colour) << c.at.x << "," << c.at.y;
}

TEST_F(GraphicControlTest, OnlyVisibleChildrenThePaintMeetsArePainted) {
  struct Case {
    bool visible;
    RECT invalid;
    bool painted;
  } cases[] = {
      {true, {0, 0, 200, 120}, true},
      {true, {45, 25, 46, 26}, true},   // one pixel of it
      {true, {100, 60, 150, 100}, false},
      {false, {0, 0, 200, 120}, false},
  };
  for (const Case& c : cases) {
    int paints = 0;
    TGraphicControl::THookId hook = 0;
    hook = b_->AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) {
      paints += msg == WM_PAINT;
      return b_->CallNextHook(hook, msg, wParam, lParam);
    });
    b_->SetVisible(c.visible);
    UpdateWindow(Window());
    paints = 0;
    InvalidateRect(Window(), &c.invalid, TRUE);
    UpdateWindow(Window());
    EXPECT_EQ(paints > 0, c.painted) << c.invalid.left << "," << c.invalid.top << " visible " << c.visible;
    b_->RemoveMessageHook(hook);
  }
}

TEST_F(GraphicControlTest, MouseMessagesGoToTheTopmostChildInItsOwnCoordinates) {
  int parentDowns = 0;
  form_.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++parentDowns; };
  struct Case {
    POINT at;
    const TGraphicControl* receiver;  // null: the parent
    POINT local;
  } cases[] = {
      {{15, 12}, a_, {5, 2}},
      {{45, 25}, b_, {5, 5}},  // where both are, the later one
      {{79, 49}, b_, {39, 29}},
      {{80, 50}, nullptr, {}},
      {{5, 5}, nullptr, {}},
  };
  for (const Case& c : cases) {
    seen_.clear();
    parentDowns = 0;
    SendMessageA(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(c.at.x, c.at.y));
    SendMessageA(Window(), WM_RBUTTONUP, 0, MAKELPARAM(c.at.x, c.at.y));
    std::vector<TSeen> buttons;
    for (const TSeen& s : seen_)
      if (s.Msg == WM_RBUTTONDOWN || s.Msg == WM_RBUTTONUP)
        buttons.push_back(s);
    if (!c.receiver) {
      EXPECT_TRUE(buttons.empty()) << c.at.x << "," << c.at.y;
      EXPECT_EQ(parentDowns, 1) << c.at.x << "," << c.at.y;
      continue;
    }
    ASSERT_EQ(buttons.size(), 2u) << c.at.x << "," << c.at.y;
    EXPECT_EQ(parentDowns, 0);
    for (const TSeen& s : buttons) {
      EXPECT_EQ(s.Control, c.receiver) << c.at.x << "," << c.at.y;
      EXPECT_EQ(s.At.x, c.local.x);
      EXPECT_EQ(s.At.y, c.local.y);
    }
  }
}

TEST_F(GraphicControlTest, ADisabledOrHiddenChildLeavesTheMouseToWhatIsBelow) {
  b_->SetEnabled(false);
  SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 25));
  SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(45, 25));
  EXPECT_EQ(SeenBy(b_), std::vector<UINT>{});
  EXPECT_EQ(SeenBy(a_), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  seen_.clear();
  a_->SetVisible(false);
  SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
  SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(15, 12));
  EXPECT_TRUE(seen_.empty());
}

TEST_F(GraphicControlTest, APressedChildGetsTheReleaseWhereverTheMouseGoes) {
  SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
  EXPECT_EQ(GetCapture(), Window());
  SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 100));
  SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(150, 100));
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_FALSE(seen_.empty());
  const TSeen& last = seen_.back();
  EXPECT_EQ(last.Control, a_);
  EXPECT_EQ(last.Msg, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(last.At.x, 140);
  EXPECT_EQ(last.At.y, 90);
}

// The real mouse, moved by the system across the form and out of it.
TEST_F(GraphicControlTest, TheMouseEnteringAndLeavingAChildIsReported) {
  SetForegroundWindow(Window());
  const auto moveTo = [&](int x, int y, DWORD settle = 100) {
    POINT at{x, y};
    ClientToScreen(Window(), &at);
    SetCursorPos(at.x, at.y);
    Pump(settle);
  };
  moveTo(150, 100);
  seen_.clear();
  moveTo(15, 12);    // onto a
  moveTo(45, 25);    // onto b, which covers a there
  moveTo(150, 100);  // off both
  moveTo(15, 12);    // onto a again
  // Out of the form altogether; the system notices a window left at its own pace.
  moveTo(400, 300, 1000);
  std::vector<std::pair<const TGraphicControl*, UINT>> crossings;
  for (const TSeen& s : seen_)
    if (s.Msg == CM_MOUSEENTER || s.Msg == CM_MOUSELEAVE)
      crossings.emplace_back(s.Control, s.Msg);
  const std::vector<std::pair<const TGraphicControl*, UINT>> expected = {
      {a_, CM_MOUSEENTER}, {a_, CM_MOUSELEAVE}, {b_, CM_MOUSEENTER}, {b_, CM_MOUSELEAVE},
      {a_, CM_MOUSEENTER}, {a_, CM_MOUSELEAVE}};
  EXPECT_EQ(crossings, expected);
}

TEST_F(GraphicControlTest, TheDestroyingNotificationReachesAHookWhileTheControlIsWhole) {
  auto* button = new TSpeedButton(&form_);
  button->SetParent(&form_);
  button->SetCaption("Going");
  std::string className;
  std::string caption;
  int notifications = 0;
  TGraphicControl::THookId id = 0;
  id = button->AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CM_CONTROLDESTROYING) {
      ++notifications;
      className = button->ClassName();
      caption = button->Caption();
      button->RemoveMessageHook(id);  // takes itself out in time
    }
    return button->CallNextHook(id, msg, wParam, lParam);
  });
  ASSERT_EQ(form_.GraphicControlCount(), 3);
  delete button;
  EXPECT_EQ(notifications, 1);
  EXPECT_EQ(className, "TSpeedButton");
  EXPECT_EQ(caption, "Going");
  EXPECT_EQ(form_.GraphicControlCount(), 2);
}

TEST_F(GraphicControlTest, ChildrenOutliveTheirParentWithoutOne) {
  auto* parent = new TWinControl(nullptr);
  auto* child = new TGraphicControl(nullptr);
  child->SetParent(parent);
  EXPECT_EQ(parent->GraphicControls(0), child);
  delete parent;
  EXPECT_EQ(child->Parent(), nullptr);
  child->Invalidate();
  delete child;
}

TEST_F(GraphicControlTest, ADcOutsideThePaintIsTheParentsMovedAndClippedToTheControl) {
  TGraphicControlDC dc(*b_);
  ASSERT_TRUE(dc);
  EXPECT_EQ(WindowFromDC(dc.Get()), Window());
  POINT origin{};
  GetViewportOrgEx(dc.Get(), &origin);
  EXPECT_EQ(origin.x, 40);
  EXPECT_EQ(origin.y, 20);
  RECT clip{};
  GetClipBox(dc.Get(), &clip);
  EXPECT_EQ(clip.right - clip.left, 40);
  EXPECT_EQ(clip.bottom - clip.top, 30);
  TGraphicControl orphan(nullptr);
  EXPECT_FALSE(TGraphicControlDC(orphan));
}

}  // namespace
