// The tray icon's record and the shell requests its properties make.
#include "tray/tray_icon.h"

#include "tray_test_support.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using tray_test::IconColour;
using tray_test::ShellCall;
using tray_test::MakeIcon;
using tray_test::Pump;
using tray_test::PumpUntil;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

class TrayIconTest : public tray_test::TrayFixture {
protected:
  // An image list of three 16 x 16 icons: red, green, blue.
  void FillList(TImageList& list) {
    for (uint32_t rgb : {kRed, kGreen, kBlue}) {
      TIcon icon;
      icon.SetHandle(MakeIcon(16, rgb));
      list.AddIcon(icon);
    }
  }

  TComponent root_{nullptr};
};

TEST_F(TrayIconTest, ANewComponentHasThePublishedInitialValuesAndSendsNothing) {
  TTrayIcon tray(&root_);
  EXPECT_FALSE(tray.DesignPreview());
  EXPECT_EQ(tray.IconList(), nullptr);
  EXPECT_FALSE(tray.CycleIcons());
  EXPECT_EQ(tray.CycleInterval(), 0u);
  EXPECT_TRUE(tray.Enabled());
  EXPECT_EQ(tray.Hint(), "");
  EXPECT_TRUE(tray.ShowHint());
  EXPECT_TRUE(tray.Icon()->Empty());
  EXPECT_FALSE(tray.IconVisible());
  EXPECT_EQ(tray.IconIndex(), 0);
  EXPECT_EQ(tray.PopupMenu(), nullptr);
  EXPECT_FALSE(tray.LeftPopup());
  EXPECT_FALSE(tray.WantEnterExitEvents());
  EXPECT_FALSE(tray.MinimizeToTray());
  EXPECT_EQ(tray.NotificationStyle, 0);
  EXPECT_STREQ(tray.ClassName(), "TTrayIcon");
  EXPECT_EQ(tray.Owner(), &root_);
  EXPECT_TRUE(calls_.empty());
}

TEST_F(TrayIconTest, ShowingTheIconAddsTheFullRecord) {
  TTrayIcon tray(&root_);
  tray.SetIconVisible(true);
  ASSERT_EQ(calls_.size(), 1u);
  const ShellCall& add = calls_[0];
  EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(add.data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));  // 488 in the shipped 32-bit build
  EXPECT_EQ(add.data.hWnd, TTrayIconHandler::Instance()->Handle());
  EXPECT_EQ(add.data.uID, static_cast<UINT>(reinterpret_cast<UINT_PTR>(&tray)));
  EXPECT_EQ(add.data.uFlags, 7u);
  EXPECT_EQ(add.data.uCallbackMessage, 0x800u);
  EXPECT_EQ(add.data.hIcon, nullptr);  // an icon without a handle is shown blank
  EXPECT_EQ(add.data.uTimeoutOrVersion, 0u);
  EXPECT_EQ(add.data.dwInfoFlags, 0u);  // no balloon, ever
  EXPECT_EQ(add.data.szInfo[0], '\0');
  EXPECT_TRUE(tray.IconVisible());

  tray.SetIconVisible(false);
  ASSERT_EQ(calls_.size(), 2u);
  EXPECT_EQ(calls_[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(tray.IconVisible());
}

TEST_F(TrayIconTest, AShellRefusalIsIgnored) {
  shellAnswer_ = false;
  TTrayIcon tray(&root_);
  tray.SetIconVisible(true);
  tray.SetHint("Kestova");
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(TrayIconTest, AHintOf200BytesIsCutToItsFirst127) {
  TTrayIcon tray(&root_);
  std::string hint;
  for (int i = 0; i < 200; ++i)
    hint += static_cast<char>('A' + i % 26);
  tray.SetHint(hint);
  ASSERT_FALSE(calls_.empty());
  const TNotifyIconData& data = calls_.back().data;
  EXPECT_EQ(calls_.back().message, static_cast<DWORD>(NIM_MODIFY));  // refreshed, even unshown
  EXPECT_EQ(std::string(data.szTip), hint.substr(0, 127));
  EXPECT_EQ(data.szTip[127], '\0');
}

TEST_F(TrayIconTest, ALongChineseHintIsCutAtTheLastWholeCharacter) {
  TTrayIcon tray(&root_);
  const struct {
    std::string prefix;
    size_t kept;  // bytes of the tip
  } cases[] = {
      {"", 126},   // 64 two-byte characters: the 64th would straddle byte 127
      {"A", 127},  // one byte earlier, 63 whole characters end exactly at 127
  };
  for (const auto& c : cases) {
    std::string hint = c.prefix;
    for (int i = 0; i < 64; ++i)
      hint += "\xB5\xC6";  // a GBK character
    tray.SetHint(hint);
    EXPECT_EQ(std::string(calls_.back().data.szTip), hint.substr(0, c.kept)) << c.prefix;
  }
}

TEST_F(TrayIconTest, TheTooltipCarriesTheHintInTheAnsiCodePage) {
  TTrayIcon tray(&root_);
  tray.SetHint("Kestova");
  EXPECT_STREQ(calls_.back().data.szTip, "Kestova");
  tray.SetHint("壁纸");
  EXPECT_STREQ(calls_.back().data.szTip, "\xB1\xDA\xD6\xBD");  // GBK
}

TEST_F(TrayIconTest, NoShowHintOrNoHintGivesAnEmptyTooltip) {
  TTrayIcon tray(&root_);
  tray.SetHint("Kestova");
  tray.SetShowHint(false);
  const TNotifyIconData& data = calls_.back().data;
  for (char c : data.szTip)
    EXPECT_EQ(c, '\0');
  tray.SetShowHint(true);
  EXPECT_STREQ(calls_.back().data.szTip, "Kestova");
  tray.SetHint("");
  EXPECT_STREQ(calls_.back().data.szTip, "");
}

TEST_F(TrayIconTest, AChangeOfTheOwnedIconRefreshesTheShellsIcon) {
  TTrayIcon tray(&root_);
  tray.SetIconVisible(true);
  calls_.clear();
  tray.Icon()->SetHandle(MakeIcon(16, kRed));
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(calls_[0].data.hIcon, tray.Icon()->Handle());
  EXPECT_NE(calls_[0].data.hIcon, nullptr);
}

TEST_F(TrayIconTest, SettingTheIconCopiesItAndRefreshesOnce) {
  TTrayIcon tray(&root_);
  TIcon source;
  source.SetHandle(MakeIcon(16, kGreen));
  calls_.clear();
  tray.SetIcon(source);
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_NE(tray.Icon()->Handle(), source.Handle());  // a copy, owned by the component
  EXPECT_EQ(IconColour(tray.Icon()->Handle(), 16), kGreen);
  EXPECT_EQ(calls_[0].data.hIcon, tray.Icon()->Handle());
}

TEST_F(TrayIconTest, IconIndexBeyondTheListSelectsTheLastImage) {
  TImageList list(&root_);
  FillList(list);
  TTrayIcon tray(&root_);
  tray.SetIconList(&list);
  EXPECT_EQ(tray.IconIndex(), 0);
  EXPECT_EQ(IconColour(tray.Icon()->Handle(), 16), kRed);
  tray.SetIconIndex(7);
  EXPECT_EQ(tray.IconIndex(), 2);
  EXPECT_EQ(IconColour(tray.Icon()->Handle(), 16), kBlue);
  EXPECT_EQ(calls_.back().data.hIcon, tray.Icon()->Handle());
  tray.SetIconIndex(1);
  EXPECT_EQ(IconColour(tray.Icon()->Handle(), 16), kGreen);
}

TEST_F(TrayIconTest, WithoutAListIconIndexStaysZero) {
  TTrayIcon tray(&root_);
  tray.SetIconIndex(5);
  EXPECT_EQ(tray.IconIndex(), 0);
}

TEST_F(TrayIconTest, AListThatGoesAwayIsDroppedAndTheIndexResets) {
  auto list = std::make_unique<TImageList>(&root_);
  FillList(*list);
  TTrayIcon tray(&root_);
  tray.SetIconList(list.get());
  tray.SetIconIndex(2);
  list.reset();
  EXPECT_EQ(tray.IconList(), nullptr);
  EXPECT_EQ(tray.IconIndex(), 0);
}

TEST_F(TrayIconTest, APopupMenuThatGoesAwayIsDropped) {
  auto menu = std::make_unique<TPopupMenu>(&root_);
  TTrayIcon tray(&root_);
  tray.SetPopupMenu(menu.get());
  EXPECT_EQ(tray.PopupMenu(), menu.get());
  menu.reset();
  EXPECT_EQ(tray.PopupMenu(), nullptr);
}

TEST_F(TrayIconTest, CyclingWithThreeImagesWrapsFromTheLastToTheFirst) {
  TImageList list(&root_);
  FillList(list);
  TTrayIcon tray(&root_);
  tray.SetIconList(&list);
  struct Step {
    int index, next;
  };
  std::vector<Step> steps;
  std::vector<uint32_t> shown;
  tray.OnCycle = [&](TComponent* sender, int next) {
    EXPECT_EQ(sender, &tray);
    steps.push_back({tray.IconIndex(), next});
    shown.push_back(IconColour(tray.Icon()->Handle(), 16));
    if (steps.size() == 3)
      tray.SetCycleIcons(false);  // this step still moves on to NEXT
  };
  tray.SetCycleInterval(20);
  tray.SetCycleIcons(true);
  EXPECT_EQ(tray.IconIndex(), 0);
  ASSERT_TRUE(PumpUntil([&] { return steps.size() >= 3; }, 2000));
  Pump(60);
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].index, 0);
  EXPECT_EQ(steps[0].next, 1);
  EXPECT_EQ(steps[1].next, 2);
  EXPECT_EQ(steps[2].index, 2);
  EXPECT_EQ(steps[2].next, 0);
  EXPECT_EQ(shown, (std::vector<uint32_t>{kRed, kGreen, kBlue}));
  EXPECT_EQ(tray.IconIndex(), 0);  // the step after the last image shows image 0
  EXPECT_EQ(IconColour(tray.Icon()->Handle(), 16), kRed);
}

TEST_F(TrayIconTest, CyclingWithIntervalZeroDoesNothing) {
  TImageList list(&root_);
  FillList(list);
  TTrayIcon tray(&root_);
  tray.SetIconList(&list);
  int steps = 0;
  tray.OnCycle = [&](TComponent*, int) { ++steps; };
  tray.SetCycleIcons(true);
  Pump(150);
  EXPECT_EQ(steps, 0);
}

TEST_F(TrayIconTest, ANewCycleIntervalRestartsTheCycleFromTheFirstImage) {
  TImageList list(&root_);
  FillList(list);
  TTrayIcon tray(&root_);
  tray.SetIconList(&list);
  tray.SetCycleInterval(1000);
  tray.SetCycleIcons(true);
  tray.SetIconIndex(2);
  tray.SetCycleInterval(20);
  EXPECT_EQ(tray.IconIndex(), 0);
  int steps = 0;
  tray.OnCycle = [&](TComponent*, int) { ++steps; };
  EXPECT_TRUE(PumpUntil([&] { return steps >= 1; }, 1000));
}

TEST_F(TrayIconTest, LoadedSetsTheNotificationStyle) {
  TTrayIcon classic(&root_);
  classic.Loaded();
  ASSERT_FALSE(CallsOf(NIM_SETVERSION).empty());
  EXPECT_EQ(CallsOf(NIM_SETVERSION).back().data.uTimeoutOrVersion, 0u);

  calls_.clear();
  TTrayIcon modern(&root_);
  modern.NotificationStyle = 1;
  modern.Loaded();
  ASSERT_FALSE(CallsOf(NIM_SETVERSION).empty());
  EXPECT_EQ(CallsOf(NIM_SETVERSION).back().data.uTimeoutOrVersion, 3u);
}

TEST_F(TrayIconTest, LoadedAppliesTheStoredIconVisible) {
  TTrayIcon tray(&root_);
  tray.SetIconVisible(true);
  calls_.clear();
  tray.Loaded();
  std::vector<DWORD> messages;
  for (const ShellCall& call : calls_)
    messages.push_back(call.message);
  EXPECT_EQ(messages, (std::vector<DWORD>{NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));
}

// Icons made while held send nothing until released, then what they are by then (the hint set
// meanwhile included); icons made after the hold ends, and released ones, send at once.
TEST_F(TrayIconTest, AHeldIconSendsItsStateOnlyWhenReleased) {
  TTrayIcon::HoldNewIcons(true);
  TTrayIcon shown(&root_), hidden(&root_);
  TTrayIcon::HoldNewIcons(false);
  TTrayIcon free(&root_);
  for (TTrayIcon* icon : {&shown, &hidden, &free}) {
    icon->SetIconVisible(icon != &hidden);
    icon->Loaded();
  }
  shown.SetHint("Kestova");
  auto messagesOf = [&](const TTrayIcon& icon) {
    std::vector<DWORD> messages;
    for (const ShellCall& call : calls_)
      if (call.data.uID == icon.IconData().uID)
        messages.push_back(call.message);
    return messages;
  };
  EXPECT_TRUE(messagesOf(shown).empty());
  EXPECT_TRUE(messagesOf(hidden).empty());
  EXPECT_EQ(messagesOf(free), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));

  calls_.clear();
  shown.ReleaseShell();
  hidden.ReleaseShell();
  shown.ReleaseShell();  // a second release sends nothing
  EXPECT_EQ(messagesOf(shown), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
  EXPECT_STREQ(CallsOf(NIM_ADD).at(0).data.szTip, "Kestova");
  EXPECT_EQ(messagesOf(hidden), (std::vector<DWORD>{NIM_SETVERSION}));
  shown.SetIconVisible(false);
  EXPECT_EQ(messagesOf(shown).back(), static_cast<DWORD>(NIM_DELETE));
}

TEST_F(TrayIconTest, DestructionRemovesTheIconAndTheLastOneTheWindow) {
  auto first = std::make_unique<TTrayIcon>(&root_);
  auto second = std::make_unique<TTrayIcon>(&root_);
  ASSERT_NE(TTrayIconHandler::Instance(), nullptr);
  EXPECT_EQ(TTrayIconHandler::Instance()->ReferenceCount(), 2u);
  EXPECT_FALSE(TTrayIconHandler::Instance()->HandleAllocated()) << "no window before a request to the shell";
  const UINT firstId = first->IconData().uID;
  first->SetIconVisible(true);
  second->SetIconVisible(true);
  HWND window = TTrayIconHandler::Instance()->Handle();
  EXPECT_EQ(first->IconData().hWnd, window);
  EXPECT_EQ(second->IconData().hWnd, window);
  calls_.clear();
  first.reset();
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(calls_[0].data.uID, firstId);
  EXPECT_TRUE(IsWindow(window));
  second.reset();
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(TrayIconTest, TheOwnerFreesTheComponent) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* tray = new TTrayIcon(owner.get());
  tray->SetIconVisible(true);
  owner.reset();
  EXPECT_EQ(calls_.back().message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
}

}  // namespace
