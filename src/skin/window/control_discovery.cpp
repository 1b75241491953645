// Control discovery: when a frame skinner has set up its window, it walks the window's controls
// and gives each the control skinner that fits it. The application's own choice comes first,
// then the skin's list of third-party classes, then the built-in rules by framework class and
// class name; windows without a framework object are chosen for by window class and style.

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "framework/form.h"
#include "framework/graphic_control.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/window/form_menus.h"
#include "skin/window/win_skin_form.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

namespace {

bool OneOf(const std::string& name, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// Scroll bars in the style, or a list or memo class, which always has them when needed.
bool HasScrollBars(TWinControl& control) {
  if (control.HandleAllocated() && (GetWindowLongA(control.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)))
    return true;
  return control.InheritsFrom("TListBox") || control.InheritsFrom("TMemo") || control.InheritsFrom("TCustomListBox");
}

BOOL CALLBACK CollectControl(HWND child, LPARAM controls) {
  if (TWinControl* control = TWinControl::FromHandle(child))
    reinterpret_cast<std::vector<TWinControl*>*>(controls)->push_back(control);
  return TRUE;
}

// The framework controls of the window's tree in tab order: the window order follows the tab
// order, and the system lists nested windows after their parent.
void CollectTabOrder(HWND parent, std::vector<TWinControl*>& controls) {
  EnumChildWindows(parent, CollectControl, reinterpret_cast<LPARAM>(&controls));
}

std::string WindowClassLower(HWND window) {
  char name[101] = {};
  GetClassNameA(window, name, sizeof name);
  return AsciiLowerCase(name);
}

}  // namespace

// ---- Framework forms -------------------------------------------------------------------------

void TWinSkinForm::DiscoverFormControls(TForm& form) {
  std::vector<TSkinControl*> released;
  for (TSkinControl* skinner : controlSkinners_)
    if (skinner->LifeState() == lsWindowGone)
      released.push_back(skinner);
  for (TSkinControl* skinner : released)
    delete skinner;
  DiscoverComponents(form);
  std::vector<TWinControl*> tabOrder;
  CollectTabOrder(form.Handle(), tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == skinData_->DisableTag())
      continue;
    if (SendMessageA(control->Handle(), SKM_ISSKINNED, 0, 0) == 1)
      continue;
    DiscoverControl(*control, &form);
  }
}

void TWinSkinForm::DiscoverComponents(TComponent& container) {
  for (int i = 0; i < container.ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TWinControl*>(container.Components(i)))
      DiscoverControl(*control, &container);
    else if (auto* graphic = dynamic_cast<TGraphicControl*>(container.Components(i)))
      DiscoverGraphicControl(*graphic, &container);
  }
  if (skinData_->SkinControls().Contains(xcPopupMenu))
    PrepareFormMenus(container, *skinData_, true);
}

void TWinSkinForm::DiscoverChildren(TWinControl& control) {
  for (int i = 0; i < control.ControlCount(); ++i)
    DiscoverControl(*control.Controls(i), &control);
}

// A page shown for the first time makes its controls' windows then: they are skinned before
// their first paint, as the ones found at set-up were.
void TWinSkinForm::DiscoverLateControl(HWND window) {
  if (!initialized_ || !form_ || !skinData_ || state_ == ssDestroying || state_ == ssReleased)
    return;
  if (TWinControl* control = TWinControl::FromHandle(window))
    DiscoverTree(*control);
}

void TWinSkinForm::DiscoverTree(TWinControl& control) {
  DiscoverControl(control, form_);
  for (int i = 0; i < control.ControlCount(); ++i)
    if (control.Controls(i)->HandleAllocated())
      DiscoverTree(*control.Controls(i));
}

bool TWinSkinForm::IsSkinned(TWinControl& control) const {
  if (control.HandleAllocated() && control.Perform(SKM_ISSKINNED, 0, 0) == 1)
    return true;
  return std::any_of(controlSkinners_.begin(), controlSkinners_.end(),
                     [&](TSkinControl* skinner) { return skinner->SkinnedControl() == &control; });
}

void TWinSkinForm::DiscoverControl(TWinControl& control, TComponent* container) {
  const std::string lowerClass = AsciiLowerCase(control.ClassName());
  if (control.Tag() == skinData_->DisableTag()) {
    // The buttons of a group that is kept plain stay plain too.
    if (control.ControlCount() > 0 &&
        (lowerClass.find("radiogroup") != std::string::npos || lowerClass.find("checkgroup") != std::string::npos))
      for (int i = 0; i < control.ControlCount(); ++i)
        control.Controls(i)->SetTag(skinData_->DisableTag());
    return;
  }
  if (!control.Parent() || IsSkinned(control))
    return;
  const std::string className = AsciiUpperCase(control.ClassName());
  if (!control.HandleAllocated())
    return;
  if (skinData_->OnSkinControl) {
    TComponent* answer = nullptr;
    skinData_->OnSkinControl(nullptr, skinData_, container, &control, className, answer);
    if (answer) {
      if (auto* skinner = dynamic_cast<TSkinControl*>(answer))
        if (!RegisterControlSkinner(skinner))
          skinner->AttachControl(this, skinData_, skinner->ManageColor(), ControlCanvas());
      if (control.InheritsFrom("TCustomPanel"))
        DiscoverChildren(control);
      return;
    }
  }
  if (ApplySkin3rd(className, control))
    return;
  if (OneOf(className, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"}))
    return;
  ApplyBuiltInRules(control, className);
}

// The built-in rules, in order; a row whose kind is switched off falls through to the next.
bool TWinSkinForm::ApplyBuiltInRules(TWinControl& control, const std::string& className) {
  const TSkinControls kinds = skinData_->SkinControls();
  const bool tabs = kinds.Contains(xcTab) && skinData_->Elements().Tabs;
  if (tabs && control.InheritsFrom("TCustomTabControl")) {
    if (control.InheritsFrom("TPageControl"))
      return AttachKind(AsciiLowerCase(GetEnumPropertyName(control, "Style")) == "tstabs" ? TSkinnerKind::skTab
                                                                                  : TSkinnerKind::skTabBtn,
                        control);
    TSkinnerSettings settings;
    settings.KindVariant = 2;
    return AttachKind(TSkinnerKind::skTab, control, false, settings);
  }
  if (tabs && className == "TTABSET")
    return AttachKind(TSkinnerKind::skTab31, control);
  if (tabs && control.InheritsFrom("TTabSheet"))
    return AttachKind(TSkinnerKind::skTabSheet, control);
  if (tabs && className == "TTABBEDNOTEBOOK")
    return AttachKind(TSkinnerKind::skTab, control);
  if (className == "TMVCPANEL") {
    DiscoverChildren(control);
    return true;
  }
  if (kinds.Contains(xcCheckBox) && control.InheritsFrom("TCustomCheckBox"))
    return AttachKind(TSkinnerKind::skCheckBox, control);
  if (kinds.Contains(xcSpin) && OneOf(className, {"TUPDOWN", "TSPINBUTTON"}))
    return AttachKind(TSkinnerKind::skUpDown, control);
  if (kinds.Contains(xcButton) && className == "TMEDIAPLAYER")
    return AttachKind(TSkinnerKind::skMediaPlayer, control);
  if (kinds.Contains(xcPanel) && className == "TDBNAVIGATOR") {
    AttachKind(TSkinnerKind::skBox, control, true);
    for (int i = 0; i < control.ControlCount(); ++i)
      DiscoverControl(*control.Controls(i), nullptr);
    return true;
  }
  const auto glyphStrip = [&](int mode) {
    TSkinnerSettings settings;
    settings.GlyphMode = mode;
    return AttachKind(TSkinnerKind::skObjImage, control, true, settings);
  };
  if (kinds.Contains(xcCheckBox) && OneOf(className, {"TRZDBCHECKBOX", "TRZCHECKBOX"}))
    return glyphStrip(1);
  if (kinds.Contains(xcRadioButton) && OneOf(className, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}))
    return glyphStrip(2);
  if (kinds.Contains(xcCheckBox) && OneOf(className, {"TCXDBCHECKBOX", "TCXCHECKBOX"}))
    return glyphStrip(3);
  if (kinds.Contains(xcPanel) && control.InheritsFrom("TCustomGroupBox")) {
    DiscoverChildren(control);
    return AttachKind(TSkinnerKind::skGroupBox, control);
  }
  if (kinds.Contains(xcStatusBar) && control.InheritsFrom("TCustomStatusBar"))
    return AttachKind(TSkinnerKind::skStatusBar, control);
  if (kinds.Contains(xcCombo) && className == "TTNTCOMBOBOX")
    return AttachKind(TSkinnerKind::skComBox, control);
  // The framework's own combo boxes, date pickers and separate scroll bars; a combo box's list
  // bar would otherwise make it a scrolled control below.
  if (kinds.Contains(xcCombo) && control.InheritsFrom("TCustomComboBox"))
    return AttachKind(TSkinnerKind::skComBox, control);
  if (kinds.Contains(xcCombo) && control.InheritsFrom("TDateTimePicker"))
    return AttachKind(TSkinnerKind::skDateTime, control);
  if (kinds.Contains(xcScrollbar) && control.InheritsFrom("TScrollBar"))
    return AttachKind(TSkinnerKind::skScControl, control);
  const bool scrollBars = kinds.Contains(xcScrollbar);
  if (scrollBars && OneOf(className, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}))
    return AttachKind(TSkinnerKind::skScrollbar, control);
  if (kinds.Contains(xcPanel) && control.InheritsFrom("TCustomPanel")) {
    DiscoverChildren(control);
    return AttachKind(TSkinnerKind::skBox, control, true);
  }
  if (scrollBars && OneOf(className, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}))
    return AttachKind(TSkinnerKind::skScrollbar, control);
  // A list view's bars come and go with its items and columns; its header is skinned with them.
  if (scrollBars && control.InheritsFrom("TCustomListView"))
    return AttachKind(TSkinnerKind::skListView, control);
  if (scrollBars && (control.InheritsFrom("TCustomMemo") || HasScrollBars(control)))
    return AttachKind(TSkinnerKind::skScrollbar, control);
  if (kinds.Contains(xcButton) && control.InheritsFrom("TButton"))
    return AttachKind(TSkinnerKind::skButton, control);
  if (kinds.Contains(xcEdit) && control.InheritsFrom("TCustomEdit"))
    return AttachKind(TSkinnerKind::skEdit, control);
  const bool dcEdit = OneOf(className, {"TDCEDIT", "TDCDBEDIT"});
  if (!dcEdit && control.InheritsFrom("TCustomForm")) {
    AttachKind(TSkinnerKind::skBox, control, true);
    DiscoverComponents(control);
    return true;
  }
  if (dcEdit) {
    const int buttons = GetIntegerProperty(control, "NumButtons");
    if (buttons == 1 && kinds.Contains(xcCombo))
      return AttachKind(TSkinnerKind::skComBox, control);
    if (buttons == 0 && kinds.Contains(xcEdit)) {
      if (TSkinControl* skinner = CreateControlSkinner(TSkinnerKind::skEdit, &control)) {
        skinner->AttachWindow(control.Handle(), skinData_, this, ControlCanvas());
        return true;
      }
    }
  }
  return false;
}

// Windowless controls are skinned only where the skin's class list names a speed-button kind
// for their class.
void TWinSkinForm::DiscoverGraphicControl(TGraphicControl& control, TComponent* container) {
  if (control.Tag() == skinData_->DisableTag() || !control.Parent())
    return;
  if (std::any_of(controlSkinners_.begin(), controlSkinners_.end(),
                  [&](TSkinControl* skinner) { return skinner->Owner() == &control; }))
    return;
  if (skinData_->OnSkinControl) {
    TComponent* answer = nullptr;
    skinData_->OnSkinControl(nullptr, skinData_, container, &control, AsciiUpperCase(control.ClassName()), answer);
    if (answer) {
      if (auto* skinner = dynamic_cast<TSkinControl*>(answer))
        if (!RegisterControlSkinner(skinner))
          skinner->AttachControl(this, skinData_, skinner->ManageColor(), ControlCanvas());
      return;
    }
  }
  const std::string kind = Skin3rdKind(control.ClassName());
  const TSkinControls kinds = skinData_->SkinControls();
  TSkinnerSettings settings;
  if (kind == "speedbutton" && kinds.Contains(xcSpeedButton)) {
    AttachKind(TSkinnerKind::skSpeedButton, control);
  } else if (kind == "pngspeedbutton" && kinds.Contains(xcButton)) {
    settings.GlyphPropertyName = "PngImage";
    AttachKind(TSkinnerKind::skSpeedButton, control, false, settings);
  }
}

bool TWinSkinForm::AttachKind(TSkinnerKind kind, TComponent& control, bool manageColor,
                              const TSkinnerSettings& settings) {
  TSkinControl* skinner = CreateControlSkinner(kind, &control, settings);
  if (!skinner)
    return false;
  skinner->AttachControl(this, skinData_, manageColor, ControlCanvas());
  return true;
}

void TWinSkinForm::ReskinScrollControl(HWND window) {
  auto* skinner = dynamic_cast<TSkinScrollbar*>(FindControlSkinner(window));
  if (!skinner || !skinner->SkinnedControl() || !skinData_)
    return;
  TWinControl& control = *skinner->SkinnedControl();
  const TSkinnerKind kind = dynamic_cast<TSkinListView*>(skinner) ? TSkinnerKind::skListView : TSkinnerKind::skScrollbar;
  TSkinnerSettings settings;
  settings.KindVariant = skinner->KindVariant();
  skinner->Detach();
  delete skinner;
  AttachKind(kind, control, false, settings);
}

// ---- The skin's list of third-party classes --------------------------------------------------

// The kind the first line for the class names, lower-cased; empty when no line names one.
std::string TWinSkinForm::Skin3rdKind(const std::string& className) const {
  const std::string key = AsciiLowerCase(className) + "=";
  for (const std::string& line : skinData_->Skin3rd()) {
    const std::string lower = AsciiLowerCase(line);
    if (lower.compare(0, key.size(), key) == 0)
      return lower.substr(lower.find('=') + 1, 50);
  }
  return {};
}

bool TWinSkinForm::ApplySkin3rd(const std::string& className, TWinControl& control) {
  const std::string key = AsciiLowerCase(className) + "=";
  const std::string kind = Skin3rdKind(className);
  if (kind.empty())
    return false;
  if (kind == "nil")
    return true;
  const TSkinControls kinds = skinData_->SkinControls();
  const auto gate = [&](TSkinControlType type) { return kinds.Contains(type); };
  TSkinnerSettings settings;
  if (kind == "combobox" || kind == "comboboxex") {
    settings.IsComboBoxEx = kind == "comboboxex";
    if (gate(xcCombo))
      AttachKind(TSkinnerKind::skComBox, control, false, settings);
  } else if (kind == "edit") {
    RECT window{}, client{};
    GetWindowRect(control.Handle(), &window);
    GetClientRect(control.Handle(), &client);
    const bool bordered = window.right - window.left != client.right - client.left ||
                          window.bottom - window.top != client.bottom - client.top;
    if (gate(xcEdit) && bordered)
      AttachKind(TSkinnerKind::skEdit, control);
  } else if (kind == "radiobutton") {
    if (gate(xcRadioButton))
      AttachKind(TSkinnerKind::skRadioButton, control);
  } else if (kind == "panel") {
    if (gate(xcPanel)) {
      SetPropertyText(control, "Transparent", "True");
      AttachKind(TSkinnerKind::skBox, control, true);
    }
  } else if (kind == "trackbar") {
    if (gate(xcButton)) {
      SetPropertyText(control, "Transparent", "True");
      AttachKind(TSkinnerKind::skTrackBar, control);
    }
  } else if (kind == "button") {
    if (gate(xcButton))
      AttachKind(TSkinnerKind::skButton, control);
  } else if (kind == "datetimepicker") {
    if (gate(xcCombo))
      AttachKind(TSkinnerKind::skDateTime, control);
  } else if (kind == "mediaplayer") {
    if (gate(xcButton))
      AttachKind(TSkinnerKind::skMediaPlayer, control);
  } else if (kind == "bitbtn") {
    if (gate(xcButton)) {
      const bool dropDown = key == "tcxbutton=" && AsciiLowerCase(GetEnumPropertyName(control, "Kind")) == "cxbkdropdownbutton";
      AttachKind(dropDown ? TSkinnerKind::skMenuButton : TSkinnerKind::skBitButton, control);
    }
  } else if (kind == "pngbitbtn" || kind == "pngspeedbutton") {
    settings.GlyphPropertyName = "PngImage";
    if (gate(xcButton))
      AttachKind(kind == "pngbitbtn" ? TSkinnerKind::skBitButton : TSkinnerKind::skSpeedButton, control, false,
                 settings);
  } else if (kind == "menubtn") {
    if (gate(xcButton))
      AttachKind(TSkinnerKind::skMenuButton, control);
  } else if (kind == "speedbutton") {
    if (gate(xcSpeedButton))
      AttachKind(TSkinnerKind::skSpeedButton, control);
  } else if (kind == "tab") {
    if (gate(xcTab) && skinData_->Elements().Tabs)
      AttachKind(TSkinnerKind::skTab, control);
  } else if (kind == "progress") {
    if (gate(xcProgress))
      AttachKind(TSkinnerKind::skProgress, control);
  } else if (kind == "scrollbar") {
    if (gate(xcScrollbar)) {
      AttachKind(TSkinnerKind::skScrollbar, control);
      DiscoverChildren(control);
    }
  } else if (kind == "singlescrollbar") {
    settings.KindVariant = 1;
    if (gate(xcScrollbar))
      AttachKind(TSkinnerKind::skScrollbar, control, false, settings);
  } else if (kind == "embedscrollbar") {
    if (gate(xcScrollbar))
      for (int i = 0; i < control.ControlCount(); ++i)
        if (HasScrollBars(*control.Controls(i)))
          AttachKind(TSkinnerKind::skScrollbar, *control.Controls(i));
  } else if (kind == "container") {
    DiscoverChildren(control);
  } else if (kind == "groupbox") {
    if (gate(xcGroupBox))
      AttachKind(TSkinnerKind::skGroupBox, control, true);
  } else if (kind == "advpagecontrol") {
    settings.AdvMode = 4;
    if (gate(xcTab))
      AttachKind(TSkinnerKind::skAdvPage, control, true, settings);
  } else if (kind == "radiogroup" || kind == "checkgroup") {
    const bool radio = kind == "radiogroup";
    if (gate(radio ? xcGroupBox : xcPanel)) {
      if (gate(xcRadioButton))
        for (int i = 0; i < control.ControlCount(); ++i) {
          TWinControl& item = *control.Controls(i);
          if (AsciiUpperCase(item.ClassName()).find("TRZ") != std::string::npos) {
            TSkinnerSettings strip;
            strip.GlyphMode = radio ? 2 : 1;
            AttachKind(TSkinnerKind::skObjImage, item, true, strip);
          } else {
            AttachKind(radio ? TSkinnerKind::skRadioButton : TSkinnerKind::skCheckBox, item);
          }
        }
      if (radio || gate(xcGroupBox))
        AttachKind(TSkinnerKind::skGroupBox, control, true);
    }
  } else if (kind == "checkbox") {
    if (gate(xcCheckBox))
      AttachKind(TSkinnerKind::skCheckBox, control);
  }
  return true;
}

// ---- Windows without a framework object ------------------------------------------------------

void TWinSkinForm::DiscoverChildWindows(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_CHILD)
      SkinChildWindow(child);
}

void TWinSkinForm::AttachWindowKind(TSkinnerKind kind, HWND window) {
  if (TSkinControl* skinner = CreateControlSkinner(kind, nullptr))
    skinner->AttachWindow(window, skinData_, this, ControlCanvas());
}

void TWinSkinForm::SkinChildWindow(HWND window) {
  if (!window || !skinData_ || FindControlSkinner(window))
    return;
  const std::string name = WindowClassLower(window);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const TSkinControls kinds = skinData_->SkinControls();
  const auto faceColour = [&] {
    if (TWinControl* control = TWinControl::FromHandle(window))
      control->SetColor(static_cast<TColor>(ResolveColour(skinData_->ColourTable().Colours[ciButtonFace])));
  };
  if (name == "button") {
    if ((style & 0x0B) == 0x0B)
      return;  // owner-drawn: its owner paints it
    if ((style & 7) == 7 || (style & 0x80))
      return;  // a group box, or a user button
    // A check box or radio button whose kind is switched off keeps the system look: a push
    // button's face over it would hide its mark.
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5) {
      if (kinds.Contains(xcCheckBox))
        AttachWindowKind(TSkinnerKind::skCheckBox, window);
    } else if ((style & 9) == 9 || (style & 4)) {
      if (kinds.Contains(xcRadioButton))
        AttachWindowKind(TSkinnerKind::skRadioButton, window);
    } else if (kinds.Contains(xcButton)) {
      AttachWindowKind(TSkinnerKind::skButton, window);
    }
    return;
  }
  if (name == "combobox") {
    if ((style & 3) != CBS_SIMPLE && kinds.Contains(xcCombo))
      AttachWindowKind(TSkinnerKind::skComBox, window);
    return;
  }
  if (name == "comboboxex32") {
    if (HWND inner = GetTopWindow(window); inner && kinds.Contains(xcCombo))
      AttachWindowKind(TSkinnerKind::skComBox, inner);
    return;
  }
  // A list box of a dialog box: its own bars covered as a framework list's are. Its style shows
  // a bar only while the entries need it, so the style does not decide.
  if (name == "listbox") {
    if (kinds.Contains(xcScrollbar))
      AttachWindowKind(TSkinnerKind::skScrollbarH, window);
    return;
  }
  if (name == "scrollbar") {
    if (!(style & WS_TABSTOP))
      AttachWindowKind(TSkinnerKind::skSizer, window);
    return;
  }
  if (name == "systreeview32")
    return;
  if (name == "#32770") {
    if (!(style & WS_TABSTOP)) {
      DiscoverChildWindows(window);
      AttachWindowKind(TSkinnerKind::skBoxH, window);
    }
    return;
  }
  if (OneOf(name, {"tpanel", "ttntpanel.unicodeclass", "ttntsilentpaintpanel.unicodeclass"})) {
    DiscoverChildWindows(window);
    faceColour();
    return;
  }
  if (name == "tcheckbox") {
    if (kinds.Contains(xcCheckBox))
      AttachWindowKind(TSkinnerKind::skCheckBox, window);
    return;
  }
  if (name == "tcombobox") {
    if (kinds.Contains(xcCombo))
      AttachWindowKind(TSkinnerKind::skComBox, window);
    return;
  }
  if (name == "tbutton") {
    if (kinds.Contains(xcButton))
      AttachWindowKind(TSkinnerKind::skButton, window);
    return;
  }
  if (name == "tprogressbar")
    return AttachWindowKind(TSkinnerKind::skProgress, window);
  if (name == "tsilentpaintpanel")
    return faceColour();
  if (name == "systabcontrol32") {
    if (!(style & TCS_OWNERDRAWFIXED) && kinds.Contains(xcTab))
      AttachWindowKind(TSkinnerKind::skTab, window);
    return;
  }
  if (name == "toolbarwindow32")
    return AttachWindowKind(TSkinnerKind::skBoxH, window);
  if (name == "edit" && kinds.Contains(xcEdit))
    AttachWindowKind(TSkinnerKind::skEdit, window);
}
