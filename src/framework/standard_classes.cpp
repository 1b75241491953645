#include "framework/standard_classes.h"

#include "framework/bit_btn.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/date_time_picker.h"
#include "framework/edit.h"
#include "framework/font.h"
#include "framework/form.h"
#include "framework/glyph.h"
#include "framework/glyph_check.h"
#include "framework/graphic_control.h"
#include "framework/group_box.h"
#include "framework/image_list.h"
#include "framework/header_control.h"
#include "framework/label.h"
#include "framework/labeled_edit.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/core/exceptions.h"
#include "framework/core/sysutils.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/image.h"
#include "framework/memo.h"
#include "framework/main_menu.h"
#include "framework/media_player.h"
#include "framework/menu_item.h"
#include "framework/page_control.h"
#include "framework/panel.h"
#include "framework/picture_page_control.h"
#include "framework/popup_menu.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "framework/speed_button.h"
#include "framework/progress_bar.h"
#include "framework/scroll_bar.h"
#include "framework/status_bar.h"
#include "framework/tab_control.h"
#include "framework/tab_set.h"
#include "framework/timer.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"

namespace {

template <class C>
TComponent* Make(TComponent* owner) {
  return new C(owner);
}

// The value names of the enumerations, in the order of their members.
const std::vector<std::string> kBorderStyleNames = {"bsNone", "bsSingle"};
const std::vector<std::string> kAlignNames = {"alNone", "alTop", "alBottom", "alClient"};
const std::vector<std::string> kPositionNames = {"poDesigned", "poDefault", "poDesktopCenter", "poScreenCenter"};
const std::vector<std::string> kFormStyleNames = {"fsNormal", "fsMDIChild", "fsMDIForm"};
const std::vector<std::string> kCheckBoxStateNames = {"cbUnchecked", "cbChecked", "cbGrayed"};
const std::vector<std::string> kAlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kTabStyleNames = {"tsTabs", "tsButtons", "tsFlatButtons"};
const std::vector<std::string> kBevelCutNames = {"bvNone", "bvLowered", "bvRaised"};
const std::vector<std::string> kButtonLayoutNames = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
const std::vector<std::string> kTabPositionNames = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
const std::vector<std::string> kComboBoxStyleNames = {"csDropDown", "csSimple", "csDropDownList"};
const std::vector<std::string> kBiDiModeNames = {"bdLeftToRight", "bdRightToLeft"};
const std::vector<std::string> kUDOrientationNames = {"udVertical", "udHorizontal"};
const std::vector<std::string> kScrollBarKindNames = {"sbHorizontal", "sbVertical"};
const std::vector<std::string> kViewStyleNames = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
const std::vector<std::string> kProgressBarOrientationNames = {"pbHorizontal", "pbVertical"};
const std::vector<std::string> kTrackBarOrientationNames = {"trHorizontal", "trVertical"};
const std::vector<std::string> kTickMarkNames = {"tmBottomRight", "tmTopLeft", "tmBoth"};

// A caption and a width (a list view's column, a header's section) as a layout writes it:
// "Caption=Width", the width after the last '='. EConvertError for a width that is no number.
struct TCaptionWidth {
  std::string Caption;
  int Width;
};

TCaptionWidth ParseCaptionWidth(const std::string& text) {
  const size_t equals = text.rfind('=');
  if (equals == std::string::npos)
    throw EConvertError("'" + text + "' is not a caption=width pair");
  return {text.substr(0, equals), StrToInt(text.substr(equals + 1))};
}

std::string FormatCaptionWidth(const std::string& caption, int width) { return caption + "=" + IntToStr(width); }

// The parent of each class comes from the class tree (class_ancestry.h).
TPublishedClass WinControlClass() {
  using C = TWinControl;
  return {"TWinControl", "", {}, {
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
      BooleanProperty<C>("ParentBackground", [](C& c) { return c.ParentBackground(); },
                         [](C& c, bool v) { c.SetParentBackground(v); }),
      ObjectProperty<C>("Font", [](C& c) { return static_cast<TComponent*>(c.Font()); },
                        [](C& c, TComponent* v) { c.SetFont(dynamic_cast<TFont*>(v)); }),
      EnumerationProperty<C>("Align", kAlignNames, [](C& c) { return c.Align(); },
                             [](C& c, TAlign v) { c.SetAlign(v); }),
  }};
}

TPublishedClass FormClass() {
  using C = TForm;
  return {"TForm", "", {}, {
      IntegerProperty<C>("ClientWidth", [](C& c) { return c.ClientWidth(); },
                         [](C& c, int v) { c.SetClientWidth(v); }),
      IntegerProperty<C>("ClientHeight", [](C& c) { return c.ClientHeight(); },
                         [](C& c, int v) { c.SetClientHeight(v); }),
      EnumerationProperty<C>("Position", kPositionNames, [](C& c) { return c.Position(); },
                             [](C& c, TPosition v) { c.SetPosition(v); }),
      StringProperty<C>("Icon", [](C&) { return std::string(); },
                        [](C& c, const std::string& v) { c.SetIconResource(v); }),
      EnumerationProperty<C>("FormStyle", kFormStyleNames, [](C& c) { return c.FormStyle(); },
                             [](C& c, TFormStyle v) { c.SetFormStyle(v); }),
      ObjectProperty<C>("Menu", [](C& c) -> TComponent* { return c.Menu(); },
                        [](C& c, TComponent* v) { c.SetMenu(dynamic_cast<TMainMenu*>(v)); }),
      EventProperty<C>("OnCreate", &C::OnCreate),
  }};
}

TPublishedClass EditClass() {
  using C = TEdit;
  return {"TEdit", "", Make<C>, {
      StringProperty<C>("Text", [](C& c) { return c.Text(); }, [](C& c, const std::string& v) { c.SetText(v); }),
      EnumerationProperty<C>("BorderStyle", kBorderStyleNames, [](C& c) { return c.BorderStyle(); },
                             [](C& c, TBorderStyle v) { c.SetBorderStyle(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass LabeledEditClass() {
  using C = TLabeledEdit;
  return {"TLabeledEdit", "", Make<C>, {
      ObjectProperty<C>("EditLabel", [](C& c) { return static_cast<TComponent*>(c.EditLabel()); }, nullptr),
  }};
}

TPublishedClass ListBoxClass() {
  using C = TListBox;
  return {"TListBox", "", Make<C>, {
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
  return {"TCheckBox", "", Make<C>, {
      BooleanProperty<C>("Checked", [](C& c) { return c.Checked(); }, [](C& c, bool v) { c.SetChecked(v); }),
      EnumerationProperty<C>("State", kCheckBoxStateNames, [](C& c) { return c.State(); },
                             [](C& c, TCheckBoxState v) { c.SetState(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass TimerClass() {
  using C = TTimer;
  return {"TTimer", "", Make<C>, {
      BooleanProperty<C>("Enabled", [](C& c) { return c.Enabled(); }, [](C& c, bool v) { c.SetEnabled(v); }),
      IntegerProperty<C>("Interval", [](C& c) { return static_cast<int>(c.Interval()); },
                         [](C& c, int v) { c.SetInterval(static_cast<uint32_t>(v)); }),
      MakeProperty<C, TNotifyEvent, TPropertyKind::pkEvent>(
          "OnTimer", [](C& c) { return c.OnTimer(); }, [](C& c, const TNotifyEvent& e) { c.SetOnTimer(e); }),
  }};
}

// A stored picture: the kind is told by its first bytes, as a stored layout keeps no file name.
std::unique_ptr<TGraphic> GraphicFromBytes(const std::string& bytes) {
  std::unique_ptr<TGraphic> graphic;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xD8)
    graphic = std::make_unique<TJPEGImage>();
  else if (bytes.compare(0, 2, "BM") == 0)
    graphic = std::make_unique<TBitmap>();
  else
    throw EInvalidGraphic("Unknown picture file format");
  graphic->LoadFromBytes(bytes.data(), bytes.size());
  return graphic;
}

TPublishedClass ImageClass() {
  using C = TImage;
  TPublishedProperty picture{"Picture", TPropertyKind::pkBinary, {}, [](TComponent& c, const TPropertyValue& v) {
    static_cast<C&>(c).Picture().SetGraphic(GraphicFromBytes(std::get<std::string>(v)));
  }};
  return {"TImage", "", Make<C>, {
      BooleanProperty<C>("Stretch", [](C& c) { return c.Stretch(); }, [](C& c, bool v) { c.SetStretch(v); }),
      picture,
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass StatusBarClass() {
  using C = TStatusBar;
  // Each panel as its width in pixels.
  return {"TStatusBar", "", Make<C>, {
      StringsProperty<C>("Panels",
                         [](C& c) {
                           std::vector<std::string> widths;
                           for (int i = 0; i < c.PanelCount(); ++i)
                             widths.push_back(IntToStr(c.PanelWidth(i)));
                           return widths;
                         },
                         [](C& c, const std::vector<std::string>& v) {
                           std::vector<int> widths;
                           for (const std::string& w : v)
                             widths.push_back(StrToInt(w));
                           c.SetPanelWidths(widths);
                         }),
  }};
}

TPublishedClass PageControlClass() {
  using C = TPageControl;
  return {"TPageControl", "", Make<C>, {
      IntegerProperty<C>("ActivePageIndex", [](C& c) { return c.ActivePageIndex(); },
                         [](C& c, int v) { c.SetActivePageIndex(v); }),
      EnumerationProperty<C>("TabPosition", kTabPositionNames, [](C& c) { return c.TabPosition(); },
                             [](C& c, TTabPosition v) { c.SetTabPosition(v); }),
      EnumerationProperty<C>("Style", kTabStyleNames, [](C& c) { return c.Style(); },
                             [](C& c, TTabStyle v) { c.SetStyle(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass ComboBoxClass() {
  using C = TComboBox;
  return {"TComboBox", "", Make<C>, {
      EnumerationProperty<C>("Style", kComboBoxStyleNames, [](C& c) { return c.Style(); },
                             [](C& c, TComboBoxStyle v) { c.SetStyle(v); }),
      StringsProperty<C>("Items", [](C& c) { return c.Items(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetItems(v); }),
      IntegerProperty<C>("ItemIndex", [](C& c) { return c.ItemIndex(); }, [](C& c, int v) { c.SetItemIndex(v); }),
      StringProperty<C>("Text", [](C& c) { return c.Text(); }, [](C& c, const std::string& v) { c.SetText(v); }),
      IntegerProperty<C>("DropDownCount", [](C& c) { return c.DropDownCount(); },
                         [](C& c, int v) { c.SetDropDownCount(v); }),
      EnumerationProperty<C>("BiDiMode", kBiDiModeNames, [](C& c) { return c.BiDiMode(); },
                             [](C& c, TBiDiMode v) { c.SetBiDiMode(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass UpDownClass() {
  using C = TUpDown;
  return {"TUpDown", "", Make<C>, {
      IntegerProperty<C>("Min", [](C& c) { return c.Min(); }, [](C& c, int v) { c.SetMin(v); }),
      IntegerProperty<C>("Max", [](C& c) { return c.Max(); }, [](C& c, int v) { c.SetMax(v); }),
      IntegerProperty<C>("Position", [](C& c) { return c.Position(); }, [](C& c, int v) { c.SetPosition(v); }),
      ObjectProperty<C>("Associate", [](C& c) { return static_cast<TComponent*>(c.Associate()); },
                        [](C& c, TComponent* v) { c.SetAssociate(dynamic_cast<TWinControl*>(v)); }),
      EnumerationProperty<C>("Orientation", kUDOrientationNames, [](C& c) { return c.Orientation(); },
                             [](C& c, TUDOrientation v) { c.SetOrientation(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass DateTimePickerClass() {
  using C = TDateTimePicker;
  return {"TDateTimePicker", "", Make<C>, {
      StringProperty<C>("Date", [](C& c) { return c.DateText(); },
                        [](C& c, const std::string& v) { c.SetDateText(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass ScrollBarClass() {
  using C = TScrollBar;
  return {"TScrollBar", "", Make<C>, {
      EnumerationProperty<C>("Kind", kScrollBarKindNames, [](C& c) { return c.Kind(); },
                             [](C& c, TScrollBarKind v) { c.SetKind(v); }),
      IntegerProperty<C>("Min", [](C& c) { return c.Min(); }, [](C& c, int v) { c.SetMin(v); }),
      IntegerProperty<C>("Max", [](C& c) { return c.Max(); }, [](C& c, int v) { c.SetMax(v); }),
      IntegerProperty<C>("Position", [](C& c) { return c.Position(); }, [](C& c, int v) { c.SetPosition(v); }),
      IntegerProperty<C>("PageSize", [](C& c) { return c.PageSize(); }, [](C& c, int v) { c.SetPageSize(v); }),
      IntegerProperty<C>("LargeChange", [](C& c) { return c.LargeChange(); },
                         [](C& c, int v) { c.SetLargeChange(v); }),
      IntegerProperty<C>("SmallChange", [](C& c) { return c.SmallChange(); },
                         [](C& c, int v) { c.SetSmallChange(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass ListViewClass() {
  using C = TListView;
  return {"TListView", "", Make<C>, {
      StringsProperty<C>("Columns",
                         [](C& c) {
                           std::vector<std::string> columns;
                           for (int i = 0; i < c.ColumnCount(); ++i)
                             columns.push_back(FormatCaptionWidth(c.Column(i).Caption, c.Column(i).Width));
                           return columns;
                         },
                         [](C& c, const std::vector<std::string>& v) {
                           std::vector<TListView::TColumn> columns;
                           for (const std::string& text : v) {
                             const TCaptionWidth column = ParseCaptionWidth(text);
                             columns.push_back({column.Caption, column.Width});
                           }
                           c.SetColumns(columns);
                         }),
      EnumerationProperty<C>("ViewStyle", kViewStyleNames, [](C& c) { return c.ViewStyle(); },
                             [](C& c, TViewStyle v) { c.SetViewStyle(v); }),
      BooleanProperty<C>("HideSelection", [](C& c) { return c.HideSelection(); },
                         [](C& c, bool v) { c.SetHideSelection(v); }),
      BooleanProperty<C>("RowSelect", [](C& c) { return c.RowSelect(); }, [](C& c, bool v) { c.SetRowSelect(v); }),
  }};
}

TPublishedClass TabControlClass() {
  using C = TTabControl;
  return {"TTabControl", "", Make<C>, {
      StringsProperty<C>("Tabs", [](C& c) { return c.Tabs(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetTabs(v); }),
      IntegerProperty<C>("TabIndex", [](C& c) { return c.TabIndex(); }, [](C& c, int v) { c.SetTabIndex(v); }),
      EnumerationProperty<C>("TabPosition", kTabPositionNames, [](C& c) { return c.TabPosition(); },
                             [](C& c, TTabPosition v) { c.SetTabPosition(v); }),
      EnumerationProperty<C>("Style", kTabStyleNames, [](C& c) { return c.Style(); },
                             [](C& c, TTabStyle v) { c.SetStyle(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass TabSetClass() {
  using C = TTabSet;
  return {"TTabSet", "", Make<C>, {
      StringsProperty<C>("Tabs", [](C& c) { return c.Tabs(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetTabs(v); }),
      IntegerProperty<C>("TabIndex", [](C& c) { return c.TabIndex(); }, [](C& c, int v) { c.SetTabIndex(v); }),
      IntegerProperty<C>("StartMargin", [](C& c) { return c.StartMargin(); }, [](C& c, int v) { c.SetStartMargin(v); }),
      IntegerProperty<C>("EndMargin", [](C& c) { return c.EndMargin(); }, [](C& c, int v) { c.SetEndMargin(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass GlyphCheckBoxClass() {
  using C = TGlyphCheckBox;
  return {"TGlyphCheckBox", "", Make<C>, {
      BooleanProperty<C>("Checked", [](C& c) { return c.Checked(); }, [](C& c, bool v) { c.SetChecked(v); }),
      BooleanProperty<C>("Grayed", [](C& c) { return c.Grayed(); }, [](C& c, bool v) { c.SetGrayed(v); }),
      BooleanProperty<C>("RadioItem", [](C& c) { return c.RadioItem(); }, [](C& c, bool v) { c.SetRadioItem(v); }),
      ObjectProperty<C>("CustomGlyphs", [](C& c) { return static_cast<TComponent*>(c.CustomGlyphs()); }, nullptr),
      BooleanProperty<C>("UseCustomGlyphs", [](C& c) { return c.UseCustomGlyphs(); },
                         [](C& c, bool v) { c.SetUseCustomGlyphs(v); }),
      IntegerProperty<C>("TransparentColor", [](C& c) { return c.TransparentColor(); },
                         [](C& c, int v) { c.SetTransparentColor(v); }),
      ObjectProperty<C>("Properties", [](C& c) { return static_cast<TComponent*>(c.Properties()); }, nullptr),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass GlyphCheckPropertiesClass() {
  using C = TGlyphCheckProperties;
  return {"TGlyphCheckProperties", "", {}, {
      ObjectProperty<C>("Glyph", [](C& c) { return static_cast<TComponent*>(c.Glyph()); }, nullptr),
  }};
}

TPublishedClass PicturePageControlClass() {
  using C = TPicturePageControl;
  return {"TPicturePageControl", "", Make<C>, {
      ObjectProperty<C>("TabBackGround", [](C& c) { return static_cast<TComponent*>(c.TabBackGround()); }, nullptr),
      ObjectProperty<C>("TabBackGroundActive",
                        [](C& c) { return static_cast<TComponent*>(c.TabBackGroundActive()); }, nullptr),
  }};
}

TPublishedClass MediaPlayerClass() {
  using C = TMediaPlayer;
  return {"TMediaPlayer", "", Make<C>, {
      StringsProperty<C>("VisibleButtons", [](C& c) { return c.VisibleButtons(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetVisibleButtons(v); }),
      StringsProperty<C>("EnabledButtons", [](C& c) { return c.EnabledButtons(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetEnabledButtons(v); }),
      StringsProperty<C>("ColoredButtons", [](C& c) { return c.ColoredButtons(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetColoredButtons(v); }),
  }};
}

TPublishedClass ProgressBarClass() {
  using C = TProgressBar;
  return {"TProgressBar", "", Make<C>, {
      IntegerProperty<C>("Min", [](C& c) { return c.Min(); }, [](C& c, int v) { c.SetMin(v); }),
      IntegerProperty<C>("Max", [](C& c) { return c.Max(); }, [](C& c, int v) { c.SetMax(v); }),
      IntegerProperty<C>("Position", [](C& c) { return c.Position(); }, [](C& c, int v) { c.SetPosition(v); }),
      EnumerationProperty<C>("Orientation", kProgressBarOrientationNames, [](C& c) { return c.Orientation(); },
                             [](C& c, TProgressBarOrientation v) { c.SetOrientation(v); }),
      BooleanProperty<C>("Smooth", [](C& c) { return c.Smooth(); }, [](C& c, bool v) { c.SetSmooth(v); }),
  }};
}

TPublishedClass TrackBarClass() {
  using C = TTrackBar;
  return {"TTrackBar", "", Make<C>, {
      IntegerProperty<C>("Min", [](C& c) { return c.Min(); }, [](C& c, int v) { c.SetMin(v); }),
      IntegerProperty<C>("Max", [](C& c) { return c.Max(); }, [](C& c, int v) { c.SetMax(v); }),
      IntegerProperty<C>("Position", [](C& c) { return c.Position(); }, [](C& c, int v) { c.SetPosition(v); }),
      EnumerationProperty<C>("Orientation", kTrackBarOrientationNames, [](C& c) { return c.Orientation(); },
                             [](C& c, TTrackBarOrientation v) { c.SetOrientation(v); }),
      EnumerationProperty<C>("TickMarks", kTickMarkNames, [](C& c) { return c.TickMarks(); },
                             [](C& c, TTickMark v) { c.SetTickMarks(v); }),
      IntegerProperty<C>("ThumbLength", [](C& c) { return c.ThumbLength(); },
                         [](C& c, int v) { c.SetThumbLength(v); }),
      EventProperty<C>("OnChange", &C::OnChange),
  }};
}

TPublishedClass HeaderControlClass() {
  using C = THeaderControl;
  return {"THeaderControl", "", Make<C>, {
      StringsProperty<C>("Sections",
                         [](C& c) {
                           std::vector<std::string> sections;
                           for (int i = 0; i < c.SectionCount(); ++i)
                             sections.push_back(FormatCaptionWidth(c.Section(i).Text, c.Section(i).Width));
                           return sections;
                         },
                         [](C& c, const std::vector<std::string>& v) {
                           std::vector<THeaderControl::TSection> sections;
                           for (const std::string& text : v) {
                             const TCaptionWidth section = ParseCaptionWidth(text);
                             sections.push_back({section.Caption, section.Width});
                           }
                           c.SetSections(sections);
                         }),
      BooleanProperty<C>("HotTrack", [](C& c) { return c.HotTrack(); }, [](C& c, bool v) { c.SetHotTrack(v); }),
  }};
}

TPublishedClass MemoClass() {
  using C = TMemo;
  return {"TMemo", "", Make<C>, {
      StringsProperty<C>("Lines", [](C& c) { return c.Lines(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetLines(v); }),
      BooleanProperty<C>("ReadOnly", [](C& c) { return c.ReadOnly(); }, [](C& c, bool v) { c.SetReadOnly(v); }),
  }};
}

TPublishedClass PanelClass() {
  using C = TCustomPanel;
  return {"TCustomPanel", "", {}, {
      EnumerationProperty<C>("BevelOuter", kBevelCutNames, [](C& c) { return c.BevelOuter(); },
                             [](C& c, TBevelCut v) { c.SetBevelOuter(v); }),
  }};
}

TPublishedClass RadioButtonClass() {
  using C = TRadioButton;
  return {"TRadioButton", "", Make<C>, {
      BooleanProperty<C>("Checked", [](C& c) { return c.Checked(); }, [](C& c, bool v) { c.SetChecked(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

TPublishedClass RadioGroupClass() {
  using C = TCustomRadioGroup;
  return {"TCustomRadioGroup", "", {}, {
      StringsProperty<C>("Items", [](C& c) { return c.Items(); },
                         [](C& c, const std::vector<std::string>& v) { c.SetItems(v); }),
      IntegerProperty<C>("Columns", [](C& c) { return c.Columns(); }, [](C& c, int v) { c.SetColumns(v); }),
      IntegerProperty<C>("ItemIndex", [](C& c) { return c.ItemIndex(); }, [](C& c, int v) { c.SetItemIndex(v); }),
      EventProperty<C>("OnClick", &C::OnClick),
  }};
}

// A glyph's picture is written in a layout as the bytes of a BMP file ("Glyph.Data").
TPublishedClass GlyphClass() {
  TPublishedProperty data{"Data", TPropertyKind::pkBinary, {}, [](TComponent& c, const TPropertyValue& v) {
    static_cast<TGlyph&>(c).LoadFromBytes(std::get<std::string>(v));
  }};
  return {"TGlyph", "", {}, {data}};
}

// What both glyph buttons publish alike.
template <class C>
std::vector<TPublishedProperty> GlyphButtonProperties() {
  return {
      ObjectProperty<C>("Glyph", [](C& c) { return static_cast<TComponent*>(c.Glyph()); },
                        [](C& c, TComponent* v) { c.SetGlyph(dynamic_cast<TGlyph*>(v)); }),
      IntegerProperty<C>("NumGlyphs", [](C& c) { return c.NumGlyphs(); }, [](C& c, int v) { c.SetNumGlyphs(v); }),
      EnumerationProperty<C>("Layout", kButtonLayoutNames, [](C& c) { return c.Layout(); },
                             [](C& c, TButtonLayout v) { c.SetLayout(v); }),
      IntegerProperty<C>("Margin", [](C& c) { return c.Margin(); }, [](C& c, int v) { c.SetMargin(v); }),
      IntegerProperty<C>("Spacing", [](C& c) { return c.Spacing(); }, [](C& c, int v) { c.SetSpacing(v); }),
  };
}

TPublishedClass BitBtnClass() {
  using C = TBitBtn;
  TPublishedClass cls{"TBitBtn", "", Make<C>, GlyphButtonProperties<C>()};
  cls.Properties.push_back(ObjectProperty<C>("Images", [](C& c) { return static_cast<TComponent*>(c.Images()); },
                                             [](C& c, TComponent* v) { c.SetImages(dynamic_cast<TImageList*>(v)); }));
  cls.Properties.push_back(
      IntegerProperty<C>("ImageIndex", [](C& c) { return c.ImageIndex(); }, [](C& c, int v) { c.SetImageIndex(v); }));
  cls.Properties.push_back(IntegerProperty<C>("DisabledIndex", [](C& c) { return c.DisabledIndex(); },
                                              [](C& c, int v) { c.SetDisabledIndex(v); }));
  return cls;
}

TPublishedClass GraphicControlClass() {
  using C = TGraphicControl;
  return {"TGraphicControl", "", {}, {
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
      ObjectProperty<C>("Font", [](C& c) { return static_cast<TComponent*>(c.Font()); },
                        [](C& c, TComponent* v) { c.SetFont(dynamic_cast<TFont*>(v)); }),
  }};
}

TPublishedClass SpeedButtonClass() {
  using C = TSpeedButton;
  TPublishedClass cls{"TSpeedButton", "", Make<C>, GlyphButtonProperties<C>()};
  cls.Properties.push_back(
      BooleanProperty<C>("Flat", [](C& c) { return c.Flat(); }, [](C& c, bool v) { c.SetFlat(v); }));
  cls.Properties.push_back(
      BooleanProperty<C>("Down", [](C& c) { return c.Down(); }, [](C& c, bool v) { c.SetDown(v); }));
  cls.Properties.push_back(
      IntegerProperty<C>("GroupIndex", [](C& c) { return c.GroupIndex(); }, [](C& c, int v) { c.SetGroupIndex(v); }));
  cls.Properties.push_back(
      BooleanProperty<C>("AllowAllUp", [](C& c) { return c.AllowAllUp(); }, [](C& c, bool v) { c.SetAllowAllUp(v); }));
  cls.Properties.push_back(EventProperty<C>("OnClick", &C::OnClick));
  return cls;
}

}  // namespace

std::vector<TPublishedClass> StandardClasses() {
  std::vector<TPublishedClass> classes;
  classes.push_back({"TComponent", "", {}, {
      StringProperty<TComponent>("Name", [](TComponent& c) { return c.Name(); },
                                 [](TComponent& c, const std::string& v) { c.SetName(v); }),
      IntegerProperty<TComponent>("Tag", [](TComponent& c) { return c.Tag(); },
                                  [](TComponent& c, int v) { c.SetTag(v); }),
  }});
  classes.push_back(WinControlClass());
  classes.push_back(FormClass());
  classes.push_back(EditClass());
  classes.push_back(LabeledEditClass());
  classes.push_back(ListBoxClass());
  classes.push_back(CheckBoxClass());
  classes.push_back(TimerClass());
  classes.push_back({"TButton", "", Make<TButton>, {
      BooleanProperty<TButton>("Default", [](TButton& b) { return b.Default(); },
                               [](TButton& b, bool v) { b.SetDefault(v); }),
      EventProperty<TButton>("OnClick", &TButton::OnClick)}});
  classes.push_back({"TLabel", "", Make<TLabel>, {
      EnumerationProperty<TLabel>("Alignment", kAlignmentNames, [](TLabel& l) { return l.Alignment(); },
                                  [](TLabel& l, TAlignment v) { l.SetAlignment(v); })}});
  classes.push_back({"TGroupBox", "", Make<TGroupBox>, {}});
  classes.push_back(ImageClass());
  classes.push_back(StatusBarClass());
  classes.push_back(PageControlClass());
  classes.push_back({"TTabSheet", "", Make<TTabSheet>, {}});
  classes.push_back(MemoClass());
  classes.push_back(PanelClass());
  classes.push_back({"TPanel", "", Make<TPanel>, {}});
  classes.push_back(RadioButtonClass());
  classes.push_back(RadioGroupClass());
  classes.push_back({"TRadioGroup", "", Make<TRadioGroup>, {}});
  classes.push_back(GlyphClass());
  classes.push_back(BitBtnClass());
  classes.push_back(GraphicControlClass());
  classes.push_back(SpeedButtonClass());
  classes.push_back(ComboBoxClass());
  classes.push_back(UpDownClass());
  classes.push_back(DateTimePickerClass());
  classes.push_back(ScrollBarClass());
  classes.push_back(ListViewClass());
  classes.push_back(TabControlClass());
  classes.push_back(TabSetClass());
  classes.push_back(GlyphCheckBoxClass());
  classes.push_back(PicturePageControlClass());
  classes.push_back(MediaPlayerClass());
  classes.push_back(GlyphCheckPropertiesClass());
  classes.push_back(ProgressBarClass());
  classes.push_back(TrackBarClass());
  classes.push_back(HeaderControlClass());
  classes.push_back({"TPopupMenu", "", Make<TPopupMenu>, {
      BooleanProperty<TPopupMenu>("AutoPopup", [](TPopupMenu& m) { return m.AutoPopup(); },
                                  [](TPopupMenu& m, bool v) { m.SetAutoPopup(v); }),
      BooleanProperty<TMenu>("OwnerDraw", [](TMenu& m) { return m.OwnerDraw(); },
                             [](TMenu& m, bool v) { m.SetOwnerDraw(v); })}});
  classes.push_back({"TMainMenu", "", Make<TMainMenu>, {
      BooleanProperty<TMenu>("OwnerDraw", [](TMenu& m) { return m.OwnerDraw(); },
                             [](TMenu& m, bool v) { m.SetOwnerDraw(v); })}});
  classes.push_back({"TMenuItem", "", Make<TMenuItem>, {
      StringProperty<TMenuItem>("Caption", [](TMenuItem& m) { return m.Caption(); },
                                [](TMenuItem& m, const std::string& v) { m.SetCaption(v); }),
      BooleanProperty<TMenuItem>("Enabled", [](TMenuItem& m) { return m.Enabled(); },
                                 [](TMenuItem& m, bool v) { m.SetEnabled(v); }),
      BooleanProperty<TMenuItem>("Default", [](TMenuItem& m) { return m.Default(); },
                                 [](TMenuItem& m, bool v) { m.SetDefault(v); }),
      BooleanProperty<TMenuItem>("Visible", [](TMenuItem& m) { return m.Visible(); },
                                 [](TMenuItem& m, bool v) { m.SetVisible(v); }),
      BooleanProperty<TMenuItem>("Checked", [](TMenuItem& m) { return m.Checked(); },
                                 [](TMenuItem& m, bool v) { m.SetChecked(v); }),
      StringProperty<TMenuItem>("ShortCut", [](TMenuItem& m) { return m.ShortCut(); },
                                [](TMenuItem& m, const std::string& v) { m.SetShortCut(v); }),
      IntegerProperty<TMenuItem>("ImageIndex", [](TMenuItem& m) { return m.ImageIndex(); },
                                 [](TMenuItem& m, int v) { m.SetImageIndex(v); }),
      EventProperty<TMenuItem>("OnClick", &TMenuItem::OnClick)}});
  return classes;
}
