#include "framework/form_layout.h"

#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/core/exceptions.h"
#include "framework/form.h"
#include "framework/group_box.h"
#include "framework/labeled_edit.h"
#include "framework/timer.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A form whose handlers record which one ran, by name.
class TRecordingForm : public TForm {
public:
  using TForm::TForm;
  TNotifyEvent MethodAddress(const std::string& name) override {
    if (name != "ButtonClick" && name != "BoxClick")
      return {};
    return [this, name](TComponent* sender) { calls.push_back(name + ":" + sender->Name()); };
  }
  std::vector<std::string> calls;
};

class FormLayoutTest : public ::testing::Test {
protected:
  FormLayoutTest() { Application = &app_; }
  ~FormLayoutTest() override { Application = nullptr; }
  TApplication app_;
  TRecordingForm form_{nullptr};
};

TEST_F(FormLayoutTest, ComponentsComeWithParentsPropertiesAndHandlersBoundByName) {
  ReadFormLayout(form_, {
      {{"Caption", std::string("Layout")}, {"ClientWidth", 300}, {"ClientHeight", 200}},
      {{"TGroupBox", "Box", "", {{"Left", 10}, {"Top", 20}, {"Width", 200}, {"Height", 100},
                                 {"Caption", std::string("框")}}},
       {"TButton", "Go", "Box", {{"Left", 8}, {"Top", 16}, {"Width", 75}, {"Height", 25},
                                 {"Caption", std::string("开始")}, {"OnClick", std::string("ButtonClick")}}},
       {"TLabeledEdit", "Period", "Box", {{"Left", 8}, {"Top", 60}, {"Width", 100}, {"Height", 18},
                                          {"EditLabel.Caption", std::string("周期")},
                                          {"Text", std::string("25000")}}},
       {"TTimer", "Tick", "", {{"Enabled", false}, {"Interval", 0}}}}});
  auto* box = dynamic_cast<TGroupBox*>(form_.FindComponent("Box"));
  auto* go = dynamic_cast<TButton*>(form_.FindComponent("Go"));
  auto* period = dynamic_cast<TLabeledEdit*>(form_.FindComponent("Period"));
  auto* tick = dynamic_cast<TTimer*>(form_.FindComponent("Tick"));
  ASSERT_TRUE(box && go && period && tick);
  EXPECT_EQ(form_.Caption(), "Layout");
  EXPECT_EQ(go->Parent(), box);
  EXPECT_EQ(go->Owner(), &form_);
  EXPECT_EQ(period->EditLabel()->Caption(), "周期");
  EXPECT_EQ(period->Text(), "25000");
  EXPECT_FALSE(tick->Enabled());
  EXPECT_EQ(tick->Interval(), 0u);

  form_.Handle();
  EXPECT_EQ(GetParent(go->Handle()), box->Handle());
  SendMessageA(box->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(go->Handle()));
  EXPECT_EQ(form_.calls, std::vector<std::string>{"ButtonClick:Go"});
  // The label sits above its edit, its bottom 3 pixels over the edit's top.
  RECT label;
  GetWindowRect(period->EditLabel()->Handle(), &label);
  RECT edit;
  GetWindowRect(period->Handle(), &edit);
  EXPECT_EQ(label.bottom + 3, edit.top);
  EXPECT_EQ(label.left, edit.left);
}

// A class with a reference to another component, as a tray icon has to its menu.
class TReferrer : public TComponent {
public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TReferrer"; }
  TComponent* Buddy = nullptr;
};

TEST_F(FormLayoutTest, ObjectReferencesMayNameALaterComponent) {
  RegisterPublishedClass({"TReferrer", "TComponent", [](TComponent* owner) { return new TReferrer(owner); },
                          {ObjectProperty<TReferrer>("Buddy", [](TReferrer& r) { return r.Buddy; },
                                                     [](TReferrer& r, TComponent* v) { r.Buddy = v; })}});
  ReadFormLayout(form_, {{}, {{"TReferrer", "First", "", {{"Buddy", std::string("Second")}}},
                              {"TButton", "Second", "", {}}}});
  auto* first = dynamic_cast<TReferrer*>(form_.FindComponent("First"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Buddy, form_.FindComponent("Second"));
  EXPECT_EQ(GetObjectProperty(*first, "Buddy"), first->Buddy);
}

TEST_F(FormLayoutTest, LayoutErrorsNameTheComponentAndProperty) {
  auto message = [&](const TFormLayout& layout) {
    TRecordingForm form(nullptr);
    try {
      ReadFormLayout(form, layout);
    } catch (const EReadError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message({{}, {{"TNoSuchClass", "X", "", {}}}}), "Error reading X.ClassName: Class TNoSuchClass not found");
  EXPECT_EQ(message({{}, {{"TButton", "B", "", {{"Colour", 1}}}}}), "Error reading B.Colour: Property does not exist");
  EXPECT_EQ(message({{}, {{"TButton", "B", "", {{"OnClick", std::string("Missing")}}}}}),
            "Error reading B.OnClick: Method Missing not found");
  EXPECT_EQ(message({{}, {{"TButton", "B", "", {{"Left", std::string("ten")}}}}}),
            "Error reading B.Left: Invalid property value");
  EXPECT_EQ(message({{}, {{"TButton", "B", "Nowhere", {}}}}), "Error reading B.Parent: Invalid property value 'Nowhere'");
}

TEST_F(FormLayoutTest, PropertiesReadByNameGiveNothingWhereTheClassHasNone) {
  TCheckBox box(nullptr);
  box.SetCaption("开机");
  box.SetChecked(true);
  EXPECT_EQ(GetStringProperty(box, "Caption"), "开机");
  EXPECT_EQ(GetIntegerProperty(box, "Checked"), 1);
  EXPECT_EQ(GetIntegerProperty(box, "Glyph"), -1);
  EXPECT_EQ(GetStringProperty(box, "Text"), "");
  EXPECT_EQ(GetObjectProperty(box, "Font"), nullptr);
  // A form's own class is served through its published ancestor.
  form_.SetCaption("Muravane");
  EXPECT_EQ(GetStringProperty(form_, "Caption"), "Muravane");
  EXPECT_FALSE(SetPublishedProperty(box, "Checked", std::string("yes")));
}

}  // namespace
