#include "scroll_art.h"

#include "color.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;
using assetgen::hex;

const Rgba kTrack = hex(0xE9EDF1);

enum class State { Normal, Pressed, Disabled, Hot };

Rgba track_colour(State state) {
    switch (state) {
        case State::Pressed: return hex(0xDDE3EA);
        case State::Disabled: return hex(0xF2F4F6);
        case State::Hot: return hex(0xE4E9EE);
        case State::Normal: break;
    }
    return kTrack;
}

struct ThumbLook {
    Rgba border, body;
};

ThumbLook thumb_look(int frame) {
    switch (frame) {
        case 2: return {hex(0x7C8FA6), hex(0x93A4B8)};
        case 3: return {hex(0x95A5B8), hex(0xAFBCCB)};
        default: break;
    }
    return {hex(0xA9B5C4), hex(0xC5CED9)};
}

Image arrow_frame(Direction to, State state) {
    constexpr float s = m::scroll;
    Image art(m::scroll, m::scroll);
    Rgba glyph = hex(0x66768A);
    if (state == State::Hot) {
        rounded_panel(art, {1, 1, s - 1, s - 1}, 2.5f, hex(0xB4C2D2), assetgen::solid(hex(0xDCE4ED)));
        glyph = hex(0x3C5673);
    } else if (state == State::Pressed) {
        rounded_panel(art, {1, 1, s - 1, s - 1}, 2.5f, hex(0x95A7BC), assetgen::solid(hex(0xC4D0DD)));
        glyph = hex(0x2C4460);
    } else if (state == State::Disabled) {
        glyph = p::dim;
    }
    chevron(art, {s / 2, s / 2}, 7.0f, 3.5f, to, 1.6f, glyph);
    return art;
}

// Three short ridges across the thumb, centred on it.
Image grip_frame(bool vertical_bar, int frame) {
    Image art(m::scroll, m::scroll);
    const Rgba ridge = frame == 2 ? hex(0xE9EEF3) : hex(0x7D8DA1);
    for (int i = -1; i <= 1; ++i) {
        const int at = m::scroll / 2 + 2 * i;
        if (vertical_bar)
            fill_box(art, 5, at, m::scroll - 5, at + 1, ridge);
        else
            fill_box(art, at, 5, at + 1, m::scroll - 5, ridge);
    }
    return art;
}

Image size_box() {
    Image art(m::scroll, m::scroll, kTrack);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const int x = m::scroll - 4 - 3 * (row - col), y = m::scroll - 4 - 3 * (2 - row);
            fill_box(art, x, y, x + 2, y + 2, hex(0xA3AFBE));
        }
    return art;
}

Image thumb_frame(int frame) {
    constexpr float s = m::scroll;
    Image art(m::scroll, m::scroll);
    const ThumbLook look = thumb_look(frame);
    rounded_panel(art, {2, 2, s - 2, s - 2}, 4.0f, look.border, assetgen::solid(look.body));
    return art;
}

constexpr State kArrowStates[] = {State::Normal, State::Pressed, State::Disabled, State::Hot};

}  // namespace

Bitmap24 draw_scroll_parts() {
    std::vector<Bitmap24> frames;
    for (Direction to : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        for (State state : kArrowStates) frames.push_back(flatten(arrow_frame(to, state), kTrack, false));
    // Grips lie on the thumb: frames normal, pressed (dragged), hot.
    for (bool vertical_bar : {false, true})
        for (int frame : {1, 2, 3}) frames.push_back(flatten(grip_frame(vertical_bar, frame), thumb_look(frame).body, true));
    frames.push_back(flatten(size_box(), kTrack, false));
    return side_by_side(frames);
}

Bitmap24 draw_scroll_track() {
    std::vector<Bitmap24> frames;
    for (State state : kArrowStates) frames.push_back(flatten(Image(m::scroll, m::scroll, track_colour(state)), kTrack, false));
    return side_by_side(frames);
}

Bitmap24 draw_scroll_thumb() {
    return side_by_side({flatten(thumb_frame(1), kTrack, true), flatten(thumb_frame(2), kTrack, true),
                         flatten(thumb_frame(3), kTrack, true)});
}

}  // namespace skinart
