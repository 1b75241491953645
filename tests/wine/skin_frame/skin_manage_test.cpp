// The skin manager on real windows: which windows it accepts, which skin each gets, and
// switching skinning on and off.

#include "frame_fixture.h"

#include "framework/main_menu.h"
#include "skin/model/bitmap_utils.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace frame_test;

namespace {

LRESULT CALLBACK AnswersSkinned(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKM_ISSKINNED)
    return 1;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterClassNamed(const char* name, HINSTANCE instance, WNDPROC proc = DefWindowProcA, UINT style = 0) {
  WNDCLASSA cls{};
  cls.style = style;
  cls.lpfnWndProc = proc;
  cls.hInstance = instance;
  cls.lpszClassName = name;
  cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassA(&cls);
}

HWND RawWindow(const char* cls, int width = 240, int height = 160, DWORD style = WS_OVERLAPPEDWINDOW,
               HINSTANCE instance = GetModuleHandleA(nullptr), HWND parent = nullptr) {
  return CreateWindowExA(0, cls, "raw", style, 50, 50, width, height, parent, nullptr, instance, nullptr);
}

}  // namespace

TEST_F(SkinnedWindowTest, OnlyWindowsPassingEveryAcceptanceTestAreSkinned) {
  StartSkinning();
  HINSTANCE self = GetModuleHandleA(nullptr);
  HINSTANCE other = GetModuleHandleA("kernel32.dll");
  RegisterClassNamed("TPlainTestWindow", self);
  RegisterClassNamed("XTTERenderWindowX", self);
  RegisterClassNamed("TSkinnedElsewhere", self, AnswersSkinned);
  // A global class: its windows carry whatever instance their creator names.
  RegisterClassNamed("TForeignTestWindow", self, DefWindowProcA, CS_GLOBALCLASS);
  RegisterClassNamed("TFilePreviewPane", self);

  TTestForm tagged("tagged");
  tagged.SetTag(99);
  HWND taggedWindow = tagged.Handle();
  HWND plain = RawWindow("TPlainTestWindow");
  HWND child = RawWindow("TPlainTestWindow", 50, 50, WS_CHILD, self, plain);

  struct Case {
    const char* what;
    HWND window;
    bool skinned;
  };
  const Case cases[] = {
      {"own-module top-level window", RawWindow("TPlainTestWindow"), true},
      {"framework form with Tag 99", taggedWindow, false},
      {"zero-sized window", RawWindow("TPlainTestWindow", 0, 0, WS_POPUP), false},
      {"render window class", RawWindow("XTTERenderWindowX"), false},
      {"window that answers it is skinned", RawWindow("TSkinnedElsewhere"), false},
      {"window of another module", RawWindow("TForeignTestWindow", 240, 160, WS_OVERLAPPEDWINDOW, other), false},
      {"plain child window", child, false},
      {"preview class while previews are skinned", RawWindow("TFilePreviewPane"), true},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.window, nullptr) << c.what;
    EXPECT_EQ(Manager().SkinWindow(c.window), c.skinned) << c.what;
  }
  EXPECT_FALSE(Manager().SkinWindow(cases[0].window)) << "a second skinner for one window";

  TSkinOptions noPreview = skinData_->Options();
  noPreview.Exclude(xoPreview);
  skinData_->SetOptions(noPreview);
  EXPECT_FALSE(Manager().SkinWindow(RawWindow("TFilePreviewPane"))) << "preview class without previews";

  std::vector<std::string> asked;
  skinData_->OnFormSkin = [&](TSkinData*, const std::string& name, bool& doSkin) {
    asked.push_back(name);
    doSkin = false;
  };
  EXPECT_FALSE(Manager().SkinWindow(RawWindow("TPlainTestWindow"))) << "refused by the handler";
  EXPECT_EQ(asked, std::vector<std::string>{"TPlainTestWindow"});
  for (const Case& c : cases)
    if (c.window != taggedWindow && c.window != child)
      DestroyWindow(c.window);
  DestroyWindow(plain);
  Pump(50);
}

// The skinned frame switched off leaves the rest: a framework form still takes the skin's face
// colour and owner-drawn menu items, and gives both back when skinning ends. The skinning events
// name the form; the one after skinning names nothing for a window known by its handle.
TEST_F(SkinnedWindowTest, AFormWithoutTheSkinnedFrameStillTakesTheFaceColourAndTheEventsNameIt) {
  TSkinData& data = StartSkinning();
  TSkinControls kinds = data.SkinControls();
  kinds.Exclude(xcMainMenu);
  kinds.Include(xcMenuItem);
  data.SetSkinControls(kinds);
  std::vector<std::pair<TComponent*, HWND>> before, after;
  data.OnBeforeSkinForm = [&](TComponent* sender, HWND window, const std::string&) { before.push_back({sender, window}); };
  data.OnAfterSkinForm = [&](TComponent* sender, HWND window, const std::string&) { after.push_back({sender, window}); };
  forms_.push_back(std::make_unique<TTestForm>("System frame"));
  TTestForm& form = *forms_.back();
  auto* bar = new TMainMenu(&form);
  auto* file = new TMenuItem(&form);
  file->SetCaption("&File");
  auto* open = new TMenuItem(&form);
  open->SetCaption("&Open");
  file->Add(open);
  bar->Add(file);
  form.SetMenu(bar);
  const TColor own = form.Color();
  form.Show();
  PumpUntil([&] { return Skinner(form.Handle()) && Skinner(form.Handle())->State() == ssRunning; });
  Pump(50);
  ASSERT_NE(Skinner(form.Handle()), nullptr);
  EXPECT_FALSE(Skinner(form.Handle())->SkinFrame());
  const TColor face = ResolveColour(data.ColourTable().Colours[ciButtonFace]);
  ASSERT_NE(own, face);
  EXPECT_EQ(form.Color(), face);
  EXPECT_TRUE(bar->OwnerDraw());
  const std::vector<std::pair<TComponent*, HWND>> formOnly{{&form, form.Handle()}};
  EXPECT_EQ(before, formOnly);
  EXPECT_EQ(after, formOnly);

  RegisterClassNamed("TPlainTestWindow", GetModuleHandleA(nullptr));
  HWND raw = RawWindow("TPlainTestWindow");
  ASSERT_TRUE(Manager().SkinWindow(raw));
  PumpUntil([&] { return Skinner(raw) && Skinner(raw)->State() == ssRunning; });
  Pump(50);
  EXPECT_EQ(before.size(), 1u) << "the event before is a framework form's";
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[1], std::make_pair(static_cast<TComponent*>(nullptr), raw));
  DestroyWindow(raw);

  data.SetActive(false);
  PumpUntil([&] { return !Skinner(form.Handle()); });
  EXPECT_EQ(form.Color(), own);
  EXPECT_FALSE(bar->OwnerDraw());
}

TEST_F(SkinnedWindowTest, DialogBoxesTakeTheDialogComponentsSkinOthersTheMainOne) {
  TSkinData& main = StartSkinning();
  std::unique_ptr<TSkinData> dialogs = MakeSkinData({}, sfDialog);
  EXPECT_EQ(Manager().SelectSkinData(nullptr, "#32770"), dialogs.get());
  EXPECT_EQ(Manager().SelectSkinData(nullptr, "TMessageForm"), dialogs.get());
  EXPECT_EQ(Manager().SelectSkinData(nullptr, "TTestForm"), &main);
  dialogs.reset();
  EXPECT_EQ(Manager().SelectSkinData(nullptr, "#32770"), &main) << "without a dialog component";
}

TEST_F(SkinnedWindowTest, ActivationBeforeAnyWindowTakesEffectAtOnceAndTheFirstActivatedWindowIsSkinned) {
  StartSkinning();
  EXPECT_EQ(Manager().State(), kManagerWaiting);
  EXPECT_TRUE(Manager().Active()) << "set without waiting for the timer";
  TTestForm& form = ShowForm("first");
  EXPECT_EQ(Manager().State(), kManagerRunning);
  ASSERT_NE(Skinner(form.Handle()), nullptr);
  EXPECT_EQ(SendMessageA(form.Handle(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(SkinnedWindowTest, AWindowDestroyedBetweenOthersLeavesTheListWholeForTheNextWindow) {
  StartSkinning();
  for (const char* caption : {"first", "middle", "last"})
    ShowForm(caption);
  ASSERT_EQ(Manager().FormSkinnerCount(), 3);
  forms_.erase(forms_.begin() + 1);  // its skinner stays listed, released, until the next window
  TTestForm& next = ShowForm("next");
  EXPECT_EQ(Manager().FormSkinnerCount(), 3);
  for (const auto& form : forms_)
    EXPECT_EQ(SendMessageA(form->Handle(), SKM_ISSKINNED, 0, 0), 1) << form->Caption();
  EXPECT_NE(Skinner(next.Handle()), nullptr);
}

TEST_F(SkinnedWindowTest, SwitchingOffUnskinsEveryWindowOldestFirstAtItsClientSizeAndOnAgainReskins) {
  StartSkinning();
  std::vector<HWND> unskinned;
  std::vector<TTestForm*> shown;
  std::vector<RECT> systemRects;
  for (const char* caption : {"older", "newer"}) {
    auto form = std::make_unique<TTestForm>(caption, 260, 180);
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    systemRects.push_back(r);
    forms_.push_back(std::move(form));
    shown.push_back(forms_.back().get());
  }
  for (TTestForm* form : shown) {
    form->Show();
    PumpUntil([&] { return Skinner(form->Handle()) && Skinner(form->Handle())->State() == ssRunning; });
  }
  Pump(50);
  std::vector<std::shared_ptr<TWinControl::THookId>> hooks;
  for (TTestForm* form : shown) {
    HWND window = form->Handle();
    EXPECT_EQ(ClientSize(window).cx, 260);
    EXPECT_EQ(ClientSize(window).cy, 180);
    auto id = std::make_shared<TWinControl::THookId>(0);
    *id = form->AddMessageHook([&, form, window, id](UINT msg, WPARAM w, LPARAM l) {
      if (msg == WM_NCCALCSIZE && !Skinner(window) &&
          std::find(unskinned.begin(), unskinned.end(), window) == unskinned.end())
        unskinned.push_back(window);
      return form->CallNextHook(*id, msg, w, l);
    });
    hooks.push_back(id);
  }
  skinData_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 0; }));
  Pump(50);
  EXPECT_EQ(unskinned, (std::vector<HWND>{shown[0]->Handle(), shown[1]->Handle()}));
  for (size_t i = 0; i < shown.size(); ++i) {
    HWND window = shown[i]->Handle();
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, systemRects[i].right - systemRects[i].left) << i;
    EXPECT_EQ(r.bottom - r.top, systemRects[i].bottom - systemRects[i].top) << i;
    EXPECT_EQ(ClientSize(window).cx, 260) << i;
    EXPECT_EQ(ClientSize(window).cy, 180) << i;
    EXPECT_NE(SendMessageA(window, SKM_ISSKINNED, 0, 0), 1) << i;
  }
  for (size_t i = 0; i < shown.size(); ++i)
    shown[i]->RemoveMessageHook(*hooks[i]);

  skinData_->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 2; }));
  Pump(100);
  for (TTestForm* form : shown) {
    EXPECT_EQ(SendMessageA(form->Handle(), SKM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(ClientSize(form->Handle()).cx, 260);
    EXPECT_EQ(ClientSize(form->Handle()).cy, 180);
  }
}
