// Each new control's published properties written by name, read back by name, and seen on the
// native window.
#include "control_form.h"

#include "framework/combo_box.h"
#include "framework/core/exceptions.h"
#include "framework/date_time_picker.h"
#include "framework/edit.h"
#include "framework/header_control.h"
#include "framework/list_view.h"
#include "framework/progress_bar.h"
#include "framework/scroll_bar.h"
#include "framework/tab_control.h"
#include "framework/tab_set.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using control_form::PropertyText;
using control_form::Style;

// A property written as text, what it reads back as, and what the window then holds.
struct Case {
  const char* property;
  const char* text;
  const char* readBack;
  std::function<long long()> native;
  long long expected;
};

void Check(TComponent& object, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_TRUE(SetPropertyText(object, c.property, c.text)) << c.property << "=" << c.text;
    EXPECT_EQ(PropertyText(object, c.property), c.readBack) << c.property << "=" << c.text;
    if (c.native)
      EXPECT_EQ(c.native(), c.expected) << c.property << "=" << c.text << " on the window";
  }
}

long long Send(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(window, msg, wParam, lParam);
}

class ListControlsPropertiesTest : public ::testing::Test, protected control_form::ControlForm {};

TEST_F(ListControlsPropertiesTest, ComboBox) {
  auto* combo = Place(new TComboBox(&Form()), 10, 10, 150, 24);
  ASSERT_TRUE(SetPropertyText(*combo, "Style", "csDropDownList"));
  ASSERT_TRUE(SetPublishedProperty(*combo, "Items", std::vector<std::string>{"每天", "每周", "每月"}));
  ASSERT_TRUE(SetPropertyText(*combo, "ItemIndex", "1"));
  HWND w = combo->Handle();
  EXPECT_EQ(Send(w, CB_GETCOUNT), 3);
  EXPECT_EQ(Style(w) & 3, CBS_DROPDOWNLIST);
  Check(*combo, {
      {"ItemIndex", "1", "1", [&] { return Send(w, CB_GETCURSEL); }, 1},
      {"Text", "每周", "每周", [&] { return Send(w, CB_GETCURSEL); }, 1},
      {"ItemIndex", "2", "2", [&] { return Send(w, CB_GETCURSEL); }, 2},
      {"Text", "每天", "每天", [&] { return Send(w, CB_GETCURSEL); }, 0},
      {"Text", "从不", "", [&] { return Send(w, CB_GETCURSEL); }, CB_ERR},  // no such item: none chosen
      {"ItemIndex", "-1", "-1", [&] { return Send(w, CB_GETCURSEL); }, CB_ERR},
      {"BiDiMode", "bdRightToLeft", "bdRightToLeft",
       [&] { return control_form::ExStyle(w) & (WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR); },
       WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR},
      {"BiDiMode", "bdLeftToRight", "bdLeftToRight",
       [&] { return control_form::ExStyle(w) & (WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR); }, 0},
  });
  EXPECT_THROW(combo->SetItemIndex(3), std::out_of_range);
  // The dropped-down list grows by an item's height for each item more it shows; the closed box
  // keeps its height.
  auto dropped = [&] {
    RECT r{};
    Send(w, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.bottom - r.top;
  };
  RECT closed{};
  GetWindowRect(w, &closed);
  ASSERT_TRUE(SetPropertyText(*combo, "DropDownCount", "3"));
  const long three = dropped();
  ASSERT_TRUE(SetPropertyText(*combo, "DropDownCount", "10"));
  EXPECT_EQ(PropertyText(*combo, "DropDownCount"), "10");
  EXPECT_EQ(dropped() - three, 7 * Send(w, CB_GETITEMHEIGHT, 0));
  RECT after{};
  GetWindowRect(w, &after);
  EXPECT_EQ(after.bottom - after.top, closed.bottom - closed.top);
  EXPECT_EQ(combo->Height(), closed.bottom - closed.top);
  ASSERT_TRUE(SetPublishedProperty(*combo, "Items", std::vector<std::string>{"a"}));
  EXPECT_EQ(Send(w, CB_GETCOUNT), 1);
  EXPECT_EQ(PropertyText(*combo, "ItemIndex"), "-1");
}

TEST_F(ListControlsPropertiesTest, UpDownWithItsAssociate) {
  auto* edit = Place(new TEdit(&Form()), 10, 10, 60, 22);
  auto* arrows = Place(new TUpDown(&Form()), 70, 10, 16, 22);
  ASSERT_TRUE(SetPublishedProperty(*arrows, "Associate", static_cast<TComponent*>(edit)));
  ASSERT_TRUE(SetPropertyText(*arrows, "Orientation", "udHorizontal"));
  HWND w = arrows->Handle();
  EXPECT_EQ(reinterpret_cast<HWND>(Send(w, UDM_GETBUDDY)), edit->Handle());
  EXPECT_EQ(Style(w) & (UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_HORZ), UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_HORZ);
  EXPECT_EQ(GetObjectProperty(*arrows, "Associate", "TEdit"), edit);
  auto position = [&] { return Send(w, UDM_GETPOS32); };
  auto range = [w](bool wantLow) {
    return [w, wantLow] {
      int low = 0, high = 0;
      Send(w, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
      return static_cast<long long>(wantLow ? low : high);
    };
  };
  Check(*arrows, {
      {"Min", "-5", "-5", range(true), -5},
      {"Max", "70000", "70000", range(false), 70000},
      {"Position", "68000", "68000", position, 68000},
      {"Position", "80000", "70000", position, 70000},  // kept inside the range
      {"Max", "100", "100", position, 100},             // a smaller range moves the position in
      {"Position", "-9", "-5", position, -5},
  });
  EXPECT_EQ(edit->Text(), "-5") << "the associate shows the position";

  delete edit;
  EXPECT_EQ(arrows->Associate(), nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(Send(w, UDM_GETBUDDY)), nullptr);
}

TEST_F(ListControlsPropertiesTest, DateTimePicker) {
  auto* picker = Place(new TDateTimePicker(&Form()), 10, 10, 120, 22);
  ASSERT_TRUE(SetPropertyText(*picker, "Date", "2026-12-08"));
  HWND w = picker->Handle();
  auto shown = [&](WORD SYSTEMTIME::*field) {
    return [w, field] {
      SYSTEMTIME date{};
      SendMessageA(w, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
      return static_cast<long long>(date.*field);
    };
  };
  EXPECT_EQ(shown(&SYSTEMTIME::wYear)(), 2026) << "a date set before the window exists";
  Check(*picker, {
      {"Date", "2024-02-29", "2024-02-29", shown(&SYSTEMTIME::wDay), 29},
      {"Date", "1999-07-04", "1999-07-04", shown(&SYSTEMTIME::wMonth), 7},
      {"Date", "2100-01-31", "2100-01-31", shown(&SYSTEMTIME::wYear), 2100},
  });
  EXPECT_EQ(picker->Date().wDayOfWeek, 0) << "2100-01-31 is a Sunday";
}

TEST_F(ListControlsPropertiesTest, DateTextsThatAreNoDayAreRefused) {
  auto* picker = Place(new TDateTimePicker(&Form()), 10, 10, 120, 22);
  picker->SetDateText("2026-12-08");
  picker->Handle();
  for (const char* text : {"2023-02-29", "2100-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "2026-12-8",
                           "2026/12/08", " 2026-12-08", "2026-1a-08", ""}) {
    EXPECT_THROW(picker->SetDateText(text), EConvertError) << text;
    EXPECT_EQ(PropertyText(*picker, "Date"), "2026-12-08") << "unchanged after " << text;
  }
}

TEST_F(ListControlsPropertiesTest, ScrollBar) {
  auto* bar = Place(new TScrollBar(&Form()), 10, 10, 200, 18);
  ASSERT_TRUE(SetPropertyText(*bar, "Kind", "sbVertical"));
  HWND w = bar->Handle();
  EXPECT_EQ(Style(w) & SBS_VERT, SBS_VERT);
  auto info = [w](int SCROLLINFO::*field) {
    return [w, field] {
      SCROLLINFO si{sizeof(si), SIF_ALL};
      GetScrollInfo(w, SB_CTL, &si);
      return static_cast<long long>(si.*field);
    };
  };
  auto page = [w] {
    SCROLLINFO si{sizeof(si), SIF_PAGE};
    GetScrollInfo(w, SB_CTL, &si);
    return static_cast<long long>(si.nPage);
  };
  Check(*bar, {
      {"Max", "200", "200", info(&SCROLLINFO::nMax), 200},
      {"Min", "10", "10", info(&SCROLLINFO::nMin), 10},
      {"Position", "150", "150", info(&SCROLLINFO::nPos), 150},
      {"PageSize", "20", "20", page, 20},
      {"Position", "500", "181", info(&SCROLLINFO::nPos), 181},  // the page's last place: 200 - 20 + 1
      {"Position", "0", "10", info(&SCROLLINFO::nPos), 10},
      {"SmallChange", "3", "3", nullptr, 0},
      {"LargeChange", "15", "15", nullptr, 0},
  });
}

TEST_F(ListControlsPropertiesTest, ListView) {
  auto* list = Place(new TListView(&Form()), 10, 10, 300, 150);
  ASSERT_TRUE(SetPublishedProperty(*list, "Columns", std::vector<std::string>{"文件=180", "大小=60", "a=b=40"}));
  HWND w = list->Handle();
  EXPECT_EQ(Style(w) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(Send(list->HeaderHandle(), HDM_GETITEMCOUNT), 3);
  EXPECT_EQ(Send(w, LVM_GETCOLUMNWIDTH, 1), 60);
  TPropertyValue columns = FindPublishedProperty(*list, "Columns")->Get(*list);
  EXPECT_EQ(std::get<std::vector<std::string>>(columns), (std::vector<std::string>{"文件=180", "大小=60", "a=b=40"}));
  EXPECT_THROW(SetPublishedProperty(*list, "Columns", std::vector<std::string>{"no width"}), EConvertError);
  Check(*list, {
      {"RowSelect", "True", "True", [w] { return Send(w, LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_FULLROWSELECT; },
       LVS_EX_FULLROWSELECT},
      {"HideSelection", "False", "False", [w] { return Style(w) & LVS_SHOWSELALWAYS; }, LVS_SHOWSELALWAYS},
      {"HideSelection", "True", "True", [w] { return Style(w) & LVS_SHOWSELALWAYS; }, 0},
      {"ViewStyle", "vsList", "vsList", [w] { return Style(w) & LVS_TYPEMASK; }, LVS_LIST},
      {"ViewStyle", "vsReport", "vsReport", [w] { return Style(w) & LVS_TYPEMASK; }, LVS_REPORT},
      {"RowSelect", "False", "False",
       [w] { return Send(w, LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_FULLROWSELECT; }, 0},
  });
}

TEST_F(ListControlsPropertiesTest, TabControl) {
  auto* tabs = Place(new TTabControl(&Form()), 10, 10, 300, 100);
  ASSERT_TRUE(SetPublishedProperty(*tabs, "Tabs", std::vector<std::string>{"图片", "声音", "其他"}));
  HWND w = tabs->Handle();
  EXPECT_EQ(Send(w, TCM_GETITEMCOUNT), 3);
  auto style = [w](LONG_PTR mask) { return [w, mask] { return static_cast<long long>(Style(w) & mask); }; };
  Check(*tabs, {
      {"TabIndex", "2", "2", [w] { return Send(w, TCM_GETCURSEL); }, 2},
      {"TabPosition", "tpBottom", "tpBottom", style(TCS_BOTTOM | TCS_VERTICAL), TCS_BOTTOM},
      {"TabPosition", "tpLeft", "tpLeft", style(TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE),
       TCS_VERTICAL | TCS_MULTILINE},
      {"TabPosition", "tpRight", "tpRight", style(TCS_VERTICAL | TCS_RIGHT), TCS_VERTICAL | TCS_RIGHT},
      {"TabPosition", "tpTop", "tpTop", style(TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE), 0},
      {"Style", "tsButtons", "tsButtons", style(TCS_BUTTONS | TCS_FLATBUTTONS), TCS_BUTTONS},
      {"Style", "tsFlatButtons", "tsFlatButtons", style(TCS_BUTTONS | TCS_FLATBUTTONS),
       TCS_BUTTONS | TCS_FLATBUTTONS},
      {"Style", "tsTabs", "tsTabs", style(TCS_BUTTONS | TCS_FLATBUTTONS), 0},
      {"TabIndex", "0", "0", [w] { return Send(w, TCM_GETCURSEL); }, 0},
  });
  EXPECT_FALSE(SetPublishedProperty(*tabs, "TabPosition", 4));
  EXPECT_THROW(tabs->SetTabIndex(3), std::out_of_range);
}

TEST_F(ListControlsPropertiesTest, TabSet) {
  auto* tabs = Place(new TTabSet(&Form()), 0, 400, 400, 21);
  ASSERT_TRUE(SetPublishedProperty(*tabs, "Tabs", std::vector<std::string>{"一", "二"}));
  EXPECT_EQ(PropertyText(*tabs, "TabIndex"), "0") << "the first tab is chosen";
  Check(*tabs, {{"TabIndex", "1", "1", nullptr, 0}, {"TabIndex", "-1", "-1", nullptr, 0}});
  EXPECT_FALSE(SetPropertyText(*tabs, "TabIndex", "x"));
  EXPECT_THROW(SetPropertyText(*tabs, "TabIndex", "2"), std::out_of_range);
}

TEST_F(ListControlsPropertiesTest, ProgressBar) {
  auto* bar = Place(new TProgressBar(&Form()), 10, 10, 200, 16);
  HWND w = bar->Handle();
  auto range = [w](BOOL low) { return [w, low] { return Send(w, PBM_GETRANGE, low); }; };  // TRUE: the low end
  auto position = [w] { return Send(w, PBM_GETPOS); };
  Check(*bar, {
      {"Max", "1000", "1000", range(FALSE), 1000},
      {"Position", "640", "640", position, 640},
      {"Min", "700", "700", position, 700},
      {"Position", "2000", "1000", position, 1000},
      {"Orientation", "pbVertical", "pbVertical", [w] { return Style(w) & PBS_VERTICAL; }, PBS_VERTICAL},
      {"Smooth", "True", "True", [w] { return Style(w) & PBS_SMOOTH; }, PBS_SMOOTH},
      {"Orientation", "pbHorizontal", "pbHorizontal", [w] { return Style(w) & PBS_VERTICAL; }, 0},
  });
}

TEST_F(ListControlsPropertiesTest, TrackBar) {
  auto* bar = Place(new TTrackBar(&Form()), 10, 10, 40, 200);
  ASSERT_TRUE(SetPropertyText(*bar, "Orientation", "trVertical"));
  ASSERT_TRUE(SetPropertyText(*bar, "TickMarks", "tmBoth"));
  HWND w = bar->Handle();
  EXPECT_EQ(Style(w) & (TBS_VERT | TBS_BOTH), TBS_VERT | TBS_BOTH);
  Check(*bar, {
      {"Max", "50", "50", [w] { return Send(w, TBM_GETRANGEMAX); }, 50},
      {"Min", "5", "5", [w] { return Send(w, TBM_GETRANGEMIN); }, 5},
      {"Position", "30", "30", [w] { return Send(w, TBM_GETPOS); }, 30},
      {"Position", "99", "50", [w] { return Send(w, TBM_GETPOS); }, 50},
      {"ThumbLength", "14", "14", [w] { return Send(w, TBM_GETTHUMBLENGTH); }, 14},
      {"Max", "40", "40", [w] { return Send(w, TBM_GETPOS); }, 40},
  });
}

TEST_F(ListControlsPropertiesTest, HeaderControl) {
  auto* header = Place(new THeaderControl(&Form()), 0, 0, 400, 20);
  ASSERT_TRUE(SetPublishedProperty(*header, "Sections", std::vector<std::string>{"名称=120", "日期=80"}));
  HWND w = header->Handle();
  ASSERT_EQ(Send(w, HDM_GETITEMCOUNT), 2);
  char text[32] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  Send(w, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "日期");
  EXPECT_EQ(item.cxy, 80);
  Check(*header, {
      {"HotTrack", "True", "True", [w] { return Style(w) & HDS_HOTTRACK; }, HDS_HOTTRACK},
      {"HotTrack", "False", "False", [w] { return Style(w) & HDS_HOTTRACK; }, 0},
  });
  // A width the user dragged reads back as the window shows it.
  item.mask = HDI_WIDTH;
  item.cxy = 95;
  Send(w, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  TPropertyValue sections = FindPublishedProperty(*header, "Sections")->Get(*header);
  EXPECT_EQ(std::get<std::vector<std::string>>(sections), (std::vector<std::string>{"名称=95", "日期=80"}));
}

}  // namespace
