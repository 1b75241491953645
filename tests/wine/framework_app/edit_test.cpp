#include "framework/edit.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class EditTest : public ::testing::Test {
protected:
  EditTest() : form_(nullptr), edit_(new TEdit(&form_)) {
    form_.SetBounds(0, 0, 200, 100);
    form_.SetVisible(false);  // no window manager here: mapping a top-level window costs seconds
    edit_->SetParent(&form_);
    edit_->SetBounds(8, 8, 120, 18);
    edit_->OnChange = [this](TComponent* sender) {
      changes_.push_back(static_cast<TEdit*>(sender)->Text());
    };
  }
  TApplication app_;
  TWinControl form_;
  TEdit* edit_;  // owned by form_
  std::vector<std::string> changes_;
};

TEST_F(EditTest, ADifferentTextRaisesTheChangeBeforeTheSetterReturnsAndTheSameTextNothing) {
  edit_->SetText("25000");
  ASSERT_EQ(changes_, std::vector<std::string>{"25000"});
  edit_->SetText("25000");
  EXPECT_EQ(changes_.size(), 1u);
  form_.Handle();  // with a window, the platform's own change notice must not double it
  edit_->SetText("3000");
  EXPECT_EQ(changes_, (std::vector<std::string>{"25000", "3000"}));
  char shown[32] = {};
  GetWindowTextA(edit_->Handle(), shown, sizeof shown);
  EXPECT_STREQ(shown, "3000");
}

TEST_F(EditTest, AnInvisibleEditStillRaisesItsChange) {
  edit_->SetVisible(false);
  form_.Handle();
  edit_->SetText("7");
  EXPECT_EQ(changes_, std::vector<std::string>{"7"});
  EXPECT_FALSE(IsWindowVisible(edit_->Handle()));
}

TEST_F(EditTest, TypingIntoTheWindowRaisesTheChangeWithTheNewText) {
  form_.Handle();
  SendMessageA(edit_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  EXPECT_EQ(edit_->Text(), "typed");
  EXPECT_EQ(changes_, std::vector<std::string>{"typed"});
}

TEST_F(EditTest, EveryMessagePassesThroughTheReplaceableCallbackAndTheObjectIsFoundByHandle) {
  HWND hwnd = edit_->Handle();
  EXPECT_EQ(TWinControl::FromHandle(hwnd), edit_);
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  EXPECT_EQ(lstrcmpiA(cls, "EDIT"), 0) << cls;

  int seen = 0;
  TWinControl::THookId hook = 0;
  hook = edit_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_USER + 1)
      return ++seen, 77;
    return edit_->CallNextHook(hook, msg, w, l);
  });
  EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 0, 0), 77);
  EXPECT_EQ(seen, 1);
  edit_->SetText("still works");
  EXPECT_EQ(changes_.back(), "still works");
  edit_->RemoveMessageHook(hook);  // it refers to this test's locals; the edit lives on
}

}  // namespace
