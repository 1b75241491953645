#include "main_form_fixture.h"

namespace {

class RotationTest : public MainFormTest {
protected:
  // The index of the entry a rotation tick applied, or -1 when it applied nothing.
  int Tick(TForm1& form, const std::vector<std::string>& pictures) {
    ApplyMarker();
    form.Timer_BiZhiGengHuanTimer(nullptr);
    const std::string now = DesktopValue("Wallpaper");
    for (size_t i = 0; i < pictures.size(); ++i)
      if (pictures[i] == now)
        return static_cast<int>(i);
    return -1;
  }
  static void ApplyMarker() {
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE, &key);
    RegSetValueExA(key, "Wallpaper", 0, REG_SZ, reinterpret_cast<const BYTE*>("marker"), 7);
    RegCloseKey(key);
  }
};

TEST_F(RotationTest, StartAppliesTheDefaultAtOnceEntryZeroOnTheOneShotThenTheDrawSequence) {
  TForm1& form = Start();
  const std::vector<std::string> pictures = Pictures(12);
  form.FileList->SetItems(pictures);
  form.Timer_BiZhiGengHuan_T->SetText("250");
  form.ButtonStartClick(nullptr);
  EXPECT_EQ(DesktopValue("Wallpaper"), folder_ + "Wallpaper.BMP");
  EXPECT_FALSE(form.ButtonStart->Enabled());
  EXPECT_TRUE(form.ButtonStop->Enabled());
  EXPECT_TRUE(form.TimerMpic->Enabled());
  EXPECT_EQ(form.TimerMpic->Interval(), 3000u);
  EXPECT_TRUE(form.Timer_BiZhiGengHuan->Enabled());
  EXPECT_EQ(form.Timer_BiZhiGengHuan->Interval(), 250u);

  form.TimerMpicTimer(nullptr);
  EXPECT_EQ(DesktopValue("Wallpaper"), pictures[0]);
  EXPECT_FALSE(form.TimerMpic->Enabled());
  EXPECT_EQ(form.TimerMpic->Interval(), 0u);

  // Draws 0, 0, 10, 2, 3, 8, 3, 1, 4, 5: a repeated index applies nothing.
  std::vector<int> applied;
  for (int i = 0; i < 10; ++i)
    applied.push_back(Tick(form, pictures));
  EXPECT_EQ(applied, (std::vector<int>{0, -1, 10, 2, 3, 8, 3, 1, 4, 5}));
  EXPECT_EQ(form.piccount->Text(), "12");
  EXPECT_EQ(form.LabeledEditRandom->Text(), "5");
  EXPECT_EQ(form.suijipicFILE->Text(), pictures[5]);
  EXPECT_EQ(form.Image1->Picture().Width(), 2);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(RotationTest, StopHaltsTheRotationButLeavesThePendingFirstWallpaperAndTheDrawState) {
  TForm1& form = Start();
  const std::vector<std::string> pictures = Pictures(12);
  form.FileList->SetItems(pictures);
  form.ButtonStartClick(nullptr);
  Tick(form, pictures);
  Tick(form, pictures);
  form.ButtonStopClick(nullptr);
  EXPECT_TRUE(form.ButtonStart->Enabled());
  EXPECT_FALSE(form.ButtonStop->Enabled());
  EXPECT_TRUE(form.Timer_BiZhiGengHuan->Enabled());
  EXPECT_EQ(form.Timer_BiZhiGengHuan->Interval(), 0u);
  EXPECT_TRUE(form.TimerMpic->Enabled());  // entry 0 still comes
  EXPECT_EQ(form.TimerMpic->Interval(), 3000u);
  form.ButtonStartClick(nullptr);
  EXPECT_EQ(form.Timer_BiZhiGengHuan->Interval(), 25000u);
  EXPECT_EQ(Tick(form, pictures), 10);  // the sequence goes on where it stopped
}

TEST_F(RotationTest, StartWithAnEmptyListSaysSoAndChangesNothing) {
  TForm1& form = Start();
  ApplyMarker();
  form.ButtonStartClick(nullptr);
  EXPECT_EQ(boxes_, std::vector<std::string>{"Tapestrel|壁纸文件列表不能为空"});
  EXPECT_TRUE(form.ButtonStart->Enabled());
  EXPECT_FALSE(form.Timer_BiZhiGengHuan->Enabled());
  EXPECT_EQ(DesktopValue("Wallpaper"), "marker");
}

TEST_F(RotationTest, APeriodThatIsNoNumberOrNegativeIsReportedAndTheIntervalStays) {
  TForm1& form = Start();
  form.FileList->SetItems(Pictures(2));
  for (const char* period : {"abc", "-5", "$FFFFFFFF"}) {
    boxes_.clear();
    form.Timer_BiZhiGengHuan_T->SetText(period);
    CallGuarded([&] { form.ButtonStartClick(nullptr); });
    ASSERT_EQ(boxes_.size(), 1u) << period;
    EXPECT_NE(boxes_[0].find(std::string("'") + period + "'"), std::string::npos) << boxes_[0];
    EXPECT_NE(boxes_[0].find("|error"), std::string::npos);
    EXPECT_TRUE(form.Timer_BiZhiGengHuan->Enabled());
    EXPECT_EQ(form.Timer_BiZhiGengHuan->Interval(), 0u) << period;
    EXPECT_FALSE(form.ButtonStart->Enabled());  // running, but without rotation
  }
  EXPECT_EQ(boxes_[0], "Tapestrel|'$FFFFFFFF' is not a valid period: it must be 0 or more milliseconds.|error");
}

TEST_F(RotationTest, TicksOnAListEmptiedWhileArmedDoNothingAndTheOneShotStillDisarms) {
  TForm1& form = Start();
  const std::vector<std::string> pictures = Pictures(3);
  form.FileList->SetItems(pictures);
  form.ButtonStartClick(nullptr);
  form.Button6Click(nullptr);
  ApplyMarker();
  CallGuarded([&] { form.TimerMpicTimer(nullptr); });
  CallGuarded([&] { form.Timer_BiZhiGengHuanTimer(nullptr); });
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(DesktopValue("Wallpaper"), "marker");
  EXPECT_FALSE(form.TimerMpic->Enabled());
  EXPECT_EQ(form.TimerMpic->Interval(), 0u);
  EXPECT_EQ(form.piccount->Text(), "");
}

TEST_F(RotationTest, TheRealTimersDeliverTheFirstWallpaperAndTheRotation) {
  TForm1& form = Start();
  const std::vector<std::string> pictures = Pictures(12);
  form.FileList->SetItems(pictures);
  form.Timer_BiZhiGengHuan_T->SetText("100");
  form.ButtonStartClick(nullptr);
  // Rotation ticks every 100 ms; the one-shot comes at 3000 ms. Wait for both, with a deadline.
  const DWORD deadline = GetTickCount() + 8000;
  while (form.TimerMpic->Enabled() && static_cast<int>(deadline - GetTickCount()) > 0) {
    app_.ProcessMessages();
    Sleep(5);
  }
  EXPECT_FALSE(form.TimerMpic->Enabled());
  EXPECT_EQ(form.piccount->Text(), "12");
  EXPECT_FALSE(form.LabeledEditRandom->Text().empty());
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
