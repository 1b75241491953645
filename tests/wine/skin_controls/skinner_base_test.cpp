// The skinner base: switching a skinner off and on, attaching twice, un-hooking in every order,
// the window's last message, large controls and the parent-background switch.

#include "controls_fixture.h"

#include "framework/published.h"
#include "skin/controls/skinner_kinds.h"

namespace controls_test {
namespace {

// The top edge of a button, where the skin's frame shows and no caption does.
COLORREF TopEdge(TButton& button) {
  return WindowPixel(button.Handle(), button.Width() / 2, 1);
}

TEST_F(ControlsTest, SwitchedOffASkinnerHandsEveryMessageToTheControlAndOnAgainRepaintsAtOnce) {
  TSkinData& data = Start();
  TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "Switch");
  ShowAndSkin();
  const TDataSkinButton& element = data.Elements().Buttons;
  const COLORREF skinned = ElementPixel(element, element.FrameCount, 1, 90, 28, 45, 1);
  ASSERT_EQ(TopEdge(button), skinned);
  ASSERT_EQ(SendMessageA(button.Handle(), SKM_ISSKINNED, 0, 0), 1);

  SendMessageA(button.Handle(), SKM_SETACTIVE, 0, 0);
  EXPECT_EQ(SendMessageA(button.Handle(), SKM_ISSKINNED, 0, 0), 0) << "the control answers for itself";
  RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_NE(TopEdge(button), skinned) << "the system look";

  SendMessageA(button.Handle(), SKM_SETACTIVE, 1, 0);
  EXPECT_EQ(TopEdge(button), skinned) << "repainted without waiting for a paint message";
  EXPECT_EQ(SendMessageA(button.Handle(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(ControlsTest, ASecondAttachChangesNothing) {
  TSkinData& data = Start();
  TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "Twice");
  int clicks = 0;
  button.OnClick = [&](TComponent*) { ++clicks; };
  ShowAndSkin();
  TWinSkinForm& frame = *Skinner(form_->Handle());
  const size_t listed = frame.ControlSkinners().size();
  TSkinControl* skinner = SkinnerOf(button);
  ASSERT_NE(skinner, nullptr);
  skinner->AttachControl(&frame, &data, true, frame.ControlCanvas());
  EXPECT_EQ(frame.ControlSkinners().size(), listed);
  EXPECT_FALSE(skinner->ManageColor());
  SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(clicks, 1) << "one hook, one click";
}

// Whatever goes first, the control, the skinner or the window, nothing uses what is gone and the
// control keeps working.
TEST_F(ControlsTest, UnhookingIsSafeInEveryOrder) {
  enum Order { kControlFirst, kSkinnerFirst, kWindowFirst };
  for (Order order : {kControlFirst, kSkinnerFirst, kWindowFirst}) {
    Start();
    TButton* button = &Place<TButton>(*form_, 20, 20, 90, 28, "Order");
    TButton& other = Place<TButton>(*form_, 20, 60, 90, 28, "Other");
    ShowAndSkin();
    TWinSkinForm& frame = *Skinner(form_->Handle());
    TSkinControl* skinner = SkinnerOf(*button);
    ASSERT_NE(skinner, nullptr) << order;
    const size_t listed = frame.ControlSkinners().size();
    switch (order) {
      case kControlFirst:
        delete button;
        EXPECT_EQ(frame.ControlSkinners().size(), listed - 1) << "the skinner went with its control";
        break;
      case kSkinnerFirst: {
        int clicks = 0;
        button->OnClick = [&](TComponent*) { ++clicks; };
        delete skinner;
        EXPECT_EQ(frame.ControlSkinners().size(), listed - 1);
        EXPECT_EQ(SendMessageA(button->Handle(), SKM_ISSKINNED, 0, 0), 0);
        SendMessageA(button->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(clicks, 1) << "the control's own handling is intact";
        break;
      }
      case kWindowFirst:
        DestroyWindow(button->Handle());
        EXPECT_EQ(skinner->LifeState(), lsWindowGone);
        delete button;  // takes its released skinner along
        EXPECT_EQ(frame.ControlSkinners().size(), listed - 1);
        break;
    }
    EXPECT_EQ(SendMessageA(other.Handle(), SKM_ISSKINNED, 0, 0), 1) << order;
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    form_.reset();
    Pump(20);
    skinData_.reset();
    DestroySkinManager();
  }
}

TEST_F(ControlsTest, TheWindowsLastMessageReachesTheControlBeforeTheSkinnerLetsGoWithoutRestoringColours) {
  TSkinData& data = Start(TSkinControls{});
  TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "Last");
  ShowAndSkin();
  TWinSkinForm& frame = *Skinner(form_->Handle());
  button.SetColor(clWindow);  // not the face colour the skinned form now has
  const TColor original = button.Color();
  std::vector<TColor> seen;
  auto id = std::make_shared<TWinControl::THookId>(0);
  *id = button.AddMessageHook([&, id](UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCDESTROY)
      seen.push_back(button.Color());
    return button.CallNextHook(*id, msg, w, l);
  });
  TSkinControl* skinner = CreateControlSkinner(TSkinnerKind::skButton, &button);
  skinner->AttachControl(&frame, &data, true, frame.ControlCanvas());
  const TColor face = button.Color();
  ASSERT_NE(face, original);
  DestroyWindow(button.Handle());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], face) << "the control handled it while still skinned";
  EXPECT_EQ(button.Color(), face) << "no colours restored to a window that is gone";
  EXPECT_FALSE(skinner->IsActive());
}

// lParam holds 16-bit coordinates: beyond them the cursor tells where the press was.
TEST_F(ControlsTest, APressFarIntoAVeryWideControlReportsTheCursorsPosition) {
  Start();
  TButton& button = Place<TButton>(*form_, -39900, 20, 50000, 28, "Wide");
  std::vector<int> pressedAt;
  button.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int x, int) { pressedAt.push_back(x); };
  HWND window = ShowAndSkin();
  ASSERT_EQ(button.Width(), 50000);
  POINT cursor{100, 30};
  ClientToScreen(window, &cursor);
  SetCursorPos(cursor.x, cursor.y);
  SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40000, 10));
  ASSERT_EQ(pressedAt.size(), 1u);
  EXPECT_EQ(pressedAt[0], 40000);
  SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40000, 10));
  SetCursorPos(0, 0);
}

TEST_F(ControlsTest, ParentBackgroundIsSwitchedOffWhileSkinnedUnlessTheSkinKeepsIt) {
  for (bool keep : {false, true}) {
    TSkinData& data = Start(TSkinControls{});
    if (keep) {
      TSkinOptions options = data.Options();
      options.Include(xoParentBackGround);
      data.SetOptions(options);
    }
    TGroupBox& box = Place<TGroupBox>(*form_, 20, 20, 150, 100, "Box");
    box.SetParentBackground(true);
    ShowAndSkin();
    TWinSkinForm& frame = *Skinner(form_->Handle());
    TSkinControl* skinner = CreateControlSkinner(TSkinnerKind::skGroupBox, &box);
    skinner->AttachControl(&frame, &data, true, frame.ControlCanvas());
    EXPECT_EQ(GetEnumPropertyName(box, "ParentBackground"), keep ? "True" : "False") << keep;
    skinner->Detach();
    EXPECT_EQ(GetEnumPropertyName(box, "ParentBackground"), "True") << keep;
    form_.reset();
    Pump(20);
    skinData_.reset();
    DestroySkinManager();
  }
}

}  // namespace
}  // namespace controls_test
