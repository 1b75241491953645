#include "framework/form.h"

#include "framework/button.h"

#include <gtest/gtest.h>

namespace {

class TTestForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TTestForm1"; }
};

class FormTest : public ::testing::Test {
protected:
  FormTest() { Application = &app_; }
  ~FormTest() override { Application = nullptr; }
  TApplication app_;
};

RECT WorkArea() {
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

TEST_F(FormTest, TheWindowClassIsTheFrameworkClassAndTheOwnerIsTheApplicationWindow) {
  TTestForm form(nullptr);
  form.SetCaption("Muravane");
  char cls[32] = {};
  GetClassNameA(form.Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TTestForm1");
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), app_.Handle());
  const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(FindWindowA("TTestForm1", "Muravane"), form.Handle());
}

TEST_F(FormTest, TheWindowIconIsSetHoweverEarlyTheWindowIsMade) {
  TTestForm form(nullptr);
  form.SetIconResource("MAINICON");
  form.Handle();  // made before it is shown, as a tray icon asking for the main window does
  form.Show();
  EXPECT_NE(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(form.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(FormTest, TheClientAreaHasTheSizeAskedForUnderTheBorder) {
  TTestForm form(nullptr);
  form.SetClientWidth(554);
  form.SetClientHeight(464);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 554);
  EXPECT_EQ(client.bottom, 464);
}

TEST_F(FormTest, CentringAppliesAtShowTimeAndThenResetsToDesigned) {
  TTestForm form(nullptr);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.SetPosition(TPosition::poDesktopCenter);
  EXPECT_EQ(form.Left(), 0);  // not applied before the window is shown
  form.Show();
  const RECT area = WorkArea();
  EXPECT_EQ(form.Left(), area.left + (area.right - area.left - form.Width()) / 2);
  EXPECT_EQ(form.Top(), area.top + (area.bottom - area.top - form.Height()) / 2);
  EXPECT_EQ(form.Position(), TPosition::poDesigned);
  // Moved away, a new request centres it again at once.
  form.SetBounds(-5000, 10, form.Width(), form.Height());
  form.SetPosition(TPosition::poDesktopCenter);
  EXPECT_EQ(form.Left(), area.left + (area.right - area.left - form.Width()) / 2);
  RECT placed;
  GetWindowRect(form.Handle(), &placed);
  EXPECT_EQ(placed.left, form.Left());
}

TEST_F(FormTest, TheBoundsFollowTheWindowWhenItIsMovedOrSizedFromOutside) {
  TTestForm form(nullptr);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.Handle();
  SetWindowPos(form.Handle(), nullptr, 0, 0, 333, 222, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form.Width(), 333);
  EXPECT_EQ(form.Height(), 222);
  SetWindowPos(form.Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form.Left(), 40);
  EXPECT_EQ(form.Top(), 50);
  EXPECT_EQ(form.Width(), 333);
}

TEST_F(FormTest, TheDefaultPolicyKeepsAnOffScreenPlacement) {
  TTestForm form(nullptr);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.SetPosition(TPosition::poDefault);
  form.SetBounds(-5000, 40, form.Width(), form.Height());
  form.Show();
  RECT placed;
  GetWindowRect(form.Handle(), &placed);
  EXPECT_EQ(placed.left, -5000);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(FormTest, ClosingTheMainFormEndsTheMessageLoopAndAnotherFormIsOnlyHidden) {
  TTestForm* main = nullptr;
  CreateForm(main);
  TTestForm* other = nullptr;
  CreateForm(other);
  ASSERT_EQ(app_.MainForm(), main);
  other->Show();
  SendMessageA(other->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  EXPECT_TRUE(IsWindow(other->Handle()));
  EXPECT_FALSE(app_.Terminated());
  SendMessageA(main->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app_.Terminated());
  MSG quit;  // the thread's quit message must not end the next test's message loop
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FormTest, AFailingCreationHandlerIsReportedAndTheFormStillComes) {
  std::vector<std::string> shown;
  app_.SetMessageBoxFunction([&](HWND, const std::string& text, const std::string&, UINT) {
    shown.push_back(text);
    return IDOK;
  });
  struct TFailingForm : TForm {
    explicit TFailingForm(TComponent* owner) : TForm(owner) {
      OnCreate = [](TComponent*) { throw std::runtime_error("Cannot create file Z:\\x\\Wallpaper.BMP"); };
    }
  };
  TFailingForm* form = nullptr;
  CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"Cannot create file Z:\\x\\Wallpaper.BMP."});
  EXPECT_EQ(app_.MainForm(), form);
}

}  // namespace
