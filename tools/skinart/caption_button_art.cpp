#include "caption_button_art.h"

#include "frame_art.h"
#include "menu_art.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;

enum class Glyph { Close, Maximise, Restore, Minimise };

// A crisp glyph in a box of `size` x `size - 1` pixels at (x0, y0). Lines are two pixels thick
// where a window's title bar is, one elsewhere, like the glyphs they stand for.
void draw_glyph(Image& art, Glyph glyph, int x0, int y0, int size, Rgba c) {
    const int w = size, h = size - 1;
    switch (glyph) {
        case Glyph::Close:
            for (int i = 0; i < h; ++i) {
                fill_box(art, x0 + i, y0 + i, x0 + i + 2, y0 + i + 1, c);
                fill_box(art, x0 + w - 2 - i, y0 + i, x0 + w - i, y0 + i + 1, c);
            }
            break;
        case Glyph::Minimise:
            fill_box(art, x0, y0 + h - 2, x0 + w, y0 + h, c);
            break;
        case Glyph::Maximise:
            fill_box(art, x0, y0, x0 + w, y0 + 2, c);
            fill_box(art, x0, y0, x0 + 1, y0 + h, c);
            fill_box(art, x0 + w - 1, y0, x0 + w, y0 + h, c);
            fill_box(art, x0, y0 + h - 1, x0 + w, y0 + h, c);
            break;
        case Glyph::Restore: {
            const int s = w - 2, t = h - 3;  // each window's size
            const int bx = x0 + 2, fy = y0 + 3;
            Image back(art.width(), art.height());
            fill_box(back, bx, y0, bx + s, y0 + 2, c);
            fill_box(back, bx, y0, bx + 1, y0 + t, c);
            fill_box(back, bx + s - 1, y0, bx + s, y0 + t, c);
            fill_box(back, bx, y0 + t - 1, bx + s, y0 + t, c);
            fill_box(back, x0, fy, x0 + s, fy + t, {});  // the front window hides what it covers
            art.composite(back, 0, 0);
            fill_box(art, x0, fy, x0 + s, fy + 2, c);
            fill_box(art, x0, fy, x0 + 1, fy + t, c);
            fill_box(art, x0 + s - 1, fy, x0 + s, fy + t, c);
            fill_box(art, x0, fy + t - 1, x0 + s, fy + t, c);
            break;
        }
    }
}

struct PanelColours {
    Rgba top, bottom;
};

Image caption_frame(Glyph glyph, const PanelColours* panel, Rgba glyph_colour) {
    Image art(m::button_width, m::button_height);
    if (panel) {
        const Box box{0, 0, static_cast<float>(m::button_width), static_cast<float>(m::button_height)};
        fill_rounded(art, box, 3.0f, vertical(0, m::button_height, panel->top, panel->bottom));
    }
    Image mark(m::button_width, m::button_height);
    constexpr int size = 10;
    draw_glyph(mark, glyph, (m::button_width - size) / 2, (m::button_height - size + 2) / 2, size, glyph_colour);
    art.composite(mark, 0, 0);
    return art;
}

// Caption buttons sit on the active caption; their rounded panels are mixed with its rows.
Bitmap24 on_caption(const Image& art) {
    return flatten(art, [](float, float y) { return caption_colour(m::button_top + static_cast<int>(y), true); }, true);
}

Bitmap24 caption_button(Glyph glyph, PanelColours down, PanelColours hot) {
    return side_by_side({
        on_caption(caption_frame(glyph, nullptr, p::glyph)),
        on_caption(caption_frame(glyph, &down, p::glyph)),
        on_caption(caption_frame(glyph, &hot, p::glyph)),
        on_caption(caption_frame(glyph, nullptr, p::glyph_off)),
    });
}

const PanelColours kCaptionDown{p::caption_down_top, p::caption_down_bottom};
const PanelColours kCaptionHot{p::caption_hot_top, p::caption_hot_bottom};

Image mdi_frame(Glyph glyph, bool pressed, bool hot) {
    Image art(m::mdi_button_width, m::mdi_button_height);
    const Box box{0, 0, static_cast<float>(m::mdi_button_width), static_cast<float>(m::mdi_button_height)};
    if (pressed)
        rounded_panel(art, box, 2.5f, p::select_line, vertical(0, m::mdi_button_height, p::select_bottom, p::select_top));
    else if (hot)
        rounded_panel(art, box, 2.5f, p::select_line, vertical(0, m::mdi_button_height, p::select_top, p::select_bottom));
    Image mark(m::mdi_button_width, m::mdi_button_height);
    constexpr int size = 8;
    draw_glyph(mark, glyph, (m::mdi_button_width - size) / 2, (m::mdi_button_height - size + 2) / 2, size, p::soft_text);
    art.composite(mark, 0, 0);
    return art;
}

Bitmap24 on_menubar(const Image& art) {
    const int top = (m::menubar - m::mdi_button_height) / 2;
    return flatten(art, [top](float, float y) { return menubar_colour(top + static_cast<int>(y)); }, true);
}

}  // namespace

Bitmap24 draw_close_button() {
    return caption_button(Glyph::Close, {p::close_down_top, p::close_down_bottom},
                          {p::close_hot_top, p::close_hot_bottom});
}

Bitmap24 draw_maximise_button() { return caption_button(Glyph::Maximise, kCaptionDown, kCaptionHot); }
Bitmap24 draw_restore_button() { return caption_button(Glyph::Restore, kCaptionDown, kCaptionHot); }
Bitmap24 draw_minimise_button() { return caption_button(Glyph::Minimise, kCaptionDown, kCaptionHot); }

Bitmap24 draw_mdi_controls() {
    std::vector<Bitmap24> frames;
    for (Glyph glyph : {Glyph::Minimise, Glyph::Restore, Glyph::Close}) {
        frames.push_back(on_menubar(mdi_frame(glyph, false, false)));
        frames.push_back(on_menubar(mdi_frame(glyph, true, false)));
        frames.push_back(on_menubar(mdi_frame(glyph, false, true)));
        frames.push_back(on_menubar(mdi_frame(glyph, false, true)));
    }
    return side_by_side(frames);
}

}  // namespace skinart
