// Up-down arrows, track bars, progress bars and date pickers: what the user's input does to them.
#include "control_form.h"
#include "framework/date_time_picker.h"
#include "framework/edit.h"
#include "framework/progress_bar.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class RangeControlsTest : public ::testing::Test, protected control_form::ControlForm {
protected:
  int changes_ = 0;
  TNotifyEvent Count() {
    return [this](TComponent*) { ++changes_; };
  }
};

TEST_F(RangeControlsTest, AClickOnAnUpDownArrowStepsTheAssociatesNumberAndRaisesOnClick) {
  auto* edit = Place(new TEdit(&Form()), 10, 10, 60, 22);
  auto* arrows = Place(new TUpDown(&Form()), 70, 10, 16, 22);
  arrows->SetAssociate(edit);
  arrows->SetMax(3);
  arrows->SetPosition(2);
  arrows->OnClick = Count();
  int edits = 0;
  edit->OnChange = [&](TComponent*) { ++edits; };
  Form().Handle();
  EXPECT_EQ(edit->Text(), "2");

  HWND w = arrows->Handle();
  RECT client{};
  GetClientRect(w, &client);
  struct Case {
    int y;  // in the up arrow or the down arrow
    int position;
    int clicks;
  };
  const Case cases[] = {{client.bottom / 4, 3, 1}, {client.bottom / 4, 3, 1}, {client.bottom * 3 / 4, 2, 2}};
  for (const Case& c : cases) {
    control_form::Click(w, client.right / 2, c.y);
    EXPECT_EQ(arrows->Position(), c.position) << c.y;
    EXPECT_EQ(edit->Text(), std::to_string(c.position)) << c.y;
    EXPECT_EQ(changes_, c.clicks) << c.y;
  }
  EXPECT_GE(edits, 2) << "the associate reported the texts the arrows wrote";
}

TEST_F(RangeControlsTest, ArrowKeysOnATrackBarMoveItAndRaiseOnChangeButSetPositionDoesNot) {
  auto* bar = Place(new TTrackBar(&Form()), 10, 10, 200, 40);
  bar->SetMax(20);
  bar->SetPosition(10);
  bar->OnChange = Count();
  Form().Handle();
  struct Case {
    UINT key;
    int position;
    int changes;
  };
  const Case cases[] = {
      {VK_RIGHT, 11, 1}, {VK_LEFT, 10, 2}, {VK_END, 20, 3}, {VK_RIGHT, 20, 3}, {VK_HOME, 0, 4},
  };
  for (const Case& c : cases) {
    control_form::PressKey(bar->Handle(), c.key);
    EXPECT_EQ(bar->Position(), c.position) << c.key;
    EXPECT_EQ(changes_, c.changes) << c.key;
  }
  bar->SetPosition(7);
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(changes_, 4);
}

TEST_F(RangeControlsTest, AProgressBarWithMinAboveMaxKeepsItsPositionBetweenAndPaints) {
  auto* bar = Place(new TProgressBar(&Form()), 10, 10, 200, 16);
  bar->SetPosition(30);
  bar->SetMin(50);
  bar->SetMax(10);  // now below Min
  Form().Handle();
  EXPECT_EQ(bar->Min(), 50);
  EXPECT_EQ(bar->Max(), 10);
  struct Case {
    int set;
    int position;
  };
  const Case cases[] = {{30, 30}, {60, 50}, {0, 10}, {10, 10}, {50, 50}};
  for (const Case& c : cases) {
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->Position(), c.position) << c.set;
    EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), c.position) << c.set;
  }
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, TRUE, 0), 10);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, FALSE, 0), 50);
  bar->SetMin(10);  // an empty range
  wine_support::Canvas canvas(200, 16, 0x123456);
  SendMessageA(bar->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_NE(canvas.Pixel(100, 8), 0x123456u) << "the bar painted its face";
}

TEST_F(RangeControlsTest, TheUsersKeysOnADatePickerRaiseOnChangeWithTheNewDate) {
  auto* picker = Place(new TDateTimePicker(&Form()), 10, 10, 160, 24);
  picker->SetDateText("2026-12-08");
  picker->OnChange = Count();
  Form().Handle();
  // The picker lays its fields out when it paints, and a hidden form is never painted.
  wine_support::Canvas canvas(160, 24, 0);
  SendMessageA(picker->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  control_form::Click(picker->Handle(), 8, 12);  // on the year
  struct Case {
    UINT key;
    const char* date;
    int changes;
  };
  const Case cases[] = {{VK_UP, "2027-12-08", 1}, {VK_UP, "2028-12-08", 2}, {VK_DOWN, "2027-12-08", 3}};
  for (const Case& c : cases) {
    control_form::PressKey(picker->Handle(), c.key);
    EXPECT_EQ(picker->DateText(), c.date) << c.key;
    EXPECT_EQ(changes_, c.changes) << c.key;
  }
  picker->SetDateText("2020-01-01");
  EXPECT_EQ(changes_, 3) << "the program's date is no change";
  EXPECT_EQ(picker->Date().wYear, 2020);
}

}  // namespace
