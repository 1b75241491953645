#include "ember_frame_art.h"

#include <cmath>

#include "color.h"
#include "ember_style.h"

namespace skinart::ember {

namespace {

constexpr int kSideHeight = caption + side_stretch + border;
constexpr int kStripLength = 16;

struct FrameColours {
    Rgba outline, light, body, inner;
};

FrameColours frame_colours(bool active) {
    if (active) return {outline, caption_light, frame_body, frame_inner};
    return {outline_off, caption_light_off, frame_body_off, frame_inner_off};
}

// Where a pixel of a corner square (corner x corner, the round side at the top left) lies:
// outside the window, on its outline, or inside.
enum class Corner { Outside, Edge, Inside };

Corner corner_at(int x, int y) {
    const float dx = corner - x - 0.5f, dy = corner - y - 0.5f;
    if (dx <= 0 || dy <= 0) return Corner::Inside;
    const float d = std::sqrt(dx * dx + dy * dy);
    return d > corner ? Corner::Outside : d > corner - 1.2f ? Corner::Edge : Corner::Inside;
}

// The left border from the outside in, the caption rows at its top; the right one mirrors it.
Image left_side(bool active) {
    const FrameColours c = frame_colours(active);
    Image art(border, kSideHeight);
    for (int y = 0; y < kSideHeight; ++y) {
        const bool in_caption = y < caption;
        const bool in_bottom = y >= kSideHeight - border;
        for (int x = 0; x < border; ++x) {
            Rgba colour = in_caption ? caption_colour(y, active) : c.body;
            if (x == 0) colour = c.outline;
            else if (x == 1 && !in_caption) colour = assetgen::mix(c.body, c.light, 0.5f);
            else if (x == border - 1 && !in_caption && !in_bottom) colour = c.inner;
            if (in_bottom && y == kSideHeight - border && x == border - 1) colour = c.inner;
            if (y == kSideHeight - 1) colour = c.outline;
            art.at(x, y) = colour;
        }
    }
    // Rounded corners: cut away at the top and the bottom, the outline following the curve.
    for (int y = 0; y < corner; ++y)
        for (int x = 0; x < corner && x < border; ++x) {
            const Corner top = corner_at(x, y);
            if (top == Corner::Outside) art.at(x, y) = {};
            else if (top == Corner::Edge) art.at(x, y) = c.outline;
            const int by = kSideHeight - 1 - y;
            if (top == Corner::Outside) art.at(x, by) = {};
            else if (top == Corner::Edge) art.at(x, by) = c.outline;
        }
    return art;
}

Bitmap24 keyed(const Image& art) { return flatten(art, face, true); }

// One tile of the title bar: the caption's rows with a faint groove every tile, so that the
// engine's tiling shows as a fine ribbing.
Image top_side(bool active) {
    Image art(title_tile, caption);
    for (int y = 0; y < caption; ++y)
        for (int x = 0; x < title_tile; ++x) {
            Rgba colour = caption_colour(y, active);
            if (y >= 2 && y < caption - 2 && x == 0) colour = assetgen::mix(colour, outline, 0.22f);
            if (y >= 2 && y < caption - 2 && x == 1) colour = assetgen::mix(colour, caption_light, 0.12f);
            art.at(x, y) = colour;
        }
    return art;
}

Image bottom_side(bool active) {
    const FrameColours c = frame_colours(active);
    Image art(kStripLength, border);
    fill_box(art, 0, 0, kStripLength, 1, c.inner);
    fill_rows(art, 0, 1, kStripLength, border - 1, c.body, assetgen::mix(c.body, c.outline, 0.3f));
    fill_box(art, 0, border - 1, kStripLength, border, c.outline);
    return art;
}

// A recessed plate behind the title, with rounded ends; its edges equal the caption exactly.
Image title_plate(bool active) {
    const int width = 2 * title_cap + 4;
    Image art(width, caption);
    for (int y = 0; y < caption; ++y)
        for (int x = 0; x < width; ++x) art.at(x, y) = caption_colour(y, active);
    const float top = 7, bottom = caption - 7;
    Image plate(width, caption);
    rounded_panel(plate, {1, top, width - 1.0f, bottom}, (bottom - top) / 2, active ? hex(0x45484F) : hex(0x393B41),
                  vertical(top, bottom, active ? hex(0x202125) : hex(0x27292D), active ? hex(0x26282C) : hex(0x2B2D31)));
    art.composite(plate, 0, 0);
    return art;
}

enum class Glyph { Close, Maximise, Restore, Minimise };

void draw_glyph(Image& art, Glyph glyph, Point c, Rgba colour) {
    switch (glyph) {
        case Glyph::Close:
            stroke(art, {c.x - 3.2f, c.y - 3.2f}, {c.x + 3.2f, c.y + 3.2f}, 1.6f, colour);
            stroke(art, {c.x - 3.2f, c.y + 3.2f}, {c.x + 3.2f, c.y - 3.2f}, 1.6f, colour);
            break;
        case Glyph::Minimise:
            stroke(art, {c.x - 3.5f, c.y}, {c.x + 3.5f, c.y}, 1.6f, colour);
            break;
        case Glyph::Maximise:
            stroke(art, {c.x - 3.5f, c.y}, {c.x + 3.5f, c.y}, 1.6f, colour);
            stroke(art, {c.x, c.y - 3.5f}, {c.x, c.y + 3.5f}, 1.6f, colour);
            break;
        case Glyph::Restore:
            chevron(art, {c.x, c.y - 1.6f}, 7.0f, 3.0f, Direction::Up, 1.6f, colour);
            chevron(art, {c.x, c.y + 2.2f}, 7.0f, 3.0f, Direction::Down, 1.6f, colour);
            break;
    }
}

struct Disc {
    Rgba ring, top, bottom, glyph;
};

Image caption_frame(Glyph glyph, const Disc& d) {
    Image art(button, button);
    const float r = button / 2.0f;
    assetgen::fill(art, assetgen::circle({r, r}, r - 1.0f), assetgen::solid(d.ring), 6);
    assetgen::fill(art, assetgen::circle({r, r}, r - 2.0f), vertical(2, button - 2, d.top, d.bottom), 6);
    draw_glyph(art, glyph, {r, r}, d.glyph);
    return art;
}

Bitmap24 on_caption(const Image& art) {
    return flatten(art, [](float, float y) { return caption_colour(button_top + static_cast<int>(y), true); }, true);
}

Bitmap24 caption_button(Glyph glyph, Rgba hot, Rgba hot_dark) {
    const Disc normal{hex(0x202125), hex(0x45484F), hex(0x393C42), hex(0xCFC8BC)};
    const Disc pressed{hex(0x101113), hot_dark, assetgen::mix(hot_dark, outline, 0.25f), hex(0x1D1E22)};
    const Disc lit{hex(0x1A1B1E), assetgen::mix(hot, hex(0xFFFFFF), 0.15f), hot, hex(0x1D1E22)};
    return side_by_side({on_caption(caption_frame(glyph, normal)), on_caption(caption_frame(glyph, pressed)),
                         on_caption(caption_frame(glyph, lit))});
}

Rgba menubar_row(int row) { return assetgen::mix(hex(0x303238), hex(0x2A2C31), static_cast<float>(row) / (menubar - 1)); }

Image mdi_frame(Glyph glyph, bool pressed, bool hot) {
    constexpr int w = 16, h = 14;
    Image art(w, h);
    if (pressed || hot)
        rounded_panel(art, {0, 0, w, h}, 3.0f, pressed ? amber_dark : line,
                      assetgen::solid(pressed ? hex(0x24262A) : hex(0x3C3F46)));
    draw_glyph(art, glyph, {w / 2.0f, h / 2.0f}, pressed ? amber_light : text);
    return art;
}

}  // namespace

Rgba caption_colour(int row, bool active) {
    const FrameColours c = frame_colours(active);
    if (row <= 0) return c.outline;
    if (row == 1) return c.light;
    if (row >= caption - 1) return c.inner;
    const float t = static_cast<float>(row - 2) / static_cast<float>(caption - 4);
    return active ? assetgen::mix(caption_top, caption_bottom, t) : assetgen::mix(caption_top_off, caption_bottom_off, t);
}

Bitmap24 draw_left_border() { return side_by_side({keyed(left_side(true)), keyed(left_side(false))}); }
Bitmap24 draw_right_border() {
    return side_by_side({keyed(mirrored(left_side(true))), keyed(mirrored(left_side(false)))});
}
Bitmap24 draw_top_border() { return stacked({keyed(top_side(true)), keyed(top_side(false))}); }
Bitmap24 draw_bottom_border() { return stacked({keyed(bottom_side(true)), keyed(bottom_side(false))}); }
Bitmap24 draw_title_back() { return stacked({keyed(title_plate(true)), keyed(title_plate(false))}); }

Bitmap24 draw_close_button() { return caption_button(Glyph::Close, ember_red, ember_red_dark); }
Bitmap24 draw_maximise_button() { return caption_button(Glyph::Maximise, amber, amber_dark); }
Bitmap24 draw_restore_button() { return caption_button(Glyph::Restore, amber, amber_dark); }
Bitmap24 draw_minimise_button() { return caption_button(Glyph::Minimise, amber, amber_dark); }

Bitmap24 draw_mdi_controls() {
    std::vector<Bitmap24> frames;
    const int top = (menubar - 14) / 2;
    for (Glyph glyph : {Glyph::Minimise, Glyph::Restore, Glyph::Close})
        for (auto [pressed, hot] : {std::pair{false, false}, {true, false}, {false, true}, {false, true}})
            frames.push_back(flatten(mdi_frame(glyph, pressed, hot),
                                     [top](float, float y) { return menubar_row(top + static_cast<int>(y)); }, true));
    return side_by_side(frames);
}

Bitmap24 draw_menubar() {
    std::vector<Bitmap24> frames;
    for (bool active : {true, false}) {
        Image art(16, menubar);
        for (int y = 0; y < menubar; ++y)
            fill_box(art, 0, y, 16, y + 1, active ? menubar_row(y) : assetgen::mix(menubar_row(y), face, 0.5f));
        fill_box(art, 0, menubar - 1, 16, menubar, dark_line);
        frames.push_back(flatten(art, face, false));
    }
    return stacked(frames);
}

// Normal, separator, disabled, selected, selected and pressed.
Bitmap24 draw_menu_item() {
    constexpr int w = 32, h = 22;
    std::vector<Bitmap24> frames;
    for (int frame = 0; frame < 5; ++frame) {
        Image art(w, h);
        if (frame == 1) {
            fill_box(art, 4, h / 2 - 1, w - 4, h / 2, dark_line);
            fill_box(art, 4, h / 2, w - 4, h / 2 + 1, line_soft);
        } else if (frame >= 3) {
            const Rgba top = frame == 3 ? hex(0x4A3A26) : hex(0x5A4428);
            const Rgba bottom = frame == 3 ? hex(0x3F3222) : hex(0x4D3B24);
            rounded_panel(art, {1, 1, w - 1.0f, h - 1.0f}, 4.0f, amber_dark, vertical(2, h - 2, top, bottom));
        }
        frames.push_back(flatten(art, hex(0x26282D), true));
    }
    return side_by_side(frames);
}

Bitmap24 draw_menu_background() {
    constexpr int s = 24;
    Image art(s, s, hex(0x26282D));
    fill_box(art, 0, 0, s, 1, outline);
    fill_box(art, 0, s - 1, s, s, outline);
    fill_box(art, 0, 0, 1, s, outline);
    fill_box(art, s - 1, 0, s, s, outline);
    fill_box(art, 1, 1, s - 1, 2, line_soft);
    fill_box(art, 1, 1, 2, s - 1, line_soft);
    return flatten(art, face, false);
}

}  // namespace skinart::ember
