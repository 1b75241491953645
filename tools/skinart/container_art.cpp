#include "container_art.h"

#include "color.h"
#include "palette.h"

namespace skinart {

namespace {

namespace p = palette;
using assetgen::hex;

constexpr int kTabWidth = 24;
constexpr int kTabHeight = 22;
constexpr int kTabDrop = 2;  // unselected tabs stand this much lower than the selected one
constexpr int kPane = 16;
constexpr int kEdge = 16;
constexpr int kStatusWidth = 16;
constexpr int kStatusHeight = 20;
constexpr int kHeaderWidth = 20;
constexpr int kHeaderHeight = 20;
constexpr int kToolButton = 22;

const Rgba kTabLine = hex(0xAAB6C5);

// A tab: rounded on top, open at the bottom where it meets the pane.
Image tab_frame(int top, Rgba border, Rgba fill_top, Rgba fill_bottom, bool accent) {
    Image art(kTabWidth, kTabHeight);
    const Box box{0, static_cast<float>(top), static_cast<float>(kTabWidth), kTabHeight + 4.0f};
    rounded_panel(art, box, 3.0f, border, vertical(top + 1.0f, kTabHeight, fill_top, fill_bottom));
    if (accent) {
        Image bar(kTabWidth, kTabHeight);
        fill_rounded(bar, {0, static_cast<float>(top), static_cast<float>(kTabWidth), top + 5.0f}, 3.0f,
                     assetgen::solid(p::accent));
        fill_box(bar, 0, top + 2, kTabWidth, top + 5, {});
        fill_box(bar, 1, top + 2, kTabWidth - 1, top + 3, p::accent_light);
        art.composite(bar, 0, 0);
    }
    return art;
}

Image status_frame(int frame) {
    Image art(kStatusWidth, kStatusHeight, p::face);
    if (frame == 1) {
        // Lowered panels are separated by an etched line at their right end.
        fill_box(art, kStatusWidth - 2, 3, kStatusWidth - 1, kStatusHeight - 3, p::line_soft);
        fill_box(art, kStatusWidth - 1, 3, kStatusWidth, kStatusHeight - 3, p::paper);
    } else if (frame == 2) {
        const Box box{0, 1, static_cast<float>(kStatusWidth), kStatusHeight - 1.0f};
        rounded_panel(art, box, 2.5f, p::line_soft, vertical(2, kStatusHeight - 2, hex(0xFBFCFD), hex(0xEEF1F5)));
    }
    return art;
}

Image header_frame(int frame) {
    Rgba top = hex(0xFDFDFE), bottom = hex(0xEDF0F4), base = hex(0xC6CFD9), divider = hex(0xD3DAE2);
    if (frame == 2) top = hex(0xF4F8FD), bottom = hex(0xE0EAF5), base = hex(0x8FAED0);
    if (frame == 3) top = hex(0xDCE4ED), bottom = hex(0xE7ECF1);
    if (frame == 4) top = bottom = hex(0xF3F5F7), base = divider = hex(0xDDE2E8);
    Image art(kHeaderWidth, kHeaderHeight);
    fill_rows(art, 0, 0, kHeaderWidth, kHeaderHeight - 1, top, bottom);
    fill_box(art, 0, kHeaderHeight - 1, kHeaderWidth, kHeaderHeight, base);
    fill_box(art, kHeaderWidth - 1, 3, kHeaderWidth, kHeaderHeight - 4, divider);
    if (frame == 5) fill_box(art, 0, kHeaderHeight - 2, kHeaderWidth, kHeaderHeight, p::accent);
    return art;
}

Image toolbar_frame(int frame) {
    Image art(kToolButton, kToolButton);
    const Box box{0, 0, static_cast<float>(kToolButton), static_cast<float>(kToolButton)};
    if (frame == 2)
        rounded_panel(art, box, 3.0f, hex(0x8EA6C2), vertical(0, kToolButton, hex(0xCCD8E6), hex(0xDAE3ED)));
    else if (frame == 4)
        rounded_panel(art, box, 3.0f, p::select_line, vertical(0, kToolButton, p::select_top, p::select_bottom));
    else if (frame == 5)
        rounded_panel(art, box, 3.0f, hex(0x8EA6C2), assetgen::solid(hex(0xDFE8F2)));
    return art;  // normal and disabled buttons are flat on the toolbar
}

}  // namespace

Bitmap24 draw_tabs() {
    const Rgba plain_top = hex(0xF4F6F9), plain_bottom = hex(0xE2E7EE);
    const Rgba chosen_top = hex(0xFCFDFE), chosen_bottom = p::face;
    return side_by_side({
        flatten(tab_frame(kTabDrop, kTabLine, plain_top, plain_bottom, false), p::face, true),
        flatten(tab_frame(0, kTabLine, chosen_top, chosen_bottom, false), p::face, true),
        flatten(tab_frame(kTabDrop, hex(0x8FA9C6), hex(0xF7FAFD), hex(0xE3ECF6), false), p::face, true),
        flatten(tab_frame(kTabDrop, p::line_soft, hex(0xF1F3F5), hex(0xECEFF2), false), p::face, true),
        flatten(tab_frame(0, kTabLine, chosen_top, chosen_bottom, true), p::face, true),
    });
}

Bitmap24 draw_tab_pane() {
    Image art(kPane, kPane);
    rounded_panel(art, {0, 0, static_cast<float>(kPane), static_cast<float>(kPane)}, 2.5f, kTabLine,
                  assetgen::solid(p::face));
    // Square on top, where the tabs stand on it.
    fill_box(art, 0, 0, kPane, 1, kTabLine);
    fill_box(art, 0, 0, 1, 4, kTabLine);
    fill_box(art, kPane - 1, 0, kPane, 4, kTabLine);
    fill_box(art, 1, 1, kPane - 1, 4, p::face);
    return flatten(art, p::face, false);
}

Bitmap24 draw_group_box_label() {
    Image art(24, 16);
    rounded_panel(art, {0, 0, 24, 16}, 3.0f, hex(0xD3DAE3), vertical(1, 15, hex(0xF6F8FA), hex(0xE7EBF0)));
    return flatten(art, p::face, true);
}

Bitmap24 draw_group_box_edge() {
    auto edge = [](Rgba line) {
        Image art(kEdge, kEdge);
        const Box box{0, 0, static_cast<float>(kEdge), static_cast<float>(kEdge)};
        fill_rounded(art, box, 3.0f, assetgen::solid(line));
        Image hole(kEdge, kEdge);
        fill_rounded(hole, {1, 1, kEdge - 1.0f, kEdge - 1.0f}, 2.0f, assetgen::solid(p::face));
        art.composite(hole, 0, 0);
        // The inside is left to the key colour: the group's contents show through.
        for (int y = 2; y < kEdge - 2; ++y)
            for (int x = 2; x < kEdge - 2; ++x) art.at(x, y) = {};
        return flatten(art, p::face, true);
    };
    return side_by_side({edge(hex(0xB3BFCC)), edge(hex(0xD6DCE3))});
}

Bitmap24 draw_status_bar_edges() {
    return side_by_side({flatten(status_frame(1), p::face, false), flatten(status_frame(2), p::face, false),
                         flatten(status_frame(3), p::face, false)});
}

Bitmap24 draw_header_items() {
    std::vector<Bitmap24> frames;
    for (int frame = 1; frame <= 5; ++frame) frames.push_back(flatten(header_frame(frame), p::face, false));
    return side_by_side(frames);
}

Bitmap24 draw_toolbar_buttons() {
    std::vector<Bitmap24> frames;
    for (int frame = 1; frame <= 5; ++frame) frames.push_back(flatten(toolbar_frame(frame), p::face, true));
    return side_by_side(frames);
}

}  // namespace skinart
