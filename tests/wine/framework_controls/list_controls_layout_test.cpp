// The new controls as a form's layout makes them: by class name, with properties, references
// and handlers by name.
#include "framework/form_layout.h"

#include "control_form.h"
#include "framework/application.h"
#include "framework/combo_box.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/list_view.h"
#include "framework/tab_set.h"
#include "framework/up_down.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

class TChangeForm : public TForm {
public:
  using TForm::TForm;
  TNotifyEvent MethodAddress(const std::string& name) override {
    return [this, name](TComponent* sender) { calls.push_back(name + ":" + sender->Name()); };
  }
  std::vector<std::string> calls;
};

TEST(ListControlsLayout, ControlsComeWithTheirPropertiesReferencesAndHandlers) {
  TApplication app;
  Application = &app;
  {
    TChangeForm form(nullptr);
    using Strings = std::vector<std::string>;
    ReadFormLayout(form, {
        {{"ClientWidth", 400}, {"ClientHeight", 300}},
        {{"TEdit", "Count", "", {{"Left", 10}, {"Top", 10}, {"Width", 60}, {"Height", 22}}},
         {"TUpDown", "Spin", "", {{"Left", 70}, {"Top", 10}, {"Width", 16}, {"Height", 22},
                                  {"Associate", std::string("Count")}, {"Max", 9}, {"Position", 4},
                                  {"OnClick", std::string("SpinClick")}}},
         {"TComboBox", "Period", "", {{"Left", 10}, {"Top", 40}, {"Width", 120}, {"Height", 24},
                                      {"Style", std::string("csDropDownList")},
                                      {"Items", Strings{"每天", "每周"}}, {"ItemIndex", 1},
                                      {"OnChange", std::string("PeriodChange")}}},
         {"TListView", "Files", "", {{"Left", 10}, {"Top", 80}, {"Width", 300}, {"Height", 150},
                                     {"Columns", Strings{"文件=200", "大小=60"}}, {"RowSelect", true}}},
         {"TTabSet", "Sheets", "", {{"Align", std::string("alBottom")}, {"Height", 21},
                                    {"Tabs", Strings{"一", "二"}}, {"OnChange", std::string("SheetChange")}}}}});
    auto* count = dynamic_cast<TEdit*>(form.FindComponent("Count"));
    auto* spin = dynamic_cast<TUpDown*>(form.FindComponent("Spin"));
    auto* period = dynamic_cast<TComboBox*>(form.FindComponent("Period"));
    auto* files = dynamic_cast<TListView*>(form.FindComponent("Files"));
    auto* sheets = dynamic_cast<TTabSet*>(form.FindComponent("Sheets"));
    ASSERT_TRUE(count && spin && period && files && sheets);
    EXPECT_EQ(spin->Associate(), count);
    EXPECT_TRUE(period->InheritsFrom("TCustomComboBox"));

    form.Handle();
    EXPECT_EQ(count->Text(), "4");
    EXPECT_EQ(SendMessageA(period->Handle(), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(files->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(sheets->Top(), client.bottom - 21) << "the tab strip sits at the form's bottom edge";

    control_form::PressKey(period->Handle(), VK_UP);
    RECT arrows{};
    GetClientRect(spin->Handle(), &arrows);
    control_form::Click(spin->Handle(), arrows.right / 2, arrows.bottom / 4);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"PeriodChange:Period", "SpinClick:Spin"}));
    EXPECT_EQ(count->Text(), "5");
  }
  Application = nullptr;
}

}  // namespace
