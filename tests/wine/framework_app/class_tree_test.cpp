#include "framework/core/class_ancestry.h"

#include "framework/application.h"
#include "framework/bit_btn.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/date_time_picker.h"
#include "framework/font.h"
#include "framework/form.h"
#include "framework/glyph.h"
#include "framework/graphic_control.h"
#include "framework/group_box.h"
#include "framework/header_control.h"
#include "framework/image.h"
#include "framework/image_list.h"
#include "framework/label.h"
#include "framework/labeled_edit.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/memo.h"
#include "framework/main_menu.h"
#include "framework/menu_item.h"
#include "framework/page_control.h"
#include "framework/panel.h"
#include "framework/popup_menu.h"
#include "framework/progress_bar.h"
#include "framework/published.h"
#include "framework/scroll_bar.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "framework/speed_button.h"
#include "framework/status_bar.h"
#include "framework/tab_control.h"
#include "framework/tab_set.h"
#include "framework/glyph_check.h"
#include "framework/media_player.h"
#include "framework/picture_page_control.h"
#include "framework/timer.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// Every framework class that has a C++ type, with the test "is this object one of yours".
struct TCppClass {
  std::function<bool(TComponent*)> Is;
  std::function<TComponent*()> Make;  // for classes a layout does not make
};

template <class T>
bool Is(TComponent* c) {
  return dynamic_cast<T*>(c) != nullptr;
}

const std::map<std::string, TCppClass>& CppClasses() {
  static const std::map<std::string, TCppClass> classes = {
      {"TComponent", {Is<TComponent>, [] { return new TComponent(nullptr); }}},
      {"TWinControl", {Is<TWinControl>, [] { return new TWinControl(nullptr); }}},
      {"TForm", {Is<TForm>, [] { return new TForm(nullptr); }}},
      {"TFont", {Is<TFont>, [] { return new TFont("宋体", 12); }}},
      {"TImageList", {Is<TImageList>, [] { return new TImageList(nullptr); }}},
      {"TButton", {Is<TButton>, {}}},
      {"TCheckBox", {Is<TCheckBox>, {}}},
      {"TEdit", {Is<TEdit>, {}}},
      {"TLabeledEdit", {Is<TLabeledEdit>, {}}},
      {"TMemo", {Is<TMemo>, {}}},
      {"TListBox", {Is<TListBox>, {}}},
      {"TLabel", {Is<TLabel>, {}}},
      {"TGroupBox", {Is<TGroupBox>, {}}},
      {"TImage", {Is<TImage>, {}}},
      {"TStatusBar", {Is<TStatusBar>, {}}},
      {"TPageControl", {Is<TPageControl>, {}}},
      {"TTabSheet", {Is<TTabSheet>, {}}},
      {"TTimer", {Is<TTimer>, {}}},
      {"TPopupMenu", {Is<TPopupMenu>, {}}},
      {"TMainMenu", {Is<TMainMenu>, {}}},
      {"TMenuItem", {Is<TMenuItem>, {}}},
      {"TComboBox", {Is<TComboBox>, {}}},
      {"TUpDown", {Is<TUpDown>, {}}},
      {"TDateTimePicker", {Is<TDateTimePicker>, {}}},
      {"TScrollBar", {Is<TScrollBar>, {}}},
      {"TListView", {Is<TListView>, {}}},
      {"TTabControl", {Is<TTabControl>, {}}},
      {"TTabSet", {Is<TTabSet>, {}}},
      {"TGlyphCheckBox", {Is<TGlyphCheckBox>, {}}},
      {"TMediaPlayer", {Is<TMediaPlayer>, {}}},
      {"TPicturePageControl", {Is<TPicturePageControl>, {}}},
      {"TProgressBar", {Is<TProgressBar>, {}}},
      {"TTrackBar", {Is<TTrackBar>, {}}},
      {"THeaderControl", {Is<THeaderControl>, {}}},
      {"TCustomPanel", {Is<TCustomPanel>, [] { return new TCustomPanel(nullptr); }}},
      {"TPanel", {Is<TPanel>, {}}},
      {"TRadioButton", {Is<TRadioButton>, {}}},
      {"TCustomGroupBox", {Is<TCustomGroupBox>, [] { return new TCustomGroupBox(nullptr); }}},
      {"TCustomRadioGroup", {Is<TCustomRadioGroup>, [] { return new TCustomRadioGroup(nullptr); }}},
      {"TRadioGroup", {Is<TRadioGroup>, {}}},
      {"TBitBtn", {Is<TBitBtn>, {}}},
      {"TGraphicControl", {Is<TGraphicControl>, [] { return new TGraphicControl(nullptr); }}},
      {"TSpeedButton", {Is<TSpeedButton>, {}}},
      {"TGlyph", {Is<TGlyph>, [] { return new TGlyph(nullptr); }}},
  };
  return classes;
}

class ClassTreeTest : public ::testing::Test {
protected:
  ClassTreeTest() { Application = &app_; }
  ~ClassTreeTest() override { Application = nullptr; }
  TApplication app_;
};

// For every class of the tree that can be made, the object's C++ type, the name it reports,
// InheritsFrom and the tree tell the same ancestry.
TEST_F(ClassTreeTest, EveryRegisteredClassAgreesWithItsCppObject) {
  const std::vector<std::string> tree = RegisteredClasses();
  int madeWithCppType = 0;
  for (const std::string& name : tree) {
    const TPublishedClass* published = FindPublishedClass(name);
    auto cpp = CppClasses().find(name);
    std::unique_ptr<TComponent> object;
    if (published && published->Create)
      object.reset(published->Create(nullptr));
    else if (cpp != CppClasses().end() && cpp->second.Make)
      object.reset(cpp->second.Make());
    if (published)
      EXPECT_EQ(published->Parent, ClassParent(name)) << name;
    if (!object)
      continue;  // an ancestor's name only ("TCustomEdit")
    EXPECT_STREQ(object->ClassName(), name.c_str());
    for (const std::string& other : tree)
      EXPECT_EQ(object->InheritsFrom(other), ClassInheritsFrom(name, other)) << name << " / " << other;
    if (cpp == CppClasses().end())
      continue;  // a class another test registered
    ++madeWithCppType;
    for (const auto& [cppName, cppClass] : CppClasses())
      EXPECT_EQ(object->InheritsFrom(cppName), cppClass.Is(object.get())) << name << " as " << cppName;
  }
  EXPECT_EQ(madeWithCppType, static_cast<int>(CppClasses().size())) << "every framework class was made";
}

TEST(ClassTree, AncestorsTheDiscoveryAsksFor) {
  struct Case {
    const char* name;
    const char* ancestor;
    bool inherits;
  };
  const Case cases[] = {
      {"TCheckBox", "TCustomCheckBox", true}, {"TCheckBox", "TButtonControl", true},
      {"TButton", "TButtonControl", true},    {"TButton", "TCustomCheckBox", false},
      {"TMemo", "TCustomEdit", true},         {"TMemo", "TEdit", false},
      {"TLabeledEdit", "TCustomEdit", true},  {"TForm", "TCustomForm", true},
      {"TPageControl", "TCustomTabControl", true}, {"TGroupBox", "TCustomGroupBox", true},
      {"TStatusBar", "TCustomStatusBar", true},   {"TListBox", "TCustomListBox", true},
      {"TPopupMenu", "TMenu", true},          {"TTimer", "TControl", false},
      {"TMainMenu", "TMenu", true},           {"TMainMenu", "TPopupMenu", false},
      {"TPanel", "TCustomPanel", true},       {"TPanel", "TCustomControl", true},
      {"TRadioButton", "TButtonControl", true}, {"TRadioGroup", "TCustomGroupBox", true},
      {"TRadioGroup", "TGroupBox", false},    {"TBitBtn", "TButtonControl", true},
      {"TSpeedButton", "TControl", true},     {"TSpeedButton", "TWinControl", false},
      {"TNoSuchClass", "TComponent", false},  {"TNoSuchClass", "TNoSuchClass", true},
      {"TComboBox", "TCustomComboBox", true}, {"TUpDown", "TCustomUpDown", true},
      {"TDateTimePicker", "TCommonCalendar", true}, {"TListView", "TCustomListView", true},
      {"TTabControl", "TCustomTabControl", true},   {"TTabControl", "TPageControl", false},
      {"TTabSet", "TCustomControl", true},          {"TTabSet", "TCustomTabControl", false},
      {"TScrollBar", "TWinControl", true},          {"TProgressBar", "TWinControl", true},
      {"TTrackBar", "TWinControl", true},           {"THeaderControl", "TWinControl", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClassInheritsFrom(c.name, c.ancestor), c.inherits) << c.name << " / " << c.ancestor;
}

TEST(ClassTree, ARegistrationThatWouldMakeACycleIsRefused) {
  ASSERT_TRUE(RegisterClassAncestry("TCycleA", "TComponent"));
  ASSERT_TRUE(RegisterClassAncestry("TCycleB", "TCycleA"));
  EXPECT_FALSE(RegisterClassAncestry("TCycleA", "TCycleB"));
  EXPECT_FALSE(RegisterClassAncestry("TCycleA", "TCycleA"));
  EXPECT_EQ(ClassParent("TCycleA"), "TComponent");
  EXPECT_TRUE(ClassInheritsFrom("TCycleB", "TComponent"));
}

}  // namespace
