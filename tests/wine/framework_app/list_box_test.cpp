#include "framework/list_box.h"

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
  std::string WindowItem(int i) {
    char buffer[MAX_PATH] = {};
    SendMessageA(list_->Handle(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
    return buffer;
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
  EXPECT_EQ(WindowItem(2), "C:\\a.bmp");  // duplicates kept, order kept
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
  EXPECT_EQ(WindowItem(1), "4");
  EXPECT_THROW(list_->Delete(2), std::out_of_range);
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

}  // namespace
