#include "framework/list_box.h"

#include "framework/system/gdi_handles.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class ListBoxTest : public ::testing::Test {
protected:
  ListBoxTest() : form_(nullptr), list_(new TListBox(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 300, 300);
    list_->SetMultiSelect(true);
    list_->SetParent(&form_);
    list_->SetBounds(4, 22, 133, 251);
    list_->SetItemHeight(12);
    list_->OnClick = [this](TComponent*) { clicks_.push_back(list_->ItemIndex()); };
  }
  // The list as the window paints it, into a bitmap: the colour of each pixel of column X.
  std::vector<COLORREF> PaintedColumn(int x) {
    HWND hwnd = list_->Handle();
    RECT client;
    GetClientRect(hwnd, &client);
    TWindowDC screen(hwnd);
    UniqueDC dc(CreateCompatibleDC(screen.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    TSelectObject keep(dc.Get(), bitmap.Get());
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> column;
    for (int y = 0; y < client.bottom; ++y)
      column.push_back(GetPixel(dc.Get(), x, y));
    return column;
  }
  TApplication app_;
  TWinControl form_;
  TListBox* list_;
  std::vector<int> clicks_;
};

TEST_F(ListBoxTest, ItemsSetBeforeTheWindowExistsAreShownWhenItIsCreated) {
  list_->SetItems({"C:\\a.bmp", "C:\\b.bmp", "C:\\a.bmp"});
  form_.Handle();
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list_->Item(2), "C:\\a.bmp");  // duplicates kept, order kept
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETITEMHEIGHT, 0, 0), 12);
  EXPECT_EQ(list_->ItemIndex(), 0);
}

TEST_F(ListBoxTest, DeletingTheSelectedFromLastToFirstKeepsTheOthersInOrder) {
  form_.Handle();
  list_->SetItems({"0", "1", "2", "3", "4"});
  for (int i : {0, 2, 3})
    list_->SetSelected(i, true);
  for (int i = list_->Count() - 1; i >= 0; --i)
    if (list_->Selected(i))
      list_->Delete(i);
  EXPECT_EQ(list_->Items(), (std::vector<std::string>{"1", "4"}));
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETSELCOUNT, 0, 0), 0);  // the selection went with them
  EXPECT_THROW(list_->Delete(2), std::out_of_range);
}

TEST_F(ListBoxTest, DeletingTheSelectedAtOnceKeepsTheOthersTheScrollPositionAndTheCaret) {
  form_.Handle();
  HWND hwnd = list_->Handle();
  std::vector<std::string> items, kept;
  for (int i = 0; i < 100; ++i) {
    items.push_back(std::to_string(i));
    if (i != 3 && i != 41 && i != 45 && i != 99)
      kept.push_back(items.back());
  }
  list_->SetItems(items);
  for (int i : {3, 41, 45, 99})
    list_->SetSelected(i, true);  // each moves the caret to itself
  SendMessageA(hwnd, LB_SETCARETINDEX, 45, FALSE);
  SendMessageA(hwnd, LB_SETTOPINDEX, 40, 0);
  list_->DeleteSelected();
  EXPECT_EQ(list_->Items(), kept);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCOUNT, 0, 0), 96);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETSELCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0), 40);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCARETINDEX, 0, 0), 45);

  list_->DeleteSelected();  // nothing selected: nothing goes
  EXPECT_EQ(list_->Count(), 96);
  for (int i = 0; i < 96; ++i)
    list_->SetSelected(i, true);
  list_->DeleteSelected();
  EXPECT_EQ(list_->Count(), 0);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, ASelectionChangeFromTheWindowRunsOnClickWithTheCaretItem) {
  form_.Handle();
  list_->SetItems({"a", "b", "c"});
  SendMessageA(list_->Handle(), LB_SETCARETINDEX, 2, FALSE);
  SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list_->Handle()));
  EXPECT_EQ(clicks_, std::vector<int>{2});
  list_->Clear();
  EXPECT_EQ(list_->ItemIndex(), -1);  // an empty list names no entry
}

TEST_F(ListBoxTest, TheWindowPaintsEachItemFromTheObjectWithTheSelectionHighlighted) {
  form_.Handle();
  list_->SetItems({"第一张.bmp", "second.bmp", "third.bmp"});
  list_->SetSelected(1, true);
  const std::vector<COLORREF> left = PaintedColumn(1);  // left of the text: only the background
  EXPECT_EQ(left[12 + 6], GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(left[6], GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(left[24 + 6], GetSysColor(COLOR_WINDOW));
  // Text was drawn in every row: some pixel of each row differs from its background.
  for (int row = 0; row < 3; ++row) {
    bool inked = false;
    for (int x = 3; x < 60 && !inked; ++x) {
      const std::vector<COLORREF> column = PaintedColumn(x);
      for (int y = row * 12; y < row * 12 + 12; ++y)
        inked |= column[y] != column[row * 12];
    }
    EXPECT_TRUE(inked) << "row " << row;
  }
}

TEST_F(ListBoxTest, ATenThousandEntryFillIsOneCountForTheWindow) {
  form_.Handle();
  std::vector<std::string> many(10000, "Z:\\pictures\\p.bmp");
  list_->SetItems(many);
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETCOUNT, 0, 0), 10000);
  list_->Add("last.bmp");
  EXPECT_EQ(SendMessageA(list_->Handle(), LB_GETCOUNT, 0, 0), 10001);
  EXPECT_EQ(list_->Item(10000), "last.bmp");
}

}  // namespace
