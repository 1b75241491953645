#include "frame_art.h"

#include <cmath>
#include <numbers>

#include "color.h"
#include "metrics.h"
#include "palette.h"

namespace skinart {

namespace {

namespace m = metrics;
namespace p = palette;

constexpr int kSideHeight = m::caption + m::side_stretch + m::border;
constexpr int kStripLength = 16;  // top and bottom borders are stretched along their length
constexpr int kGlowMiddle = 4;

struct FrameColours {
    Rgba outline, highlight, body, inner;
};

FrameColours frame_colours(bool active) {
    if (active) return {p::outline, p::caption_highlight, p::caption_bottom, p::frame_inner};
    return {p::outline_off, p::caption_highlight_off, p::caption_bottom_off, p::frame_inner_off};
}

// The left border's columns from the outside in; the right border mirrors them.
Image left_side(bool active) {
    const FrameColours c = frame_colours(active);
    Image art(m::border, kSideHeight);
    for (int y = 0; y < kSideHeight; ++y) {
        const bool in_caption = y < m::caption - 1;
        const bool in_bottom = y >= kSideHeight - m::border;
        fill_box(art, 0, y, 1, y + 1, c.outline);
        fill_box(art, 1, y, 2, y + 1, in_caption ? c.highlight : c.body);
        fill_box(art, 2, y, m::border, y + 1, in_caption ? caption_colour(y, active) : c.body);
        const int bottom_row = y - (kSideHeight - m::border);
        if (!in_caption && (!in_bottom || bottom_row == 0))
            fill_box(art, m::border - 1, y, m::border, y + 1, c.inner);
    }
    fill_box(art, 0, 0, m::border, 1, c.outline);
    fill_box(art, 0, kSideHeight - 1, m::border, kSideHeight, c.outline);
    // Rounded top corner: the outline steps in by one pixel on each of the first rows.
    art.at(0, 0) = {};
    art.at(1, 0) = {};
    art.at(0, 1) = {};
    art.at(1, 1) = c.outline;
    art.at(0, 2) = c.outline;
    return art;
}

Bitmap24 keyed(const Image& art) { return flatten(art, p::face, true); }

Image top_side(bool active) {
    Image art(kStripLength, m::caption);
    for (int y = 0; y < m::caption; ++y) fill_box(art, 0, y, kStripLength, y + 1, caption_colour(y, active));
    return art;
}

Image bottom_side(bool active) {
    const FrameColours c = frame_colours(active);
    Image art(kStripLength, m::border);
    fill_box(art, 0, 0, kStripLength, 1, c.inner);
    fill_box(art, 0, 1, kStripLength, m::border - 1, c.body);
    fill_box(art, 0, m::border - 1, kStripLength, m::border, c.outline);
    return art;
}

// Soft light behind the title, strongest on the text rows, fading in over the end caps. At its
// edges it equals the caption exactly, so it needs no key colour.
Image title_glow(bool active) {
    const int width = 2 * m::title_glow_cap + kGlowMiddle;
    const float strength = active ? 0.11f : 0.14f;
    Image art(width, m::caption);
    for (int y = 0; y < m::caption; ++y) {
        const float along = static_cast<float>(y - 2) / static_cast<float>(m::caption - 4);
        const float row = along <= 0 || along >= 1 ? 0.0f
                                                   : std::pow(std::sin(std::numbers::pi_v<float> * along), 1.5f);
        for (int x = 0; x < width; ++x) {
            const float from_edge = static_cast<float>(std::min(x, width - 1 - x)) + 0.5f;
            const float across = assetgen::smoothstep(0.0f, static_cast<float>(m::title_glow_cap), from_edge);
            art.at(x, y) = assetgen::mix(caption_colour(y, active), p::paper, strength * row * across);
        }
    }
    return art;
}

}  // namespace

Rgba caption_colour(int row, bool active) {
    const FrameColours c = frame_colours(active);
    if (row <= 0) return c.outline;
    if (row == 1) return c.highlight;
    if (row >= m::caption - 1) return c.inner;
    const float t = static_cast<float>(row - 2) / static_cast<float>(m::caption - 4);
    return active ? assetgen::mix(p::caption_top, p::caption_bottom, t)
                  : assetgen::mix(p::caption_top_off, p::caption_bottom_off, t);
}

Bitmap24 draw_left_border() { return side_by_side({keyed(left_side(true)), keyed(left_side(false))}); }

Bitmap24 draw_right_border() {
    return side_by_side({keyed(mirrored(left_side(true))), keyed(mirrored(left_side(false)))});
}

Bitmap24 draw_top_border() { return stacked({keyed(top_side(true)), keyed(top_side(false))}); }

Bitmap24 draw_bottom_border() { return stacked({keyed(bottom_side(true)), keyed(bottom_side(false))}); }

Bitmap24 draw_title_back() { return stacked({keyed(title_glow(true)), keyed(title_glow(false))}); }

}  // namespace skinart
