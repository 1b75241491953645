#include "edit_art.h"

#include "color.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;
using assetgen::hex;

constexpr int kEdge = 12;
constexpr int kComboWidth = m::scroll + 2;  // the drop-down button's width in the engine
constexpr int kComboHeight = 21;
constexpr int kGlyph = 12;
constexpr int kSpinWidth = 16;
constexpr int kSpinGlyphSpan = 9;  // up-down glyphs, across their direction
constexpr int kSpinGlyphDepth = 6;
constexpr int kSpinHeight = 11;

constexpr int kStates = 4;  // normal, pressed, disabled, hot

Rgba edge_line(int state) {
    switch (state) {
        case 1: return p::accent_dark;
        case 2: return p::line_soft;
        case 3: return p::accent;
        default: break;
    }
    return p::line;
}

struct Face {
    Rgba top, bottom;
};

Face button_face(int state) {
    switch (state) {
        case 1: return {hex(0xCFDAE6), hex(0xDCE4ED)};
        case 2: return {hex(0xF3F5F7), hex(0xF0F2F4)};
        case 3: return {hex(0xF1F6FC), hex(0xDCE7F3)};
        default: break;
    }
    return {hex(0xF9FAFC), hex(0xE7EBF0)};
}

Rgba glyph_colour(int state) {
    switch (state) {
        case 1: return hex(0x263C55);
        case 2: return p::dim;
        case 3: return p::accent_dark;
        default: break;
    }
    return hex(0x4E5D70);
}

Image edge_frame(int state) {
    Image art(kEdge, kEdge);
    rounded_panel(art, {0, 0, kEdge, kEdge}, 2.5f, edge_line(state), assetgen::solid(state == 2 ? hex(0xF4F6F8) : p::paper));
    return art;
}

// The button inside the edge: one key-coloured pixel on top, right and bottom lets the edge
// show through, and a soft divider on the left parts it from the text.
Image combo_frame(int state) {
    Image art(kComboWidth, kComboHeight);
    const Face face = button_face(state);
    fill_rows(art, 1, 1, kComboWidth - 1, kComboHeight - 1, face.top, face.bottom);
    fill_box(art, 0, 2, 1, kComboHeight - 2, state == 2 ? p::line_soft : hex(0xCDD5DF));
    art.at(kComboWidth - 2, 1) = {};
    art.at(kComboWidth - 2, kComboHeight - 2) = {};
    return art;
}

Image arrow_glyph(int state) {
    Image art(kGlyph, kGlyph);
    chevron(art, {kGlyph / 2.0f, kGlyph / 2.0f + 0.5f}, 7.0f, 3.5f, Direction::Down, 1.6f, glyph_colour(state));
    return art;
}

// Dots along the diagonal, each with a light dot below right, like a grip moulded in.
Image size_grip() {
    Image art(kGlyph, kGlyph);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const int x = kGlyph - 3 - 4 * (row - col), y = kGlyph - 3 - 4 * (2 - row);
            fill_box(art, x + 1, y + 1, x + 3, y + 3, p::paper);
            fill_box(art, x, y, x + 2, y + 2, hex(0x9AA7B7));
        }
    return art;
}

Image spin_frame(int state) {
    Image art(kSpinWidth, kSpinHeight);
    const Face face = button_face(state);
    rounded_panel(art, {0, 0, kSpinWidth, kSpinHeight}, 2.5f, edge_line(state),
                  vertical(1, kSpinHeight - 1, face.top, face.bottom));
    return art;
}

Image spin_glyph(Direction to, int state, bool horizontal) {
    const int w = horizontal ? kSpinGlyphDepth : kSpinGlyphSpan, h = horizontal ? kSpinGlyphSpan : kSpinGlyphDepth;
    Image art(w, h);
    chevron(art, {w / 2.0f, h / 2.0f}, 7.0f, 3.5f, to, 1.5f, glyph_colour(state));
    return art;
}

}  // namespace

Bitmap24 draw_sunken_edge() {
    std::vector<Bitmap24> frames;
    for (int state = 0; state < kStates; ++state) frames.push_back(flatten(edge_frame(state), p::face, true));
    return side_by_side(frames);
}

Bitmap24 draw_combo_button() {
    std::vector<Bitmap24> frames;
    for (int state = 0; state < kStates; ++state) frames.push_back(flatten(combo_frame(state), p::paper, true));
    return side_by_side(frames);
}

Bitmap24 draw_extra_images() {
    std::vector<Bitmap24> frames;
    for (int state = 0; state < kStates; ++state) {
        // Each glyph is mixed with the button face of its own state.
        const Face face = button_face(state);
        frames.push_back(flatten(arrow_glyph(state), assetgen::mix(face.top, face.bottom, 0.5f), true));
    }
    frames.push_back(flatten(size_grip(), p::face, true));
    return side_by_side(frames);
}

Bitmap24 draw_up_down_buttons() {
    std::vector<Bitmap24> frames;
    for (int button = 0; button < 2; ++button)
        for (int state = 0; state < kStates; ++state) frames.push_back(flatten(spin_frame(state), p::face, true));
    return side_by_side(frames);
}

Bitmap24 draw_up_down_glyphs(bool horizontal) {
    const Direction first = horizontal ? Direction::Left : Direction::Up;
    const Direction second = horizontal ? Direction::Right : Direction::Down;
    std::vector<Bitmap24> frames;
    for (Direction to : {first, second})
        for (int state = 0; state < kStates; ++state) {
            const Face face = button_face(state);
            frames.push_back(flatten(spin_glyph(to, state, horizontal), assetgen::mix(face.top, face.bottom, 0.5f), true));
        }
    return side_by_side(frames);
}

}  // namespace skinart
