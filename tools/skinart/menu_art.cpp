#include "menu_art.h"

#include "color.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;

constexpr int kBarLength = 16;
constexpr int kItemWidth = 32;
constexpr int kItemHeight = 20;
// The separator survives being cut to the bottom of a short item and being squeezed into
// one: two rows low in the frame.
constexpr int kSeparatorRow = 15;
constexpr int kBackground = 24;

Image menubar_frame(bool active) {
    Image art(kBarLength, m::menubar);
    for (int y = 0; y < m::menubar - 1; ++y) {
        const Rgba c = menubar_colour(y);
        fill_box(art, 0, y, kBarLength, y + 1, active ? c : assetgen::mix(c, p::face, 0.6f));
    }
    fill_box(art, 0, m::menubar - 1, kBarLength, m::menubar, p::line_soft);
    return art;
}

Image item_frame(int frame) {
    Image art(kItemWidth, kItemHeight);
    const Box box{1, 0, static_cast<float>(kItemWidth - 1), static_cast<float>(kItemHeight)};
    switch (frame) {
        case 2:
            fill_box(art, 2, kSeparatorRow, kItemWidth - 2, kSeparatorRow + 2, p::line_soft);
            break;
        case 4:
            rounded_panel(art, box, 3.0f, p::select_line, vertical(0, kItemHeight, p::select_top, p::select_bottom));
            break;
        case 5:
            rounded_panel(art, box, 3.0f, p::select_line, vertical(0, kItemHeight, p::select_bottom, p::select_top));
            break;
        default:
            break;  // normal and disabled items show the menu's own background
    }
    return art;
}

}  // namespace

Rgba menubar_colour(int row) {
    const float t = static_cast<float>(row) / static_cast<float>(m::menubar - 2);
    return assetgen::mix(p::menubar_top, p::menubar_bottom, assetgen::clamp01(t));
}

Bitmap24 draw_menubar() {
    return stacked({flatten(menubar_frame(true), p::face, false), flatten(menubar_frame(false), p::face, false)});
}

Bitmap24 draw_menu_item() {
    std::vector<Bitmap24> frames;
    for (int frame = 1; frame <= 5; ++frame) frames.push_back(flatten(item_frame(frame), p::menu, true));
    return side_by_side(frames);
}

Bitmap24 draw_menu_background() {
    Image art(kBackground, kBackground);
    fill_box(art, 0, 0, kBackground, kBackground, p::line);
    fill_box(art, 1, 1, kBackground - 1, kBackground - 1, p::menu);
    return flatten(art, p::menu, false);
}

}  // namespace skinart
