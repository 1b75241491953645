#include "art_kit.h"

#include <algorithm>

#include "color.h"

namespace skinart {

namespace {

constexpr int kSamples = 6;              // per axis, for anti-aliased shapes
constexpr float kUntouched = 0.5f / 255.0f;  // coverage below this counts as none

}  // namespace

Bitmap24 flatten(const Image& art, const Paint& backdrop, bool keyed) {
    Bitmap24 out(art.width(), art.height());
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const Rgba px = art.at(x, y);
            if (keyed && px.a < kUntouched) continue;
            const Rgba under = backdrop(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            out.at(x, y) = assetgen::unpremultiplied8(assetgen::over(px, under));
        }
    }
    return out;
}

Bitmap24 flatten(const Image& art, Rgba backdrop, bool keyed) {
    return flatten(art, assetgen::solid(backdrop), keyed);
}

void fill_box(Image& image, int x0, int y0, int x1, int y1, Rgba colour) {
    for (int y = std::max(0, y0); y < std::min(image.height(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x) image.at(x, y) = colour;
}

void fill_rows(Image& image, int x0, int y0, int x1, int y1, Rgba top, Rgba bottom) {
    const int rows = y1 - y0;
    for (int y = y0; y < y1; ++y) {
        const float t = rows > 1 ? static_cast<float>(y - y0) / static_cast<float>(rows - 1) : 0.0f;
        fill_box(image, x0, y, x1, y + 1, assetgen::mix(top, bottom, t));
    }
}

Paint vertical(float y0, float y1, Rgba top, Rgba bottom) {
    return [=](float, float y) {
        return assetgen::mix(top, bottom, assetgen::clamp01((y - y0) / (y1 - y0)));
    };
}

void fill_rounded(Image& image, Box box, float radius, const Paint& paint) {
    assetgen::fill(image, assetgen::rounded_rect(box, radius), paint, kSamples);
}

void rounded_panel(Image& image, Box box, float radius, Rgba border, const Paint& body) {
    fill_rounded(image, box, radius, assetgen::solid(border));
    const Box inner{box.x0 + 1, box.y0 + 1, box.x1 - 1, box.y1 - 1};
    fill_rounded(image, inner, std::max(0.0f, radius - 1.0f), body);
}

void stroke(Image& image, Point a, Point b, float width, Rgba colour) {
    assetgen::fill(image, assetgen::capsule(a, b, width), assetgen::solid(colour), kSamples);
}

void chevron(Image& image, Point c, float span, float depth, Direction to, float width,
             Rgba colour) {
    const float h = span / 2.0f, d = depth / 2.0f;
    Point tip, left, right;
    switch (to) {
        case Direction::Up: tip = {c.x, c.y - d}; left = {c.x - h, c.y + d}; right = {c.x + h, c.y + d}; break;
        case Direction::Down: tip = {c.x, c.y + d}; left = {c.x - h, c.y - d}; right = {c.x + h, c.y - d}; break;
        case Direction::Left: tip = {c.x - d, c.y}; left = {c.x + d, c.y - h}; right = {c.x + d, c.y + h}; break;
        case Direction::Right: tip = {c.x + d, c.y}; left = {c.x - d, c.y - h}; right = {c.x - d, c.y + h}; break;
    }
    stroke(image, left, tip, width, colour);
    stroke(image, tip, right, width, colour);
}

void crisp(Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Rgba& px = image.at(x, y);
            if (px.a >= 0.5f)
                px = {px.r / px.a, px.g / px.a, px.b / px.a, 1.0f};
            else
                px = {};
        }
    }
}

Image mirrored(const Image& art) {
    Image out(art.width(), art.height());
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) out.at(art.width() - 1 - x, y) = art.at(x, y);
    return out;
}

}  // namespace skinart
