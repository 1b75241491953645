// The skin data component: its stored properties, loading, and what it asks of the manager.

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/published.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manager_interface.h"
#include "skin/format/skin_reader.h"
#include "skin/data/skin_text.h"
#include "test_skin.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace test_skin;

namespace {

// Writes down what the component asks, in order.
class TRecordingManager : public ISkinManager {
public:
  std::vector<std::string> Calls;
  int StateValue = 0;

  void RegisterSkinData(TSkinData*) override { Calls.push_back("register"); }
  void UnregisterSkinData(TSkinData*) override { Calls.push_back("unregister"); }
  void InstallHook() override { Calls.push_back("hook"); }
  void Schedule(int action, int delayMs) override {
    Calls.push_back("schedule " + std::to_string(action) + " " + std::to_string(delayMs));
  }
  void SetRequester(TSkinData*) override { Calls.push_back("requester"); }
  void RefreshSkin() override { Calls.push_back("refresh"); }
  int State() const override { return StateValue; }
  void SetState(int state) override { StateValue = state; Calls.push_back("state " + std::to_string(state)); }
  void SetActive(bool active) override { Calls.push_back(active ? "active" : "inactive"); }
  bool SkinWindow(HWND) override { Calls.push_back("skin window"); return true; }
};

TTestSkin SmallSkin() {
  TTestSkin skin;
  skin.Description = "[Personality]\nTop=top.bmp\n[Colours]\nButtonFace=236 233 216\n";
  skin.Add("top.bmp", Solid(30, 6, 0x445566));
  return skin;
}

class SkinDataComponent : public ::testing::Test {
protected:
  void SetUp() override {
    SetSkinManagerFactory([this] {
      auto manager = std::make_unique<TRecordingManager>();
      manager_ = manager.get();
      return manager;
    });
    TSkinReader::Notify = [this](const std::string& m) { notified_ += m; };
  }
  void TearDown() override {
    data_.reset();
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
  }

  // Made as a form's layout makes it: by class name, then read until Loaded.
  TSkinData& FromLayout() {
    const TPublishedClass* cls = FindPublishedClass("TSkinData");
    EXPECT_NE(cls, nullptr);
    data_.reset(static_cast<TSkinData*>(cls->Create(nullptr)));
    TSkinReader::Notify = [this](const std::string& m) { notified_ += m; };
    return *data_;
  }

  std::unique_ptr<TSkinData> data_;
  TRecordingManager* manager_ = nullptr;
  std::string notified_;
};

TEST_F(SkinDataComponent, StartsWithItsDocumentedSwitches) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_TRUE(data.NoSkin());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls().ToBits(), 0x1FFFFFu & ~(1u << xcMenuItem));
  EXPECT_EQ(data.Options().ToBits(), (1u << xoPreview) | (1u << xoToolbarBK) | (1u << xoCaptionButtonHint));
  EXPECT_EQ(data.Skin3rd().size(), 118u);
  EXPECT_EQ(data.SkinFormtype(), sfMainform);
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_EQ(data.Elements().Title.Name, "Title");
  ASSERT_NE(data.MenuGlyphs(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(data.MenuGlyphs()), 4);
  EXPECT_EQ(data.WriteSkinStream(), SizeOnly(0));
}

TEST_F(SkinDataComponent, LayoutPropertiesSetByNameAndTheStoredSkinLoads) {
  RegisterSkinDataClass();
  TSkinData& data = FromLayout();
  const std::string stored = SmallSkin().StreamProperty();
  EXPECT_TRUE(SetPublishedProperty(data, "Active", true));
  EXPECT_TRUE(SetPublishedProperty(data, "DisableTag", 7));
  EXPECT_TRUE(SetPublishedProperty(data, "SkinControls", static_cast<int>(0xFFFFFFFF)));
  EXPECT_TRUE(SetPublishedProperty(data, "Options", 1 << xoTransparent));
  EXPECT_TRUE(SetPublishedProperty(data, "SkinFormtype", 0));
  EXPECT_TRUE(SetPublishedProperty(data, "MenuUpdate", false));
  EXPECT_TRUE(SetPublishedProperty(data, "MenuMerge", true));
  EXPECT_TRUE(SetPublishedProperty(data, "SkinStore", std::string("(Good)")));
  EXPECT_TRUE(SetPublishedProperty(data, "Version", std::string("1.0")));
  EXPECT_TRUE(SetPublishedProperty(data, "Skin3rd", std::vector<std::string>{"TMine=button"}));
  EXPECT_TRUE(SetPublishedProperty(data, "SkinStream", stored));
  EXPECT_THROW(SetPublishedProperty(data, "SkinFormtype", 9), EReadError);

  EXPECT_TRUE(data.Active());  // only stored while the layout is read
  EXPECT_FALSE(data.NoSkin());
  EXPECT_EQ(data.DisableTag(), 7);
  EXPECT_EQ(data.SkinControls().ToBits(), 0x3FFFFFu);  // bits past the last member dropped
  EXPECT_TRUE(data.Options().Contains(xoTransparent));
  EXPECT_FALSE(data.MenuUpdate());
  EXPECT_TRUE(data.MenuMerge());
  EXPECT_EQ(GetStringProperty(data, "SkinStore"), "(none)");
  EXPECT_EQ(GetStringProperty(data, "Version"), "5.40.07.15");
  EXPECT_EQ(data.Skin3rd(), std::vector<std::string>{"TMine=button"});
  EXPECT_EQ(data.WriteSkinStream(), stored);  // written back as read
  EXPECT_EQ(manager_, nullptr);               // nothing asked of a manager while reading

  data.Loaded();
  ASSERT_NE(manager_, nullptr);
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"register", "hook", "schedule 1 250"}));
  EXPECT_TRUE(data.Active());
  // With the menu bar skinned, its items are not skinned separately.
  EXPECT_FALSE(data.SkinControls().Contains(xcMenuItem));
  EXPECT_TRUE(data.SkinControls().Contains(xcSystemMenu));
  EXPECT_EQ(data.FormIcon().Width(), GetSystemMetrics(SM_CXSMICON));
}

TEST_F(SkinDataComponent, AnEmptyStoredSkinLeavesNoSkinAndSwitchesActiveOffAtLoaded) {
  RegisterSkinDataClass();
  TSkinData& data = FromLayout();
  SetPublishedProperty(data, "Active", true);
  SetPublishedProperty(data, "SkinStream", SizeOnly(0));
  SetPublishedProperty(data, "SkinControls", (1 << xcSystemMenu) | (1 << xcMenuItem));
  EXPECT_TRUE(data.NoSkin());
  EXPECT_EQ(data.SkinStream().Size(), 0);
  data.Loaded();
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"register", "hook"}));
  // Without the menu bar, the window menu is not skinned either.
  EXPECT_FALSE(data.SkinControls().Contains(xcSystemMenu));
  EXPECT_TRUE(data.SkinControls().Contains(xcMenuItem));
  data.SetActive(true);  // cannot be switched on without a skin
  EXPECT_EQ(manager_->Calls.size(), 2u);
}

TEST_F(SkinDataComponent, StoredBytesShorterThanTheirSizeAreAReadError) {
  TSkinData data(nullptr);
  std::string bytes = SmallSkin().StreamProperty();
  bytes.pop_back();
  EXPECT_THROW(data.ReadSkinStream(bytes), EReadError);
  EXPECT_THROW(data.ReadSkinStream("ab"), EReadError);
  EXPECT_EQ(data.SkinStream().Size(), 0);
  data.ReadSkinStream(SizeOnly(-5));  // a size of zero or less reads nothing more
  EXPECT_TRUE(data.NoSkin());
}

TEST_F(SkinDataComponent, APackageOfAnUnknownVersionIsRefusedWithTheOlderSkinMessage) {
  TSkinData data(nullptr);
  TSkinReader::Notify = [this](const std::string& m) { notified_ += m; };
  data.ReadSkinStream(SmallSkin().StreamProperty(12345));
  EXPECT_TRUE(data.NoSkin());
  EXPECT_EQ(notified_, "This is Older Skin File\rPlease update to new version !");
  EXPECT_FALSE(data.LoadSkin());
}

TEST_F(SkinDataComponent, SwitchingAfterLoadingAsksTheManagerAndSkinChangesAreForwarded) {
  TSkinData data(nullptr);
  data.ReadSkinStream(SmallSkin().StreamProperty());
  data.Loaded();
  manager_->Calls.clear();
  data.SetActive(true);
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"requester", "schedule 1 250", "state 1"}));
  manager_->Calls.clear();
  data.SetActive(true);  // unchanged: nothing
  data.SetActive(false);
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"requester", "schedule 2 250"}));
  manager_->Calls.clear();
  data.SkinChanged();
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"requester", "refresh", "schedule 3 250"}));

  data.SetSkinFormtype(sfOnlyThisForm);
  manager_->Calls.clear();
  data.SetActive(true);
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"requester", "schedule 1 250"}));
  data.SetSkinFormtype(sfDialog);
  manager_->Calls.clear();
  data.SetActive(false);
  EXPECT_TRUE(manager_->Calls.empty());
}

TEST_F(SkinDataComponent, OtherFormTypesMarkTheManagerActiveAtLoaded) {
  TSkinData data(nullptr);
  data.SetSkinFormtype(sfDialog);
  data.Loaded();
  EXPECT_EQ(manager_->Calls, (std::vector<std::string>{"register", "active", "state 1"}));
}

TEST_F(SkinDataComponent, WithoutGetScrollBarInfoScrollBarsAreNotSkinned) {
  const TOptionalUser32 saved = OptionalUser32();
  ASSERT_NE(saved.GetScrollBarInfo, nullptr);  // every system this runs on has it
  OptionalUser32().GetScrollBarInfo = nullptr;
  TSkinData data(nullptr);
  data.Loaded();
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  const bool answered = GetScrollBarInfoSafe(GetDesktopWindow(), OBJID_HSCROLL, info);
  OptionalUser32() = saved;
  EXPECT_FALSE(data.SkinControls().Contains(xcScrollbar));
  EXPECT_FALSE(answered);
}

TEST_F(SkinDataComponent, SkinFileReplacesTheStoredSkinLeavesNoneWhenMissingAndKeepsItWhenDamaged) {
  TSkinData data(nullptr);
  data.ReadSkinStream(SmallSkin().StreamProperty());
  data.SetSkinFile("Z:\\no\\such\\skin.skn");
  EXPECT_TRUE(data.NoSkin());
  EXPECT_EQ(data.SkinFile(), "Z:\\no\\such\\skin.skn");

  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "skn", 0, path);
  const std::vector<uint8_t> bytes = SmallSkin().Compressed();
  FILE* file = std::fopen(path, "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  data.SetSkinFile(path);
  DeleteFileA(path);
  EXPECT_FALSE(data.NoSkin());
  EXPECT_EQ(data.SkinStream().Size(), static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(data.ColourTable().Colours[ciBorder], 0x445566);
  ASSERT_NE(manager_, nullptr);  // a skin change before any manager runs Loaded first
  EXPECT_EQ(manager_->Calls.front(), "register");
  EXPECT_EQ(manager_->Calls.back(), "refresh");  // the manager is not running: nothing scheduled

  for (size_t kept : {bytes.size() / 3, size_t{40}}) {  // cut short, then past its header
    GetTempFileNameA(folder, "skn", 0, path);
    file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, kept, file);
    std::fclose(file);
    EXPECT_FALSE(data.LoadSkinFile(path)) << "a package cut to " << kept << " bytes was taken";
    DeleteFileA(path);
    EXPECT_FALSE(data.NoSkin()) << "the skin in use was lost to a package cut to " << kept;
    EXPECT_EQ(data.SkinStream().Size(), static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(data.ColourTable().Colours[ciBorder], 0x445566);
  }
}

TEST_F(SkinDataComponent, CheckFormSkinRefusesMonthCalendarsUnlessTheHandlerSaysOtherwise) {
  TSkinData data(nullptr);
  const HWND window = reinterpret_cast<HWND>(0x1234);
  bool doSkin = true;
  data.CheckFormSkin(window, "SysMonthCal32", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_EQ(data.CheckedWindow(), window);
  doSkin = true;
  data.CheckFormSkin(window, "TfrPreview", doSkin);
  EXPECT_TRUE(doSkin);  // only with xcFastReport
  TSkinControls controls = data.SkinControls();
  controls.Include(xcFastReport);
  data.SetSkinControls(controls);
  data.CheckFormSkin(window, "TfrPreview", doSkin);
  EXPECT_FALSE(doSkin);

  std::string asked;
  data.OnFormSkin = [&](TSkinData*, const std::string& name, bool& skin) { asked = name; skin = true; };
  data.CheckFormSkin(window, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, "SysMonthCal32");
}

TEST_F(SkinDataComponent, TheCaptionHintShowsOnceUntilHidden) {
  TSkinData data(nullptr);
  data.ShowCaptionHint(RECT{100, 120, 0, 0}, "Close");
  ASSERT_TRUE(data.HintShowing());
  const HWND hint = data.HintWindow().Handle();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT where{};
  GetWindowRect(hint, &where);
  EXPECT_EQ(where.left, 100);
  EXPECT_EQ(where.top, 120);
  EXPECT_GT(where.right - where.left, 10);
  data.ShowCaptionHint(RECT{300, 300, 0, 0}, "Minimise");  // already showing: nothing
  EXPECT_EQ(data.HintWindow().Text(), "Close");
  GetWindowRect(hint, &where);
  EXPECT_EQ(where.left, 100);
  data.HideCaptionHint();
  EXPECT_FALSE(data.HintShowing());
  EXPECT_FALSE(IsWindowVisible(hint));

  TSkinOptions options = data.Options();
  options.Exclude(xoCaptionButtonHint);
  data.SetOptions(options);
  data.ShowCaptionHint(RECT{0, 0, 0, 0}, "Close");
  EXPECT_FALSE(data.HintShowing());
}

TEST_F(SkinDataComponent, TheCaptionHintPaintsItsTextOnTheInfoBackground) {
  TSkinData data(nullptr);
  data.ShowCaptionHint(RECT{100, 120, 0, 0}, "Minimise");
  const HWND hint = data.HintWindow().Handle();
  ASSERT_NE(hint, nullptr);
  UpdateWindow(hint);
  RECT client{};
  GetClientRect(hint, &client);
  HDC dc = GetDC(hint);
  int background = 0;
  int text = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      background += pixel == GetSysColor(COLOR_INFOBK);
      text += pixel == GetSysColor(COLOR_INFOTEXT);
    }
  ReleaseDC(hint, dc);
  EXPECT_GT(background, client.right * client.bottom / 2);
  EXPECT_GT(text, 0);
  data.HideCaptionHint();
}

TEST(SkinText, AnsiTextConvertsAndDrawsInTheSystemCodePage) {
  const std::string ansi = "\xD6\xD0\xCE\xC4";  // two characters in code page 936
  EXPECT_EQ(AnsiToWide(ansi), std::wstring(L"\u4E2D\u6587"));
  EXPECT_EQ(AnsiToWide(""), std::wstring());
  HDC dc = CreateCompatibleDC(nullptr);
  RECT rect{0, 0, 0, 0};
  const int height = DrawSkinText(dc, L"Wallpaper", rect, DT_CALCRECT | DT_SINGLELINE);
  DeleteDC(dc);
  EXPECT_GT(height, 0);
  EXPECT_GT(rect.right, 0);
  EXPECT_TRUE(UseWideText());  // Wine reports the NT family
}

}  // namespace
