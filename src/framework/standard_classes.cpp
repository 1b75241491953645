#include "framework/standard_classes.h"

#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/group_box.h"
#include "framework/label.h"
#include "framework/labeled_edit.h"
#include "framework/list_box.h"
#include "framework/timer.h"

#include <stdexcept>

namespace {

template <class C>
TComponent* Make(TComponent* owner) {
  return new C(owner);
}

// Names of enumeration values as a layout writes them, in the order of the enumeration.
template <class E, size_t N>
E EnumFromName(const std::string& name, const char* const (&names)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (name == names[i])
      return static_cast<E>(i);
  throw std::invalid_argument("Invalid property value '" + name + "'");
}

constexpr const char* kAlignNames[] = {"alNone", "alTop", "alBottom", "alClient"};
constexpr const char* kPositionNames[] = {"poDesigned", "poDefault", "poDesktopCenter", "poScreenCenter"};

TPublishedClass WinControlClass() {
  using C = TWinControl;
  return {"TWinControl", "TComponent", {}, {
      IntegerProperty<C>("Left", [](C& c) { return c.Left(); },
                         [](C& c, int v) { c.SetBounds(v, c.Top(), c.Width(), c.Height()); }),
      IntegerProperty<C>("Top", [](C& c) { return c.Top(); },
                         [](C& c, int v) { c.SetBounds(c.Left(), v, c.Width(), c.Height()); }),
      IntegerProperty<C>("Width", [](C& c) { return c.Width(); },
                         [](C& c, int v) { c.SetBounds(c.Left(), c.Top(), v, c.Height()); }),
      IntegerProperty<C>("Height", [](C& c) { return c.Height(); },
                         [](C& c, int v) { c.SetBounds(c.Left(), c.Top(), c.Width(), v); }),
      BooleanProperty<C>("Visible", [](C& c) { return c.Visible(); }, [](C& c, bool v) { c.SetVisible(v); }),
      BooleanProperty<C>("Enabled", [](C& c) { return c.Enabled(); }, [](C& c, bool v) { c.SetEnabled(v); }),
      StringProperty<C>("Caption", [](C& c) { return c.Caption(); },
                        [](C& c, const std::string& v) { c.SetCaption(v); }),
      IntegerProperty<C>("TabOrder", [](C& c) { return c.TabOrder(); }, [](C& c, int v) { c.SetTabOrder(v); }),
      IntegerProperty<C>("Color", [](C& c) { return c.Color(); }, [](C& c, int v) { c.SetColor(v); }),
      StringProperty<C>("Align", [](C& c) { return std::string(kAlignNames[static_cast<int>(c.Align())]); },
                        [](C& c, const std::string& v) { c.SetAlign(EnumFromName<TAlign>(v, kAlignNames)); }),
  }};
}

TPublishedClass FormClass() {
  using C = TForm;
  return {"TForm", "TWinControl", {}, {
      IntegerProperty<C>("ClientWidth", [](C& c) { return c.ClientWidth(); },
                         [](C& c, int v) { c.SetClientWidth(v); }),
      IntegerProperty<C>("ClientHeight", [](C& c) { return c.ClientHeight(); },
                         [](C& c, int v) { c.SetClientHeight(v); }),
      StringProperty<C>("Position",
                        [](C& c) { return std::string(kPositionNames[static_cast<int>(c.Position())]); },
                        [](C& c, const std::string& v) { c.SetPosition(EnumFromName<TPosition>(v, kPositionNames)); }),
      StringProperty<C>("Icon", [](C&) { return std::string(); },
                        [](C& c, const std::string& v) { c.SetIconResource(v); }),
      EventProperty<C>("OnCreate", &C::OnCreate),
  }};
}

TPublishedClass EditClass() {
  using C = TEdit;
  return {"TEdit", "TWinControl", Make<C>, {
      StringProperty<C>("Text", [](C& c) { return c.Text(); }, [](C& c, const std::string& v) { c.SetText(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass LabeledEditClass() {
  using C = TLabeledEdit;
  return {"TLabeledEdit", "TEdit", Make<C>, {
      ObjectProperty<C>("EditLabel", [](C& c) { return static_cast<TComponent*>(c.EditLabel()); }, nullptr),
  }};
}

TPublishedClass ListBoxClass() {
  using C = TListBox;
  return {"TListBox", "TWinControl", Make<C>, {
      StringsProperty<C>("Items", [](C& c) { return c.Items(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetItems(v); }),
      IntegerProperty<C>("ItemHeight", [](C& c) { return c.ItemHeight(); }, [](C& c, int v) { c.SetItemHeight(v); }),
      BooleanProperty<C>("MultiSelect", [](C& c) { return c.MultiSelect(); },
                         [](C& c, bool v) { c.SetMultiSelect(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass CheckBoxClass() {
  using C = TCheckBox;
  return {"TCheckBox", "TWinControl", Make<C>, {
      BooleanProperty<C>("Checked", [](C& c) { return c.Checked(); }, [](C& c, bool v) { c.SetChecked(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass TimerClass() {
  using C = TTimer;
  return {"TTimer", "TComponent", Make<C>, {
      BooleanProperty<C>("Enabled", [](C& c) { return c.Enabled(); }, [](C& c, bool v) { c.SetEnabled(v); }),
      IntegerProperty<C>("Interval", [](C& c) { return static_cast<int>(c.Interval()); },
                         [](C& c, int v) { c.SetInterval(static_cast<uint32_t>(v)); }),
      MakeProperty<C, TNotifyEvent, TPropertyKind::pkEvent>(
          "OnTimer", [](C& c) { return c.OnTimer(); }, [](C& c, const TNotifyEvent& e) { c.SetOnTimer(e); }),
  }};
}

}  // namespace

std::vector<TPublishedClass> StandardClasses() {
  std::vector<TPublishedClass> classes;
  classes.push_back({"TComponent", "", {}, {
      StringProperty<TComponent>("Name", [](TComponent& c) { return c.Name(); },
                                 [](TComponent& c, const std::string& v) { c.SetName(v); }),
  }});
  classes.push_back(WinControlClass());
  classes.push_back(FormClass());
  classes.push_back(EditClass());
  classes.push_back(LabeledEditClass());
  classes.push_back(ListBoxClass());
  classes.push_back(CheckBoxClass());
  classes.push_back(TimerClass());
  classes.push_back({"TButton", "TWinControl", Make<TButton>, {EventProperty<TButton>("OnClick", &TButton::OnClick)}});
  classes.push_back({"TLabel", "TWinControl", Make<TLabel>, {}});
  classes.push_back({"TGroupBox", "TWinControl", Make<TGroupBox>, {}});
  return classes;
}
