#include "ember_catalog.h"

#include "description_text.h"
#include "ember_control_art.h"
#include "ember_frame_art.h"
#include "ember_style.h"

namespace skinart::ember {

namespace {

using Keys = DescriptionKeys;
using Section = DescriptionSection;

std::string n(int value) { return std::to_string(value); }

Keys margins(int left, int top, int right, int bottom) { return margin_keys(left, top, right, bottom); }

Section personality() {
    // The side borders carry the rounded corners, so they alone are shaped.
    Keys keys = border_keys("Left", "left.bmp", caption, border, 1, 1);
    keys = joined(keys, border_keys("Right", "right.bmp", caption, border, 1, 1));
    keys = joined(keys, border_keys("Top", "top.bmp", 0, 0, 0, 0));  // tiled, not stretched
    keys = joined(keys, border_keys("Bottom", "bottom.bmp", 0, 0, 1, 0));
    return {"Personality",
            joined(keys, {{"TextBack", "textback.bmp"},
                          {"TextAlignment", "1"},
                          {"TextShift", n(title_shift)},
                          {"TextShiftVert", "0"},
                          {"TextRightClip", n(title_right_clip)},
                          {"Textbackground", "1"},
                          {"TXTBackleft", n(title_cap)},
                          {"TXTBackRight", n(title_cap)},
                          {"ActiveTextR", "237"},
                          {"ActiveTextG", "230"},
                          {"ActiveTextB", "218"},
                          {"InActiveTextR", "142"},
                          {"InActiveTextG", "138"},
                          {"InActiveTextB", "131"},
                          {"menuBar", "menubar.bmp"},
                          {"TileLeftMenu", "2"},
                          {"TileRightMenu", "2"},
                          {"TileMenu", "1"}}),
            "Frame and caption; every frame picture holds the active window, then the inactive one"};
}

// Caption buttons sit from the window's left edge (Align 0), three frames each.
Section caption_button(const std::string& name, int action, int x, int visibility, int visibility1,
                       const std::string& file) {
    return {name,
            {{"Action", n(action)},
             {"Align", "0"},
             {"Xcoord", n(x)},
             {"Ycoord", n(button_top)},
             {"Visibility", n(visibility)},
             {"Visibility1", n(visibility1)},
             {"ButtonImage", file},
             {"frame", "3"}},
            "Caption button: frames normal, pressed, hot"};
}

Section window_icon_button() {
    return {"Button4",
            {{"Action", "3"}, {"Align", "1"}, {"Xcoord", n(icon_x)}, {"Ycoord", n(icon_top)}, {"Visibility", "0"}, {"frame", "1"}},
            "Window menu, drawn as the window's own icon at the right end of the title bar"};
}

Section element(const std::string& name, const std::string& file, Keys slicing, int trans, Keys extra = {}) {
    return element_section(name, file, std::move(slicing), trans, extra);
}

std::vector<Section> sections() {
    const Keys none = margins(0, 0, 0, 0);
    const Keys text{{"NormalColour", "185 178 166"}, {"MouseOverColour", "242 184 101"}, {"PressedColour", "232 226 214"}};
    return {
        {"TitlebarSkin", {{"SkinName", "Ember"}, {"Author", "Tessaloom"}}},
        personality(),
        {"Fonts", {{"FontHeight", "15"}}},
        {"Buttons",
         joined({{"Bitmap", "buttons.bmp"}, {"Trans", "1"}, {"Tile", "0"}},
                joined(margins(push_margin, push_margin, push_margin, push_margin),
                       {{"CheckButton", "checkbox.bmp"},
                        {"CheckButtonFrame", "4"},
                        {"RadioButton", "radiobutton.bmp"},
                        {"RadioButtonFrame", "4"},
                        {"NormalColour", "232 226 214"},
                        {"MouseOverColour", "242 184 101"},
                        {"PressedColour", "227 155 63"}})),
         "Push buttons: normal, pressed, disabled, hot, focused; marks: unchecked, checked, each enabled then disabled"},
        caption_button("Button0", 0, close_x, 0, 0, "closebutton.bmp"),
        caption_button("Button1", 1, maximise_x, 2, 6, "maxbutton.bmp"),
        caption_button("Button2", 1, maximise_x, 1, 6, "restorebutton.bmp"),
        caption_button("Button3", 2, minimise_x, 6, 6, "minbutton.bmp"),
        window_icon_button(),
        {"MDICONTROLS", {{"Image", "mdicontrols.bmp"}}},
        {"Progress", joined({{"Bitmap", "progress.bmp"}, {"Style", "0"}, {"Trans", "1"}, {"Tile", "0"}}, margins(6, 4, 6, 4))},
        element("Progress.Chunk", "progresschunk.bmp", none, 1, {{"Frame", "1"}, {"Tile", "1"}}),
        element("Tabs", "tabs.bmp", margins(6, 6, 6, 2), 1, joined({{"Border", "tabpane.bmp"}, {"Style", "0"}}, text)),
        element("Tab.Pane", "tabpane.bmp", margins(3, 3, 3, 3), 0),
        element("GroupBox", "groupbox.bmp", margins(7, 5, 7, 5), 1,
                {{"BackgroundAlignment", "0"}, {"BackgroundLeftShift", "-6"}, {"BackgroundRightShift", "6"}}),
        element("GroupBoxEdge", "groupboxedge.bmp", margins(7, 7, 7, 7), 1),
        element("StatusBarEdges", "statusbaredges.bmp", margins(2, 2, 2, 2), 0, text),
        element("Headerbar", "headerbar.bmp", margins(3, 3, 3, 3), 0, text),
        element("ToolBars", "toolbars.bmp", margins(5, 5, 5, 5), 1),
        element("ComboButton", "combobutton.bmp", margins(2, 3, 2, 3), 1),
        element("SunkEdge", "sunkedge.bmp", margins(4, 4, 4, 4), 1),
        element("ExtraImages", "extraimages.bmp", none, 1),
        {"Scrollbar", {{"Image", "scrollbar.bmp"}, {"Trans", "1"}},
         "Arrows left, right, up, down x normal, pressed, disabled, hot; grips x normal, pressed, hot; size box"},
        element("HorzScroll", "scrolltrack.bmp", none, 0),
        element("VertScroll", "scrolltrack.bmp", none, 0),
        element("HorzScrollThumb", "scrollthumb.bmp", margins(6, 6, 6, 6), 1, {{"FrameCount", "3"}}),
        element("VertScrollThumb", "scrollthumb.bmp", margins(6, 6, 6, 6), 1, {{"FrameCount", "3"}}),
        element("MenuBackground", "menubackground.bmp", margins(3, 3, 3, 3), 0),
        element("MenuItem", "menuitem.bmp", margins(6, 6, 6, 6), 1),
        element("Trackbar.ThumbHorz", "thumbhorz.bmp", none, 1),
        element("Trackbar.ThumbVert", "thumbvert.bmp", none, 1),
        element("Trackbar.ThumbLeft", "thumbleft.bmp", none, 1),
        element("Trackbar.ThumbRight", "thumbright.bmp", none, 1),
        element("Trackbar.ThumbUp", "thumbup.bmp", none, 1),
        element("Trackbar.ThumbDown", "thumbdown.bmp", none, 1),
        element("UpDown.Horz", "updown.bmp", margins(4, 4, 4, 4), 1, {{"GlyphImage", "updownhorzglyph.bmp"}}),
        element("UpDown.Vert", "updown.bmp", margins(4, 4, 4, 4), 1, {{"GlyphImage", "updownvertglyph.bmp"}}),
        element("Track", "track.bmp", margins(3, 2, 3, 2), 1, {{"Frame", "1"}}),
        element("TRACKVERT", "trackvert.bmp", margins(2, 3, 2, 3), 1, {{"Frame", "1"}}),
        {"Colours",
         {{"WindowText", "232 226 214"},
          {"TitleTextActive", "237 230 218"},
          {"TitleTextNoActive", "142 138 131"},
          {"ButtonFace", "42 44 49"},
          {"ButtonText", "232 226 214"},
          {"ButtonHilight", "74 78 86"},
          {"Buttonlight", "58 61 68"},
          {"ButtonShadow", "21 22 25"},
          {"ButtonDkShadow", "12 13 15"},
          {"HilightText", "29 30 34"},
          {"Hilight", "227 155 63"},
          {"Menubar", "48 50 56"},
          {"MenuBarText", "232 226 214"},
          {"MenuText", "232 226 214"},
          {"Menu", "38 40 45"},
          {"Scrollbar", "34 36 40"}},
         "Colours are red, green and blue, 0 to 255"},
    };
}

}  // namespace

const std::vector<SkinPicture>& skin_pictures() {
    static const std::vector<SkinPicture> pictures = {
        {"left.bmp", draw_left_border},
        {"right.bmp", draw_right_border},
        {"top.bmp", draw_top_border},
        {"bottom.bmp", draw_bottom_border},
        {"textback.bmp", draw_title_back},
        {"menubar.bmp", draw_menubar},
        {"closebutton.bmp", draw_close_button},
        {"maxbutton.bmp", draw_maximise_button},
        {"restorebutton.bmp", draw_restore_button},
        {"minbutton.bmp", draw_minimise_button},
        {"mdicontrols.bmp", draw_mdi_controls},
        {"buttons.bmp", draw_push_buttons},
        {"checkbox.bmp", draw_check_marks},
        {"radiobutton.bmp", draw_radio_marks},
        {"progress.bmp", draw_progress},
        {"progresschunk.bmp", draw_progress_chunk},
        {"tabs.bmp", draw_tabs},
        {"tabpane.bmp", draw_tab_pane},
        {"groupbox.bmp", draw_group_box_label},
        {"groupboxedge.bmp", draw_group_box_edge},
        {"statusbaredges.bmp", draw_status_bar_edges},
        {"headerbar.bmp", draw_header_items},
        {"toolbars.bmp", draw_toolbar_buttons},
        {"sunkedge.bmp", draw_sunken_edge},
        {"combobutton.bmp", draw_combo_button},
        {"extraimages.bmp", draw_extra_images},
        {"scrollbar.bmp", draw_scroll_parts},
        {"scrolltrack.bmp", draw_scroll_track},
        {"scrollthumb.bmp", draw_scroll_thumb},
        {"menuitem.bmp", draw_menu_item},
        {"menubackground.bmp", draw_menu_background},
        {"track.bmp", [] { return draw_track(false); }},
        {"trackvert.bmp", [] { return draw_track(true); }},
        {"thumbhorz.bmp", [] { return draw_track_thumb(12, 20, Direction::Down, false); }},
        {"thumbvert.bmp", [] { return draw_track_thumb(20, 12, Direction::Right, false); }},
        {"thumbleft.bmp", [] { return draw_track_thumb(19, 12, Direction::Left, true); }},
        {"thumbright.bmp", [] { return draw_track_thumb(19, 12, Direction::Right, true); }},
        {"thumbup.bmp", [] { return draw_track_thumb(12, 19, Direction::Up, true); }},
        {"thumbdown.bmp", [] { return draw_track_thumb(12, 19, Direction::Down, true); }},
        {"updown.bmp", draw_up_down_buttons},
        {"updownvertglyph.bmp", [] { return draw_up_down_glyphs(false); }},
        {"updownhorzglyph.bmp", [] { return draw_up_down_glyphs(true); }},
    };
    return pictures;
}

std::string skin_description() {
    return description_text("Ember: the second skin of Tessaloom, dark and warm. Generated by tools/skinart.", sections());
}

}  // namespace skinart::ember
