#include "framework/list_view.h"

#include "control_form.h"
#include "framework/header_control.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace {

class ListViewTest : public ::testing::Test, protected control_form::ControlForm {
protected:
  ListViewTest() : list_(Place(new TListView(&Form()), 10, 10, 400, 200)) {}
  std::string CellText(int item, int column) {
    char text[64] = {};
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list_->Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
    return text;
  }
  std::string HeaderText(int index) {
    char text[64] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list_->HeaderHandle(), HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  TListView* list_;
};

TEST_F(ListViewTest, ColumnsAndItemsMadeBeforeAndAfterTheWindowShowInTheirCells) {
  EXPECT_EQ(list_->HeaderHandle(), nullptr) << "no window, no header";
  list_->AddColumn("文件名", 200);
  list_->AddColumn("大小", 80);
  list_->AddItem("a.bmp", {"12 KB"});
  list_->Handle();
  list_->AddColumn("日期", 90);
  list_->AddItem("b.jpg", {"3 KB", "2026-12-08"});
  list_->AddItem("c.jpg");

  HWND header = list_->HeaderHandle();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(GetParent(header), list_->Handle());
  char cls[32] = {};
  GetClassNameA(header, cls, sizeof cls);
  EXPECT_STREQ(cls, WC_HEADERA);
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);

  struct Cell {
    int item, column;
    const char* text;
  };
  const Cell cells[] = {
      {0, 0, "a.bmp"}, {0, 1, "12 KB"}, {0, 2, ""},           {1, 0, "b.jpg"}, {1, 1, "3 KB"},
      {1, 2, "2026-12-08"}, {2, 0, "c.jpg"}, {2, 1, ""},
  };
  for (const Cell& c : cells)
    EXPECT_EQ(CellText(c.item, c.column), c.text) << c.item << "," << c.column;
  struct Column {
    int index;
    const char* caption;
    int width;
  };
  const Column columns[] = {{0, "文件名", 200}, {1, "大小", 80}, {2, "日期", 90}};
  for (const Column& c : columns) {
    EXPECT_EQ(HeaderText(c.index), c.caption);
    EXPECT_EQ(list_->Column(c.index).Caption, c.caption);
    EXPECT_EQ(list_->Column(c.index).Width, c.width);
  }
  EXPECT_EQ(SendMessageA(list_->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_THROW(list_->Column(3), std::out_of_range);
}

TEST_F(ListViewTest, AColumnWidthChangedOnTheWindowReadsBackAndNewColumnsKeepTheItems) {
  list_->SetColumns({{"名称", 100}, {"路径", 150}});
  list_->AddItem("x", {"C:\\x"});
  list_->Handle();
  SendMessageA(list_->Handle(), LVM_SETCOLUMNWIDTH, 1, 222);  // as a drag of the divider does
  EXPECT_EQ(list_->Column(1).Width, 222);

  list_->SetColumns({{"一", 50}, {"二", 60}, {"三", 70}});
  EXPECT_EQ(SendMessageA(list_->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(HeaderText(2), "三");
  EXPECT_EQ(CellText(0, 0), "x");
  EXPECT_EQ(CellText(0, 1), "C:\\x");
  EXPECT_EQ(list_->ItemCount(), 1);

  list_->Clear();
  EXPECT_EQ(SendMessageA(list_->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, AClickBesideTheCaptionSelectsTheRowOnlyWithRowSelect) {
  list_->AddColumn("名称", 60);
  list_->AddColumn("路径", 200);
  list_->AddItem("first", {"C:\\1"});
  list_->AddItem("second", {"C:\\2"});
  list_->Handle();
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageA(list_->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  const int y = (row.top + row.bottom) / 2;
  control_form::Click(list_->Handle(), 200, y);  // over the second column
  EXPECT_EQ(list_->ItemIndex(), -1);
  list_->SetRowSelect(true);
  control_form::Click(list_->Handle(), 200, y);
  EXPECT_EQ(list_->ItemIndex(), 1);
}

// The list view is where a second, orphaned window showed: it was never painted and asked for
// its paint for ever.
TEST_F(ListViewTest, AControlAskedForItsWindowBeforeItsParentHasOneGetsOneWindowThatPaints) {
  list_->AddColumn("名称", 100);
  HWND w = list_->Handle();
  HWND form = Form().Handle();
  int lists = 0;
  for (HWND child = FindWindowExA(form, nullptr, WC_LISTVIEWA, nullptr); child;
       child = FindWindowExA(form, child, WC_LISTVIEWA, nullptr))
    ++lists;
  EXPECT_EQ(lists, 1);
  EXPECT_EQ(GetParent(w), form);

  ShowWindow(form, SW_SHOWNOACTIVATE);
  UpdateWindow(form);
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "a child left unpainted";
  ShowWindow(form, SW_HIDE);
}

TEST(HeaderControl, SectionsAddedAfterTheWindowAndOutOfRangeIndexes) {
  control_form::ControlForm form;
  auto* header = form.Place(new THeaderControl(&form.Form()), 0, 0, 300, 20);
  header->AddSection("甲", 50);
  header->Handle();
  header->AddSection("乙", 70);
  EXPECT_EQ(SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
  RECT second{};
  SendMessageA(header->Handle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_EQ(second.left, 50);
  EXPECT_EQ(second.right, 120);
  EXPECT_THROW(header->Section(2), std::out_of_range);
  EXPECT_THROW(header->Section(-1), std::out_of_range);
  header->SetSections({});
  EXPECT_EQ(SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 0);
}

}  // namespace
