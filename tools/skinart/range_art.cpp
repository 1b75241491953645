#include "range_art.h"

#include <utility>
#include <vector>

#include "color.h"
#include "palette.h"

namespace skinart {

namespace {

namespace p = palette;
using assetgen::hex;
using assetgen::Point;

constexpr int kProgressWidth = 24;
constexpr int kProgressHeight = 16;
constexpr int kChunkWidth = 9;
constexpr int kChunkHeight = 12;
constexpr int kTrackLength = 16;
constexpr int kTrackThickness = 5;
constexpr int kThumbLong = 21;   // a box thumb's length across the channel
constexpr int kPointerLong = 19; // a pointer thumb's
constexpr int kThumbShort = 11;

struct ThumbLook {
    Rgba border, top, bottom;
};

ThumbLook thumb_look(int frame) {
    switch (frame) {
        case 2: return {hex(0x6F86A2), p::paper, hex(0xE1E7EE)};
        case 3: return {p::accent, p::paper, hex(0xDDE8F4)};
        case 4: return {p::accent_dark, hex(0xD2DCE7), hex(0xE0E7EF)};
        case 5: return {p::line_soft, hex(0xF4F6F8), hex(0xEEF1F4)};
        default: break;
    }
    return {hex(0x8797AB), hex(0xFBFCFD), hex(0xE6EBF0)};
}

// The outline of a thumb in a w x h box: a rounded box, or a box with one pointed end.
std::vector<Point> pointer_outline(ThumbShape shape, float w, float h) {
    const float tip_w = w / 2.0f, tip_h = h / 2.0f;
    switch (shape) {
        case ThumbShape::PointDown: return {{0, 0}, {w, 0}, {w, h - tip_w}, {w / 2, h}, {0, h - tip_w}};
        case ThumbShape::PointUp: return {{w / 2, 0}, {w, tip_w}, {w, h}, {0, h}, {0, tip_w}};
        case ThumbShape::PointRight: return {{0, 0}, {w - tip_h, 0}, {w, h / 2}, {w - tip_h, h}, {0, h}};
        case ThumbShape::PointLeft: return {{0, h / 2}, {tip_h, 0}, {w, 0}, {w, h}, {tip_h, h}};
        default: break;
    }
    return {};
}

// A polygon shrunk towards its centre by about one pixel: the body inside the border.
std::vector<Point> inset(const std::vector<Point>& outline, float w, float h) {
    std::vector<Point> inner;
    for (const Point& pt : outline) {
        const float dx = pt.x < w / 2 ? 1.0f : pt.x > w / 2 ? -1.0f : 0.0f;
        const float dy = pt.y < h / 2 ? 1.0f : pt.y > h / 2 ? -1.0f : 0.0f;
        inner.push_back({pt.x + dx * 1.2f, pt.y + dy * 1.2f});
    }
    return inner;
}

Image thumb_frame(ThumbShape shape, int frame, int w, int h) {
    Image art(w, h);
    const ThumbLook look = thumb_look(frame);
    const bool vertical_bar = shape == ThumbShape::BoxVertical || shape == ThumbShape::PointLeft ||
                              shape == ThumbShape::PointRight;
    const Paint body = vertical_bar ? [look, w](float x, float) {
        return assetgen::mix(look.top, look.bottom, assetgen::clamp01(x / static_cast<float>(w)));
    } : vertical(0, static_cast<float>(h), look.top, look.bottom);
    if (shape == ThumbShape::Box || shape == ThumbShape::BoxVertical) {
        rounded_panel(art, {0, 0, static_cast<float>(w), static_cast<float>(h)}, 2.5f, look.border, body);
        return art;
    }
    const std::vector<Point> outline = pointer_outline(shape, static_cast<float>(w), static_cast<float>(h));
    assetgen::fill(art, assetgen::polygon(outline), assetgen::solid(look.border), 6);
    assetgen::fill(art, assetgen::polygon(inset(outline, static_cast<float>(w), static_cast<float>(h))), body, 6);
    return art;
}

std::pair<int, int> thumb_size(ThumbShape shape) {
    switch (shape) {
        case ThumbShape::Box: return {kThumbShort, kThumbLong};
        case ThumbShape::BoxVertical: return {kThumbLong, kThumbShort};
        case ThumbShape::PointUp:
        case ThumbShape::PointDown: return {kThumbShort, kPointerLong};
        case ThumbShape::PointLeft:
        case ThumbShape::PointRight: break;
    }
    return {kPointerLong, kThumbShort};
}

}  // namespace

Bitmap24 draw_progress() {
    const Box box{0, 0, static_cast<float>(kProgressWidth), static_cast<float>(kProgressHeight)};
    Image empty(kProgressWidth, kProgressHeight);
    rounded_panel(empty, box, 3.0f, hex(0xAAB5C3), vertical(1, kProgressHeight - 1, hex(0xE4E9EF), p::paper));
    Image filled(kProgressWidth, kProgressHeight);
    rounded_panel(filled, box, 3.0f, p::teal_line, vertical(1, kProgressHeight - 1, p::teal_top, p::teal_bottom));
    fill_box(filled, 3, 1, kProgressWidth - 3, 2, hex(0x7ACDBD));  // sheen along the top
    return side_by_side({flatten(empty, p::face, true), flatten(filled, p::paper, true)});
}

Bitmap24 draw_progress_chunk() {
    Image art(kChunkWidth, kChunkHeight);
    fill_rounded(art, {0, 0, kChunkWidth - 2.0f, static_cast<float>(kChunkHeight)}, 1.5f,
                 vertical(0, kChunkHeight, p::teal_top, p::teal_bottom));
    return flatten(art, p::paper, true);
}

Bitmap24 draw_track(bool vertical_bar) {
    const int w = vertical_bar ? kTrackThickness : kTrackLength;
    const int h = vertical_bar ? kTrackLength : kTrackThickness;
    Image art(w, h);
    rounded_panel(art, {0, 0, static_cast<float>(w), static_cast<float>(h)}, 2.0f, hex(0xA3AFBE),
                  assetgen::solid(hex(0xDCE2E9)));
    return flatten(art, p::face, true);
}

Bitmap24 draw_track_thumb(ThumbShape shape) {
    const auto [w, h] = thumb_size(shape);
    std::vector<Bitmap24> frames;
    for (int frame = 1; frame <= 5; ++frame) frames.push_back(flatten(thumb_frame(shape, frame, w, h), p::face, true));
    return side_by_side(frames);
}

}  // namespace skinart
