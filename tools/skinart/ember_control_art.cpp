#include "ember_control_art.h"

#include "color.h"
#include "ember_style.h"

namespace skinart::ember {

namespace {

struct Look {
    Rgba border, top, bottom;
};

const Look kRaised{hex(0x55595F), raised_top, raised_bottom};
const Look kHot{amber_dark, hex(0x444850), hex(0x383B41)};
const Look kPressed{hex(0x1B1C1F), hex(0x26282C), hex(0x2D2F34)};
const Look kDisabled{hex(0x3A3C42), hex(0x2F3136), hex(0x2D2F34)};
const Look kLit{amber_dark, amber_light, amber};
const Look kLitDisabled{hex(0x5A5048), hex(0x5C544A), hex(0x534B42)};

Image panel(int w, int h, float radius, const Look& look) {
    Image art(w, h);
    rounded_panel(art, {0, 0, static_cast<float>(w), static_cast<float>(h)}, radius, look.border,
                  vertical(1, h - 1.0f, look.top, look.bottom));
    return art;
}

Bitmap24 panels(int w, int h, float radius, const std::vector<Look>& looks, Rgba backdrop) {
    std::vector<Bitmap24> frames;
    for (const Look& look : looks) frames.push_back(flatten(panel(w, h, radius, look), backdrop, true));
    return side_by_side(frames);
}

// A solid triangle pointing `to`, centred on c, `span` across and `depth` along.
void triangle(Image& art, Point c, float span, float depth, Direction to, Rgba colour) {
    const float s = span / 2, d = depth / 2;
    std::vector<Point> p;
    switch (to) {
        case Direction::Up: p = {{c.x - s, c.y + d}, {c.x + s, c.y + d}, {c.x, c.y - d}}; break;
        case Direction::Down: p = {{c.x - s, c.y - d}, {c.x + s, c.y - d}, {c.x, c.y + d}}; break;
        case Direction::Left: p = {{c.x + d, c.y - s}, {c.x + d, c.y + s}, {c.x - d, c.y}}; break;
        case Direction::Right: p = {{c.x - d, c.y - s}, {c.x - d, c.y + s}, {c.x + d, c.y}}; break;
    }
    assetgen::fill(art, assetgen::polygon(p), assetgen::solid(colour), 6);
}

Image check_frame(bool checked, bool enabled) {
    Image art = panel(mark, mark, 3.5f, checked ? (enabled ? kLit : kLitDisabled) : (enabled ? Look{line, paper, hex(0x24262A)} : kDisabled));
    if (checked) {
        const Rgba tick = enabled ? hex(0x1D1E22) : hex(0x3A3630);
        stroke(art, {3.8f, 7.8f}, {6.3f, 10.4f}, 2.0f, tick);
        stroke(art, {6.3f, 10.4f}, {11.3f, 4.4f}, 2.0f, tick);
    }
    return art;
}

Image radio_frame(bool checked, bool enabled) {
    Image art(mark, mark);
    const float c = mark / 2.0f;
    const Look look = enabled ? Look{line, paper, hex(0x24262A)} : kDisabled;
    assetgen::fill(art, assetgen::circle({c, c}, c), assetgen::solid(look.border), 6);
    assetgen::fill(art, assetgen::circle({c, c}, c - 1), vertical(1, mark - 1.0f, look.top, look.bottom), 6);
    if (checked)
        assetgen::fill(art, assetgen::circle({c, c}, 3.6f), vertical(c - 4, c + 4, enabled ? amber_light : hex(0x6A6056),
                                                                      enabled ? amber : hex(0x5A5248)), 6);
    return art;
}

enum class State { Normal, Pressed, Disabled, Hot };

Image arrow_frame(Direction to, State state) {
    const float s = static_cast<float>(scroll);
    Image art(scroll, scroll);
    Rgba glyph = soft_text;
    if (state == State::Hot) {
        fill_rounded(art, {1, 1, s - 1, s - 1}, 3.0f, assetgen::solid(hex(0x3E4148)));
        glyph = amber_light;
    } else if (state == State::Pressed) {
        fill_rounded(art, {1, 1, s - 1, s - 1}, 3.0f, assetgen::solid(hex(0x17181B)));
        glyph = amber;
    } else if (state == State::Disabled) {
        glyph = hex(0x4A4D54);
    }
    triangle(art, {s / 2, s / 2}, 8.0f, 4.5f, to, glyph);
    return art;
}

const Rgba kTrack = hex(0x222428);

Rgba thumb_body(int frame) { return frame == 2 ? amber_dark : frame == 3 ? hex(0x6A6E77) : hex(0x52565E); }

// Two dots across the thumb's middle.
Image grip_frame(bool vertical_bar, int frame) {
    Image art(scroll, scroll);
    const Rgba dot = frame == 2 ? amber_light : hex(0x8D9199);
    for (int i : {-2, 2}) {
        const float at = scroll / 2.0f + i;
        const Point c = vertical_bar ? Point{scroll / 2.0f, at} : Point{at, scroll / 2.0f};
        assetgen::fill(art, assetgen::circle(c, 1.1f), assetgen::solid(dot), 6);
    }
    return art;
}

constexpr State kStates[] = {State::Normal, State::Pressed, State::Disabled, State::Hot};

Look state_look(State state) {
    switch (state) {
        case State::Pressed: return kPressed;
        case State::Disabled: return kDisabled;
        case State::Hot: return kHot;
        case State::Normal: break;
    }
    return kRaised;
}

}  // namespace

// Normal, pressed, disabled, hot, focused.
Bitmap24 draw_push_buttons() {
    const Look focused{amber, raised_top, raised_bottom};
    std::vector<Bitmap24> frames;
    for (const Look& look : {kRaised, kPressed, kDisabled, kHot, focused}) {
        Image art = panel(34, 24, 5.0f, look);
        fill_box(art, 5, 1, 29, 2, assetgen::mix(look.top, hex(0xFFFFFF), 0.08f));
        frames.push_back(flatten(art, face, true));
    }
    return side_by_side(frames);
}

Bitmap24 draw_check_marks() {
    std::vector<Bitmap24> frames;
    for (bool enabled : {true, false})
        for (bool checked : {false, true}) frames.push_back(flatten(check_frame(checked, enabled), face, true));
    return side_by_side(frames);
}

Bitmap24 draw_radio_marks() {
    std::vector<Bitmap24> frames;
    for (bool enabled : {true, false})
        for (bool checked : {false, true}) frames.push_back(flatten(radio_frame(checked, enabled), face, true));
    return side_by_side(frames);
}

Bitmap24 draw_progress() {
    return panels(24, 14, 6.0f, {{dark_line, paper, hex(0x232529)}, {amber_dark, amber_light, amber}}, face);
}

Bitmap24 draw_progress_chunk() {
    Image art(10, 10);
    rounded_panel(art, {0, 0, 8, 10}, 2.0f, amber_dark, vertical(1, 9, amber_light, amber));
    return flatten(art, paper, true);
}

// Normal, selected, hot, disabled, selected and focused: rounded at the top, open at the bottom.
Bitmap24 draw_tabs() {
    constexpr int w = 26, h = 24;
    std::vector<Bitmap24> frames;
    const Look looks[] = {{line_soft, hex(0x2F3136), hex(0x2B2D32)}, {line, hex(0x3A3D44), face},
                          {amber_dark, hex(0x3A3D44), hex(0x303237)}, {hex(0x34363B), hex(0x2B2D31), hex(0x2A2C30)},
                          {amber, hex(0x3A3D44), face}};
    for (int i = 0; i < 5; ++i) {
        Image art(w, h);
        rounded_panel(art, {0, 0, w, h + 6.0f}, 5.0f, looks[i].border, vertical(1, h, looks[i].top, looks[i].bottom));
        if (i == 1 || i == 4) fill_box(art, 4, 1, w - 4, 3, i == 4 ? amber : amber_dark);
        frames.push_back(flatten(art, face, true));
    }
    return side_by_side(frames);
}

Bitmap24 draw_tab_pane() {
    Image art(16, 16, face);
    fill_box(art, 0, 0, 16, 1, line);
    fill_box(art, 0, 0, 1, 16, line);
    fill_box(art, 15, 0, 16, 16, dark_line);
    fill_box(art, 0, 15, 16, 16, dark_line);
    return flatten(art, face, false);
}

Bitmap24 draw_group_box_label() {
    Image art = panel(24, 18, 6.0f, {line_soft, hex(0x34373D), hex(0x2F3136)});
    return flatten(art, face, true);
}

// Normal, disabled: a rounded edge, open in the middle.
Bitmap24 draw_group_box_edge() {
    std::vector<Bitmap24> frames;
    for (Rgba edge : {line, line_soft}) {
        Image art(16, 16);
        Image ring(16, 16);
        rounded_panel(ring, {0, 0, 16, 16}, 6.0f, edge, assetgen::solid({}));
        art.composite(ring, 0, 0);
        frames.push_back(flatten(art, face, true));
    }
    return side_by_side(frames);
}

// Lowered, raised, flat.
Bitmap24 draw_status_bar_edges() {
    std::vector<Bitmap24> frames;
    for (int i = 0; i < 3; ++i) {
        Image art(16, 20, hex(0x26282D));
        if (i == 0) {
            fill_box(art, 0, 0, 16, 1, dark_line);
            fill_box(art, 0, 0, 1, 20, dark_line);
            fill_box(art, 0, 19, 16, 20, line_soft);
            fill_box(art, 15, 0, 16, 20, line_soft);
        } else if (i == 1) {
            fill_box(art, 0, 0, 16, 1, line);
            fill_box(art, 0, 19, 16, 20, dark_line);
        }
        frames.push_back(flatten(art, face, false));
    }
    return side_by_side(frames);
}

// Normal, hot, pressed, disabled, sorted.
Bitmap24 draw_header_items() {
    constexpr int w = 20, h = 22;
    std::vector<Bitmap24> frames;
    const Rgba tops[] = {hex(0x34373D), hex(0x3F424A), hex(0x27292D), hex(0x2E3035), hex(0x3A3D44)};
    for (int i = 0; i < 5; ++i) {
        Image art(w, h);
        fill_rows(art, 0, 0, w, h, tops[i], assetgen::mix(tops[i], outline, 0.25f));
        fill_box(art, w - 1, 4, w, h - 4, line);
        fill_box(art, 0, h - 1, w, h, i == 4 ? amber : dark_line);
        if (i == 1) fill_box(art, 0, h - 2, w, h - 1, amber_dark);
        frames.push_back(flatten(art, face, false));
    }
    return side_by_side(frames);
}

// Normal, pressed, disabled, hot, checked.
Bitmap24 draw_toolbar_buttons() {
    return panels(22, 22, 4.0f, {{face, face, face}, kPressed, {face, face, face}, kHot, {amber_dark, hex(0x2B2D31), hex(0x2F3136)}},
                  face);
}

// Normal, pressed, disabled, focused.
Bitmap24 draw_sunken_edge() {
    return panels(12, 12, 3.0f, {{dark_line, paper, paper}, {dark_line, paper, paper}, {line_soft, hex(0x26282C), hex(0x26282C)},
                                {amber_dark, paper, paper}},
                  face);
}

Bitmap24 draw_combo_button() {
    std::vector<Bitmap24> frames;
    for (State state : kStates) {
        Image art(scroll + 2, 21);
        const Look look = state_look(state);
        rounded_panel(art, {0, 0, scroll + 2.0f, 21}, 3.0f, look.border, vertical(1, 20, look.top, look.bottom));
        frames.push_back(flatten(art, paper, true));
    }
    return side_by_side(frames);
}

// Four drop-down arrows (normal, pressed, disabled, hot), then the size grip.
Bitmap24 draw_extra_images() {
    std::vector<Bitmap24> frames;
    for (State state : kStates) {
        Image art(12, 12);
        const Rgba colour = state == State::Disabled ? hex(0x55585F) : state == State::Normal ? soft_text : amber_light;
        triangle(art, {6, 6.5f}, 8.0f, 4.5f, Direction::Down, colour);
        frames.push_back(flatten(art, raised_bottom, true));
    }
    Image grip(12, 12);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col)
            assetgen::fill(grip, assetgen::circle({9.5f - 3.5f * (row - col), 9.5f - 3.5f * (2 - row)}, 1.1f),
                           assetgen::solid(hex(0x7A7E86)), 6);
    frames.push_back(flatten(grip, hex(0x26282D), true));
    return side_by_side(frames);
}

// The first button in four states, then the second.
Bitmap24 draw_up_down_buttons() {
    std::vector<Bitmap24> frames;
    for (int button = 0; button < 2; ++button)
        for (State state : kStates) frames.push_back(flatten(panel(16, 12, 3.0f, state_look(state)), face, true));
    return side_by_side(frames);
}

Bitmap24 draw_up_down_glyphs(bool horizontal) {
    const int w = horizontal ? 6 : 9, h = horizontal ? 9 : 6;
    std::vector<Bitmap24> frames;
    for (Direction to : horizontal ? std::vector{Direction::Left, Direction::Right} : std::vector{Direction::Up, Direction::Down})
        for (State state : kStates) {
            Image art(w, h);
            const Rgba colour = state == State::Disabled ? hex(0x55585F) : state == State::Normal ? text : amber_light;
            triangle(art, {w / 2.0f, h / 2.0f}, horizontal ? 8.0f : 8.0f, horizontal ? 5.0f : 5.0f, to, colour);
            crisp(art);
            frames.push_back(flatten(art, raised_bottom, true));
        }
    return side_by_side(frames);
}

Bitmap24 draw_scroll_parts() {
    std::vector<Bitmap24> frames;
    for (Direction to : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        for (State state : kStates) frames.push_back(flatten(arrow_frame(to, state), kTrack, false));
    for (bool vertical_bar : {false, true})
        for (int frame : {1, 2, 3}) frames.push_back(flatten(grip_frame(vertical_bar, frame), thumb_body(frame), true));
    Image box(scroll, scroll, kTrack);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col)
            assetgen::fill(box, assetgen::circle({12.5f - 3.5f * (row - col), 12.5f - 3.5f * (2 - row)}, 1.1f),
                           assetgen::solid(hex(0x6A6E76)), 6);
    frames.push_back(flatten(box, kTrack, false));
    return side_by_side(frames);
}

// Normal, pressed, disabled, hot: a dark channel with a darker groove down its middle.
Bitmap24 draw_scroll_track() {
    std::vector<Bitmap24> frames;
    for (State state : kStates) {
        const Rgba base = state == State::Pressed ? hex(0x1A1B1E) : state == State::Hot ? hex(0x26282C) : kTrack;
        Image art(scroll, scroll, base);
        frames.push_back(flatten(art, kTrack, false));
    }
    return side_by_side(frames);
}

// Normal, dragged, hot: a slim rounded bar inside the channel.
Bitmap24 draw_scroll_thumb() {
    std::vector<Bitmap24> frames;
    for (int frame : {1, 2, 3}) {
        Image art(scroll, scroll);
        const float s = static_cast<float>(scroll);
        rounded_panel(art, {3, 3, s - 3, s - 3}, 5.0f, assetgen::mix(thumb_body(frame), outline, 0.35f),
                      assetgen::solid(thumb_body(frame)));
        frames.push_back(flatten(art, kTrack, true));
    }
    return side_by_side(frames);
}

Bitmap24 draw_track(bool vertical_bar) {
    const int w = vertical_bar ? 6 : 16, h = vertical_bar ? 16 : 6;
    Image art(w, h);
    rounded_panel(art, {0, 0, static_cast<float>(w), static_cast<float>(h)}, 3.0f, dark_line, assetgen::solid(paper));
    return flatten(art, face, true);
}

// Normal, focused, hot, pressed, disabled.
Bitmap24 draw_track_thumb(int width, int height, Direction points, bool pointed) {
    std::vector<Bitmap24> frames;
    const Look looks[] = {kRaised, {amber_dark, raised_top, raised_bottom}, kHot, {amber_dark, amber, amber_dark}, kDisabled};
    for (const Look& look : looks) {
        Image art(width, height);
        const float w = static_cast<float>(width), h = static_cast<float>(height);
        if (!pointed) {
            rounded_panel(art, {0, 0, w, h}, 3.0f, look.border, vertical(1, h - 1, look.top, look.bottom));
        } else {
            const float tip = 5.0f;
            std::vector<Point> p;
            switch (points) {
                case Direction::Down: p = {{0.5f, 0.5f}, {w - 0.5f, 0.5f}, {w - 0.5f, h - tip}, {w / 2, h - 0.5f}, {0.5f, h - tip}}; break;
                case Direction::Up: p = {{0.5f, h - 0.5f}, {w - 0.5f, h - 0.5f}, {w - 0.5f, tip}, {w / 2, 0.5f}, {0.5f, tip}}; break;
                case Direction::Right: p = {{0.5f, 0.5f}, {w - tip, 0.5f}, {w - 0.5f, h / 2}, {w - tip, h - 0.5f}, {0.5f, h - 0.5f}}; break;
                case Direction::Left: p = {{w - 0.5f, 0.5f}, {tip, 0.5f}, {0.5f, h / 2}, {tip, h - 0.5f}, {w - 0.5f, h - 0.5f}}; break;
            }
            assetgen::fill(art, assetgen::polygon(p), assetgen::solid(look.border), 6);
            std::vector<Point> inner;
            const float cx = w / 2, cy = h / 2;
            for (const Point& q : p) inner.push_back({cx + (q.x - cx) * (w - 2.5f) / w, cy + (q.y - cy) * (h - 2.5f) / h});
            assetgen::fill(art, assetgen::polygon(inner), vertical(1, h - 1, look.top, look.bottom), 6);
        }
        frames.push_back(flatten(art, face, true));
    }
    return side_by_side(frames);
}

}  // namespace skinart::ember
