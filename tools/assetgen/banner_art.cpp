#include "banner_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gradient.h"
#include "icon_art.h"
#include "mask.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kW = kBannerWidth;
constexpr float kH = kBannerHeight;
constexpr int kLogoSize = 62;
constexpr int kTextLeft = 80;
constexpr int kSamples = 6;
constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

void draw_background(Image& image) {
    fill(image, rect({0, 0, kW, kH}),
         linear_gradient({0, 0}, {kW, 0},
                         {{0.0f, hex(0x1d2a5a)}, {0.55f, hex(0x24507e)}, {1.0f, hex(0x1f6f86)}}),
         1);
    // A soft sheen on the upper half, as on a lit glass strip.
    fill(image, rect({0, 0, kW, kH * 0.5f}),
         linear_gradient({0, 0}, {0, kH * 0.5f}, {{0, hex(0xffffff, 0.10f)}, {1, hex(0xffffff, 0.02f)}}),
         1);
    fill(image, rect({0, kH - 1, kW, kH}), solid(hex(0x0c1630)), 1);
    fill(image, rect({0, 0, kW, 1}), solid(hex(0xffffff, 0.12f)), 1);
}

// A faint woven lattice fading in toward the right, where the links sit.
void draw_weave(Image& image) {
    const float spacing = 14.0f;
    for (int y = 0; y < kBannerHeight - 1; ++y)
        for (int x = 200; x < kBannerWidth; ++x) {
            const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            const float u = std::fmod(fx + fy, spacing), v = std::fmod(fx - fy + 1000.0f, spacing);
            const float line = std::max(1.0f - std::min(u, spacing - u), 1.0f - std::min(v, spacing - v));
            if (line <= 0) continue;
            const float strength = smoothstep(200, 420, fx) * 0.06f;
            image.blend(x, y, faded(hex(0xffffff), line * strength));
        }
}

void draw_logo_glow(Image& image) {
    const Point c{8.0f + kLogoSize * 0.5f, kH * 0.5f};
    fill(image, circle(c, 60),
         radial_gradient(c, 60, {{0, hex(0x8fd8ff, 0.22f)}, {1, hex(0x8fd8ff, 0.0f)}}), 2);
}

void draw_title(Image& image, const Font& font) {
    const TextLine title = font.render("Tessaloom", 31, 0.7f, 0.4f);
    const int baseline = 37;
    Mask shadow = padded(title.mask, 4);
    blur(shadow, 1);
    paint_mask(image, shadow, kTextLeft + title.left - 4 + 1, baseline - title.ascent - 4 + 2,
               solid(hex(0x05102a, 0.55f)));
    draw_text(image, title, kTextLeft, baseline,
              linear_gradient({0, static_cast<float>(baseline - title.ascent)}, {0, static_cast<float>(baseline)},
                              {{0, hex(0xffffff)}, {1, hex(0xd4ecff)}}));
}

void draw_subtitle(Image& image, const Font& font) {
    const TextLine sub = font.render("桌面壁纸自动轮换", 14, 0.0f, 2.0f);
    draw_text(image, sub, kTextLeft + 2, 59, solid(hex(0xbfe0f5)));
    const TextLine tag = font.render("每天一张新桌面", 12, 0.0f, 0.5f);
    const int x = kTextLeft + 2 + static_cast<int>(sub.advance) + 14;
    fill(image, rect({static_cast<float>(x - 8), 48, static_cast<float>(x - 7), 60}),
         solid(hex(0xbfe0f5, 0.5f)), 1);
    draw_text(image, tag, x, 58, solid(hex(0x9cc7e3)));
}

// The small pictogram in front of a link's text.
using LinkGlyph = void (*)(Image&, Point centre);

void globe_glyph(Image& image, Point c) {
    const Paint white = solid(hex(0xffffff, 0.95f));
    fill(image, subtract(circle(c, 5.6f), circle(c, 4.5f)), white, kSamples);
    fill(image, subtract(ellipse(c, 2.4f, 5.0f), ellipse(c, 1.4f, 4.2f)), white, kSamples);
    fill(image, rect({c.x - 5.0f, c.y - 0.45f, c.x + 5.0f, c.y + 0.45f}), white, kSamples);
}

void refresh_glyph(Image& image, Point c) {
    const Paint white = solid(hex(0xffffff, 0.95f));
    fill(image, circular_arrow(c, 4.3f, 1.3f, 140 * kDegree, 150 * kDegree, 3.4f), white, kSamples);
    fill(image, circular_arrow(c, 4.3f, 1.3f, -40 * kDegree, 150 * kDegree, 3.4f), white, kSamples);
}

// A rounded, lightly filled button with a pictogram and a label.
// Returns the left edge so the caller can place the next link before it.
float draw_link(Image& image, const Font& font, float right, const char* label, LinkGlyph glyph) {
    const TextLine text = font.render(label, 12, 0.0f, 0.5f);
    const float left = right - std::round(32.0f + text.advance);
    const Box box{left, 9, right, 29};
    fill(image, rounded_rect(box, 10), solid(hex(0xffffff, 0.35f)), kSamples);
    fill(image, rounded_rect({box.x0 + 1, box.y0 + 1, box.x1 - 1, box.y1 - 1}, 9),
         linear_gradient({0, box.y0}, {0, box.y1}, {{0, hex(0x3b7fb0)}, {1, hex(0x2a5f8e)}}), kSamples);
    glyph(image, {left + 13.0f, 19.0f});
    draw_text(image, text, static_cast<int>(left) + 23, 24, solid(hex(0xffffff)));
    return left;
}

}  // namespace

Image draw_banner(const Font& font) {
    Image image(kBannerWidth, kBannerHeight, hex(0x000000));
    draw_background(image);
    draw_weave(image);
    draw_logo_glow(image);
    image.composite(draw_logo(kLogoSize), 8, (kBannerHeight - kLogoSize) / 2);
    draw_title(image, font);
    draw_subtitle(image, font);
    // The last link runs a few pixels past the visible width, as if tucked under the frame.
    const float updates = draw_link(image, font, kBannerVisibleWidth + 3, "检查更新", refresh_glyph);
    draw_link(image, font, updates - 6, "官方网站", globe_glyph);
    return image;
}

}  // namespace assetgen
