#include "button_art.h"

#include "color.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;
using assetgen::hex;

constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 22;

enum class State { Normal, Hot, Pressed, Disabled };

struct Look {
    Rgba border, top, bottom;
};

Image push_button(const Look& look, bool focus_ring) {
    Image art(kButtonWidth, kButtonHeight);
    const Box box{0, 0, static_cast<float>(kButtonWidth), static_cast<float>(kButtonHeight)};
    rounded_panel(art, box, 3.0f, look.border, vertical(1, kButtonHeight - 1, look.top, look.bottom));
    // A light first row inside the border lifts the face.
    fill_box(art, 3, 1, kButtonWidth - 3, 2, assetgen::mix(look.top, p::paper, 0.7f));
    if (focus_ring) {
        const Box ring{1, 1, static_cast<float>(kButtonWidth - 1), static_cast<float>(kButtonHeight - 1)};
        Image inner(kButtonWidth, kButtonHeight);
        rounded_panel(inner, ring, 2.0f, hex(0xA9C3DF), vertical(2, kButtonHeight - 2, look.top, look.bottom));
        art.composite(inner, 0, 0);
    }
    return art;
}

Look box_look(State state) {
    switch (state) {
        case State::Hot: return {p::accent, p::paper, hex(0xE9F1FA)};
        case State::Pressed: return {p::accent_dark, hex(0xD8E3EF), hex(0xE6EDF5)};
        case State::Disabled: return {p::line_soft, hex(0xF5F6F8), hex(0xF1F3F5)};
        case State::Normal: break;
    }
    return {hex(0x8797AB), p::paper, hex(0xEFF2F6)};
}

Look filled_look(State state) {
    switch (state) {
        case State::Hot: return {p::accent, hex(0x6B96C3), hex(0x5583B3)};
        case State::Pressed: return {p::accent_dark, hex(0x41698F), hex(0x3D6388)};
        case State::Disabled: return {hex(0xB7C2CF), hex(0xC5CED9), hex(0xBAC5D1)};
        case State::Normal: break;
    }
    return {p::accent_dark, hex(0x5B88B8), p::accent};
}

constexpr State kStates[] = {State::Normal, State::Hot, State::Pressed, State::Disabled};

Rgba mark_colour(State state) { return state == State::Disabled ? hex(0xF4F6F8) : p::paper; }

Image check_frame(int kind, State state) {
    Image art(m::mark, m::mark);
    const Box box{0, 0, static_cast<float>(m::mark), static_cast<float>(m::mark)};
    const Look look = kind == 1 ? filled_look(state) : box_look(state);
    rounded_panel(art, box, 2.5f, look.border, vertical(1, m::mark - 1, look.top, look.bottom));
    if (kind == 1) {
        stroke(art, {3.4f, 6.8f}, {5.5f, 9.0f}, 1.7f, mark_colour(state));
        stroke(art, {5.5f, 9.0f}, {9.8f, 4.0f}, 1.7f, mark_colour(state));
    } else if (kind == 2) {
        const Look fill = filled_look(state);
        fill_rounded(art, {3, 3, m::mark - 3.0f, m::mark - 3.0f}, 1.5f, vertical(3, m::mark - 3, fill.top, fill.bottom));
    }
    return art;
}

Image radio_frame(bool checked, State state) {
    Image art(m::mark, m::mark);
    const float c = m::mark / 2.0f;
    const Look look = checked ? filled_look(state) : box_look(state);
    assetgen::fill(art, assetgen::circle({c, c}, c), assetgen::solid(look.border), 6);
    assetgen::fill(art, assetgen::circle({c, c}, c - 1), vertical(1, m::mark - 1, look.top, look.bottom), 6);
    if (checked) assetgen::fill(art, assetgen::circle({c, c}, 2.4f), assetgen::solid(mark_colour(state)), 6);
    return art;
}

}  // namespace

Bitmap24 draw_push_buttons() {
    const Look normal{hex(0x95A3B5), hex(0xFDFDFE), hex(0xE6EAF0)};
    const Look pressed{hex(0x6F86A2), hex(0xD5DEE8), hex(0xE3E9F0)};
    const Look disabled{p::line_soft, hex(0xF5F6F8), hex(0xF0F2F5)};
    const Look hot{hex(0x6E8FB5), hex(0xFBFDFF), hex(0xE0EAF5)};
    return side_by_side({
        flatten(push_button(normal, false), p::face, true),
        flatten(push_button(pressed, false), p::face, true),
        flatten(push_button(disabled, false), p::face, true),
        flatten(push_button(hot, false), p::face, true),
        flatten(push_button({p::accent, normal.top, normal.bottom}, true), p::face, true),
    });
}

Bitmap24 draw_check_marks() {
    std::vector<Bitmap24> frames;
    for (int kind = 0; kind < 3; ++kind)
        for (State state : kStates) frames.push_back(flatten(check_frame(kind, state), p::face, true));
    return side_by_side(frames);
}

Bitmap24 draw_radio_marks() {
    std::vector<Bitmap24> frames;
    for (bool checked : {false, true})
        for (State state : kStates) frames.push_back(flatten(radio_frame(checked, state), p::face, true));
    return side_by_side(frames);
}

}  // namespace skinart
