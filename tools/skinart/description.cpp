#include "description.h"

#include <vector>

#include "description_text.h"
#include "metrics.h"

namespace skinart {

namespace {

namespace m = metrics;

using Keys = DescriptionKeys;
using Section = DescriptionSection;

std::string n(int value) { return std::to_string(value); }

Keys margins(int left, int top, int right, int bottom) { return margin_keys(left, top, right, bottom); }

Keys border(const std::string& side, const std::string& file, int start, int end, int trans) {
    return border_keys(side, file, start, end, 1, trans);
}

Section personality() {
    // The side borders run the window's whole height: their unstretched top is the caption.
    Keys keys = border("Left", "left.bmp", m::caption, m::border, 1);
    keys = joined(keys, border("Right", "right.bmp", m::caption, m::border, 1));
    keys = joined(keys, border("Top", "top.bmp", 0, 0, 0));
    keys = joined(keys, border("Bottom", "bottom.bmp", 0, 0, 0));
    return {"Personality",
            joined(keys, {{"TextBack", "textback.bmp"},
                          {"TextAlignment", "0"},
                          {"TextShift", n(m::title_shift)},
                          {"TextShiftVert", "0"},
                          {"TextRightClip", n(m::minimise_x + m::button_gap)},
                          {"Textbackground", "1"},
                          {"TXTBackleft", n(m::title_glow_cap)},
                          {"TXTBackRight", n(m::title_glow_cap)},
                          {"ActiveTextR", "255"},
                          {"ActiveTextG", "255"},
                          {"ActiveTextB", "255"},
                          {"InActiveTextR", "241"},
                          {"InActiveTextG", "243"},
                          {"InActiveTextB", "246"},
                          {"menuBar", "menubar.bmp"},
                          {"TileLeftMenu", "2"},
                          {"TileRightMenu", "2"},
                          {"TileMenu", "1"}}),
            "Frame and caption; every frame picture holds the active window, then the inactive one"};
}

// Caption buttons are placed from the window's right edge (Align 1); a Visibility of 6 asks
// for a window with a minimise or maximise box and a window menu, 2 for one that is not
// maximised, 1 for one that is.
Section caption_button(const std::string& name, int action, int x, int visibility, int visibility1,
                       const std::string& file) {
    return {name,
            {{"Action", n(action)},
             {"Align", "1"},
             {"Xcoord", n(x)},
             {"Ycoord", n(m::button_top)},
             {"Visibility", n(visibility)},
             {"Visibility1", n(visibility1)},
             {"ButtonImage", file},
             {"frame", "4"}},
            "Caption button: frames normal, pressed, hot, inactive or disabled"};
}

// The window menu button shows the window's own icon, so it names no picture.
Section window_icon_button() {
    return {"Button4",
            {{"Action", "3"},
             {"Align", "0"},
             {"Xcoord", n(m::icon_left)},
             {"Ycoord", n(m::icon_top)},
             {"Visibility", "0"},
             {"frame", "1"}},
            "Window menu, drawn as the window's own icon"};
}

Section buttons() {
    return {"Buttons",
            joined({{"Bitmap", "buttons.bmp"}, {"Trans", "1"}, {"Tile", "0"}}, joined(margins(4, 4, 4, 4), {
                       {"CheckButton", "checkbox.bmp"},
                       {"CheckButtonFrame", n(m::check_frames)},
                       {"RadioButton", "radiobutton.bmp"},
                       {"RadioButtonFrame", n(m::radio_frames)},
                       {"NormalColour", "28 36 48"},
                       {"MouseOverColour", "22 46 78"},
                       {"PressedColour", "22 40 66"},
                   })),
            "Push buttons: normal, pressed, disabled, hot, focused; marks: unchecked, checked (, mixed) x normal, hot, pressed, disabled"};
}

Section element(const std::string& name, const std::string& file, Keys slicing, int trans, Keys extra = {}) {
    return element_section(name, file, std::move(slicing), trans, extra);
}

Section colours() {
    return {"Colours",
            {{"WindowText", "28 36 48"},
             {"TitleTextActive", "255 255 255"},
             {"TitleTextNoActive", "241 243 246"},
             {"ButtonFace", "238 241 245"},
             {"ButtonText", "28 36 48"},
             {"ButtonHilight", "255 255 255"},
             {"Buttonlight", "250 251 252"},
             {"ButtonShadow", "160 172 188"},
             {"ButtonDkShadow", "96 110 128"},
             {"HilightText", "20 32 48"},
             {"Hilight", "211 225 241"},
             {"Menubar", "243 246 249"},
             {"MenuBarText", "28 36 48"},
             {"MenuText", "28 36 48"},
             {"Menu", "251 252 253"},
             {"Scrollbar", "233 237 241"}},
            "Colours are red, green and blue, 0 to 255"};
}

// The theme's own colours, offered to colour pickers.
Section custom_colours() {
    const char* values[] = {"85 117 154", "74 120 168", "109 139 172", "42 140 122", "77 184 163",
                            "238 241 245", "201 209 219", "166 178 193", "58 70 86", "28 36 48"};
    Keys keys;
    for (int i = 0; i < 10; ++i) keys.push_back({"Color" + n(i), values[i]});
    return {"Customcolors", keys};
}

std::vector<Section> sections() {
    const Keys thumb_slicing = margins(5, 5, 5, 5);
    const Keys no_slicing = margins(0, 0, 0, 0);
    const Keys text{{"NormalColour", "58 70 86"}, {"MouseOverColour", "28 36 48"}, {"PressedColour", "28 36 48"}};
    return {
        {"TitlebarSkin", {{"SkinName", "Slate"}, {"Author", "Tessaloom"}}},
        personality(),
        {"Fonts", {{"FontHeight", "14"}}},
        buttons(),
        caption_button("Button0", 0, m::close_x, 0, 0, "closebutton.bmp"),
        caption_button("Button1", 1, m::maximise_x, 2, 6, "maxbutton.bmp"),
        caption_button("Button2", 1, m::maximise_x, 1, 6, "restorebutton.bmp"),
        caption_button("Button3", 2, m::minimise_x, 6, 6, "minbutton.bmp"),
        window_icon_button(),
        {"MDICONTROLS", {{"Image", "mdicontrols.bmp"}}},
        {"Progress", joined({{"Bitmap", "progress.bmp"}, {"Style", "0"}, {"Trans", "1"}, {"Tile", "0"}}, margins(4, 4, 4, 4))},
        element("Progress.Chunk", "progresschunk.bmp", no_slicing, 1, {{"Frame", "1"}, {"Tile", "1"}}),
        element("Tabs", "tabs.bmp", margins(4, 5, 4, 2), 1, joined({{"Border", "tabpane.bmp"}, {"Style", "0"}}, text)),
        element("Tab.Pane", "tabpane.bmp", margins(4, 4, 4, 4), 0),
        element("GroupBox", "groupbox.bmp", margins(5, 4, 5, 4), 1,
                {{"BackgroundAlignment", "0"}, {"BackgroundLeftShift", "-4"}, {"BackgroundRightShift", "4"}}),
        element("GroupBoxEdge", "groupboxedge.bmp", margins(5, 5, 5, 5), 1),
        element("StatusBarEdges", "statusbaredges.bmp", margins(3, 3, 3, 3), 0, text),
        element("Headerbar", "headerbar.bmp", margins(2, 2, 2, 3), 0, text),
        element("ToolBars", "toolbars.bmp", margins(4, 4, 4, 4), 1),
        element("ComboButton", "combobutton.bmp", margins(1, 2, 1, 2), 1),
        element("SunkEdge", "sunkedge.bmp", margins(3, 3, 3, 3), 1),
        element("ExtraImages", "extraimages.bmp", no_slicing, 1),
        {"Scrollbar", {{"Image", "scrollbar.bmp"}, {"Trans", "1"}},
         "Arrows left, right, up, down x normal, pressed, disabled, hot; grips x normal, pressed, hot; size box"},
        element("HorzScroll", "scrolltrack.bmp", no_slicing, 0),
        element("VertScroll", "scrolltrack.bmp", no_slicing, 0),
        element("HorzScrollThumb", "scrollthumb.bmp", thumb_slicing, 1, {{"FrameCount", "3"}}),
        element("VertScrollThumb", "scrollthumb.bmp", thumb_slicing, 1, {{"FrameCount", "3"}}),
        element("MenuBackground", "menubackground.bmp", margins(3, 3, 3, 3), 0),
        element("MenuItem", "menuitem.bmp", margins(4, 4, 4, 4), 1),
        element("Trackbar.ThumbHorz", "thumbhorz.bmp", no_slicing, 1),
        element("Trackbar.ThumbVert", "thumbvert.bmp", no_slicing, 1),
        element("Trackbar.ThumbLeft", "thumbleft.bmp", no_slicing, 1),
        element("Trackbar.ThumbRight", "thumbright.bmp", no_slicing, 1),
        element("Trackbar.ThumbUp", "thumbup.bmp", no_slicing, 1),
        element("Trackbar.ThumbDown", "thumbdown.bmp", no_slicing, 1),
        element("UpDown.Horz", "updown.bmp", margins(3, 3, 3, 3), 1, {{"GlyphImage", "updownhorzglyph.bmp"}}),
        element("UpDown.Vert", "updown.bmp", margins(3, 3, 3, 3), 1, {{"GlyphImage", "updownvertglyph.bmp"}}),
        element("Track", "track.bmp", margins(3, 2, 3, 2), 1, {{"Frame", "1"}}),
        element("TRACKVERT", "trackvert.bmp", margins(2, 3, 2, 3), 1, {{"Frame", "1"}}),
        colours(),
        custom_colours(),
    };
}

}  // namespace

std::string skin_description() {
    return description_text("Slate: the default skin of Tessaloom. Generated by tools/skinart.", sections());
}

}  // namespace skinart
