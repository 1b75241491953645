#include "motif.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "gradient.h"
#include "mask.h"

namespace assetgen {

namespace {

constexpr int kSamples = 8;
constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

Box inset(Box b, float d) { return {b.x0 + d, b.y0 + d, b.x1 - d, b.y1 - d}; }

// Maps fractions of the box to pixels.
struct Frame {
    Box box;
    Point at(float fx, float fy) const {
        return {box.x0 + fx * (box.x1 - box.x0), box.y0 + fy * (box.y1 - box.y0)};
    }
    float height() const { return box.y1 - box.y0; }
};

std::vector<Point> to_points(const Frame& f, std::initializer_list<Point> fractions) {
    std::vector<Point> out;
    for (const Point p : fractions) out.push_back(f.at(p.x, p.y));
    return out;
}

void fill_clipped(Image& image, const Shape& clip, Shape shape, const Paint& paint) {
    fill(image, intersect(std::move(shape), clip), paint, kSamples);
}

void draw_sky(Image& image, const Shape& clip, const Frame& f, float horizon) {
    fill_clipped(image, clip, rect(f.box),
                 linear_gradient(f.at(0, 0), f.at(0, horizon),
                                 {{0.0f, hex(0x2a3578)}, {0.45f, hex(0x7a4f97)},
                                  {0.8f, hex(0xf08a60)}, {1.0f, hex(0xffcf7a)}}));
}

void draw_sun(Image& image, const Shape& clip, Point centre, float radius) {
    fill_clipped(image, clip, circle(centre, radius), solid(hex(0xfff3c8)));
}

void draw_minimal_scene(Image& image, const Shape& clip, const Frame& f) {
    draw_sky(image, clip, f, 1.0f);
    draw_sun(image, clip, f.at(0.42f, 0.30f), f.height() * 0.17f);
    fill_clipped(image, clip,
                 polygon(to_points(f, {{-0.1f, 1.1f}, {-0.1f, 0.80f}, {0.30f, 0.40f}, {0.56f, 0.76f},
                                       {0.74f, 0.60f}, {1.1f, 0.90f}, {1.1f, 1.1f}})),
                 solid(hex(0x342a60)));
}

void draw_water(Image& image, const Shape& clip, const Frame& f, float horizon) {
    fill_clipped(image, clip, rect({f.box.x0, f.at(0, horizon).y, f.box.x1, f.box.y1}),
                 linear_gradient(f.at(0, horizon), f.at(0, 1),
                                 {{0.0f, hex(0x6a5a9a)}, {1.0f, hex(0x2a2a62)}}));
}

void draw_sun_reflection(Image& image, const Shape& clip, const Frame& f, float sun_x,
                         float horizon, float stroke) {
    const float rows[][2] = {{0.05f, 0.16f}, {0.13f, 0.11f}, {0.21f, 0.07f}};
    for (const auto& row : rows) {
        const float y = horizon + row[0];
        fill_clipped(image, clip,
                     capsule(f.at(sun_x - row[1], y), f.at(sun_x + row[1], y), stroke),
                     solid(hex(0xffd89e, 0.9f)));
    }
}

void draw_full_scene(Image& image, const Shape& clip, const Frame& f, Detail detail) {
    const float horizon = 0.70f;
    const float sun_x = 0.44f;
    draw_sky(image, clip, f, horizon);
    draw_sun(image, clip, f.at(sun_x, 0.47f), f.height() * 0.12f);
    if (detail == Detail::full)
        fill_clipped(image, clip,
                     polygon(to_points(f, {{-0.1f, horizon}, {-0.1f, 0.5f}, {0.16f, 0.30f}, {0.34f, 0.50f},
                                           {0.50f, 0.36f}, {0.66f, 0.56f}, {0.84f, 0.30f}, {1.1f, 0.52f},
                                           {1.1f, horizon}})),
                     solid(hex(0x9a6aa4)));
    fill_clipped(image, clip,
                 polygon(to_points(f, {{-0.1f, horizon}, {-0.1f, 0.58f}, {0.28f, 0.40f}, {0.52f, 0.62f},
                                       {0.70f, 0.54f}, {0.90f, 0.64f}, {1.1f, 0.60f}, {1.1f, horizon}})),
                 solid(hex(0x40336e)));
    draw_water(image, clip, f, horizon);
    if (detail == Detail::full)
        draw_sun_reflection(image, clip, f, sun_x, horizon, std::max(1.0f, f.height() * 0.045f));
}

// One arrow of the badge: an arc around the centre ending in a head.
Shape badge_arrow(Point centre, float radius, float width, float start_degrees,
                  float sweep_degrees) {
    return circular_arrow(centre, radius, width, start_degrees * kDegree, sweep_degrees * kDegree,
                          width * 2.4f);
}

// At 16 pixels no anti-aliased stroke survives, so the loop is placed pixel by pixel: a
// ring open at the upper right whose head points right across the gap.
void draw_pixel_arrow(Image& image, int left, int top) {
    static const char* const rows[] = {
        "..##.#.",
        ".#...##",
        "#....#.",
        "#......",
        "#.....#",
        ".#...#.",
        "..###..",
    };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (rows[y][x] == '#') image.at(left + x, top + y) = hex(0xffffff);
}

}  // namespace

void draw_landscape(Image& image, Box box, float corner, Detail detail) {
    const Shape clip = rounded_rect(box, corner);
    const Frame f{box};
    if (detail == Detail::minimal)
        draw_minimal_scene(image, clip, f);
    else
        draw_full_scene(image, clip, f, detail);
}

Shape card_shape(const CardStyle& style) { return rounded_rect(style.outer, style.corner); }

void draw_photo_card(Image& image, const CardStyle& style) {
    Box edge = style.outer;
    float corner = style.corner;
    if (style.outline > 0) {
        fill(image, rounded_rect(edge, corner), solid(hex(0x2b2f45)), kSamples);
        edge = inset(edge, style.outline);
        corner = std::max(0.0f, corner - style.outline);
    }
    if (style.border > 0) {
        fill(image, rounded_rect(edge, corner),
             linear_gradient({0, edge.y0}, {0, edge.y1}, {{0, hex(0xffffff)}, {1, hex(0xe4e8f0)}}),
             kSamples);
        edge = inset(edge, style.border);
        corner = std::max(0.0f, corner - style.border);
    }
    draw_landscape(image, edge, corner, style.detail);
}

void draw_rotation_badge(Image& image, const BadgeStyle& style) {
    float r = style.radius;
    if (style.outline > 0) {
        fill(image, circle(style.centre, r), solid(hex(0x0f3f3a)), kSamples);
        r -= style.outline;
    }
    if (style.rim > 0) {
        fill(image, circle(style.centre, r), solid(hex(0xffffff)), kSamples);
        r -= style.rim;
    }
    const Point c = style.centre;
    fill(image, circle(c, r),
         linear_gradient({c.x, c.y - r}, {c.x, c.y + r}, {{0, hex(0x26b893)}, {1, hex(0x0c7560)}}),
         kSamples);
    const float arrow_radius = r * 0.56f;
    const Paint white = solid(hex(0xffffff));
    switch (style.arrow) {
    case ArrowStyle::twin:
        fill(image, badge_arrow(c, arrow_radius, style.arrow_width, 200, 140), white, kSamples);
        fill(image, badge_arrow(c, arrow_radius, style.arrow_width, 20, 140), white, kSamples);
        break;
    case ArrowStyle::loop:
        fill(image, badge_arrow(c, arrow_radius, style.arrow_width, 130, 270), white, kSamples);
        break;
    case ArrowStyle::pixel:
        draw_pixel_arrow(image, static_cast<int>(c.x) - 3, static_cast<int>(c.y) - 3);
        break;
    }
}

void draw_shadow(Image& image, const Shape& shape, float dy, int radius, float opacity) {
    const int margin = radius * 3;
    Mask mask = padded(rasterize(translated(shape, 0, dy), image.width(), image.height(), 4), margin);
    blur(mask, radius);
    paint_mask(image, mask, -margin, -margin, solid(hex(0x000000, opacity)));
}

}  // namespace assetgen
