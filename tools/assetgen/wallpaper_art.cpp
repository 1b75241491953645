#include "wallpaper_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gradient.h"
#include "noise.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kWidth = kWallpaperWidth;
constexpr float kHeight = kWallpaperHeight;
constexpr float kHorizon = 330.0f;  // the water line
constexpr Point kSun{536.0f, 236.0f};
constexpr float kSkyBottom = 285.0f;  // the sky's warmest colour, just behind the far peaks
constexpr float kSunRadius = 19.0f;
constexpr int kSamples = 4;

// A mountain skyline tabulated every pixel; y grows downward, so smaller is higher.
struct Ridge {
    std::vector<float> top;

    float at(float x) const {
        const int i = std::clamp(static_cast<int>(x), 0, static_cast<int>(top.size()) - 1);
        return top[static_cast<std::size_t>(i)];
    }
};

// How one range of mountains looks.
struct RangeStyle {
    float base;          // mean height of the skyline
    float relief;        // how far peaks rise above the base
    float roughness;     // share of the small octaves: 0 gives soft hills
    float scale;         // pixels per noise cell: the width of a typical peak
    std::uint32_t seed;  // which range
    Rgba crest;          // colour just under the skyline
    Rgba foot;           // colour at the water line
};

std::vector<ColourStop> sky_stops() {
    return {{0.00f, hex(0x10163a)}, {0.30f, hex(0x2c2c62)}, {0.55f, hex(0x5e3f78)},
            {0.72f, hex(0xa4567a)}, {0.85f, hex(0xe27c62)}, {0.95f, hex(0xf7ae68)},
            {1.00f, hex(0xfcd089)}};
}

Rgba sky_colour(float y) { return colour_at(sky_stops(), y / kSkyBottom); }

void draw_sky(Image& image) {
    const Paint sky = linear_gradient({0, 0}, {0, kSkyBottom}, sky_stops());
    fill(image, rect({0, 0, kWidth, kHorizon + 1}), sky, 1);
}

void draw_stars(Image& image) {
    for (std::uint32_t i = 0; i < 90; ++i) {
        const float x = hash01(i, 11) * kWidth;
        const float y = hash01(i, 12) * hash01(i, 13) * 170.0f;
        const float brightness = (0.35f + 0.65f * hash01(i, 14)) * (1.0f - y / 190.0f);
        const float r = hash01(i, 15) > 0.9f ? 1.1f : 0.6f;
        fill(image, circle({x, y}, r), solid(hex(0xfff4e0, brightness)), kSamples);
    }
}

void draw_sun(Image& image) {
    const Paint glow = radial_gradient(kSun, 300.0f,
        {{0.0f, hex(0xfff0c0, 0.85f)}, {0.12f, hex(0xffd08a, 0.45f)},
         {0.4f, hex(0xf59a6a, 0.16f)}, {1.0f, hex(0xf59a6a, 0.0f)}});
    fill(image, rect({0, 0, kWidth, kHorizon + 1}), glow, 1);
    fill(image, circle(kSun, kSunRadius),
         radial_gradient(kSun, kSunRadius, {{0.0f, hex(0xfffbe8)}, {1.0f, hex(0xffe3a0)}}),
         kSamples);
}

// Long, thin strands of cloud lit from below by the low sun.
void draw_clouds(Image& image) {
    for (int y = 40; y < 250; ++y) {
        const float fy = static_cast<float>(y);
        const float band = smoothstep(40, 90, fy) * (1.0f - smoothstep(200, 250, fy));
        const Rgba lit = mix(hex(0x8d5a8e), hex(0xffb38a), smoothstep(60, 240, fy));
        for (int x = 0; x < kWallpaperWidth; ++x) {
            const float fx = static_cast<float>(x);
            const float n = fractal_noise(fx / 230.0f, fy / 11.0f, 5, 0.5f, 7);
            const float density = smoothstep(0.12f, 0.5f, n) * band;
            if (density <= 0) continue;
            const float near_sun = std::exp(-std::hypot(fx - kSun.x, (fy - kSun.y) * 2.0f) / 260.0f);
            const Rgba colour = mix(lit, hex(0xffe2b0), near_sun * 0.6f);
            image.blend(x, y, faded(colour, density * 0.55f));
        }
    }
}

Ridge make_ridge(const RangeStyle& style) {
    Ridge ridge;
    ridge.top.resize(kWallpaperWidth + 1);
    for (int x = 0; x <= kWallpaperWidth; ++x) {
        const float u = static_cast<float>(x) / style.scale;
        // Ridged noise gives sharp crests; blending with plain noise softens them.
        const float broad = 1.0f - std::abs(fractal_noise(u, 3, 0.45f, style.seed));
        const float detail = fractal_noise(u * 4.0f, 4, 0.5f, style.seed + 7);
        const float height = broad * broad + detail * style.roughness * 0.25f;
        ridge.top[static_cast<std::size_t>(x)] = style.base - height * style.relief;
    }
    return ridge;
}

void draw_range(Image& image, const RangeStyle& style) {
    const Ridge ridge = make_ridge(style);
    const Rgba mist = sky_colour(kHorizon - 12.0f);
    const Paint paint = [ridge, style, mist](float x, float y) {
        const float depth = (y - ridge.at(x)) / std::max(8.0f, kHorizon - ridge.at(x));
        const Rgba body = mix(style.crest, style.foot, std::clamp(depth, 0.0f, 1.0f));
        // Mist gathers over the water at the foot of each range.
        const float haze = smoothstep(style.base - 30.0f, kHorizon, y) * 0.35f;
        return mix(body, mist, haze);
    };
    fill(image, below_curve(ridge.top, 0, 1, kHorizon + 1), paint, kSamples);
}

// Points of a conifer: a narrow stack of drooping tiers on a short trunk.
std::vector<Point> conifer(float x, float ground, float height, float width) {
    std::vector<Point> left, right;
    const int tiers = std::max(3, static_cast<int>(height / 9.0f));
    const float top = ground - height;
    left.push_back({x, top});
    for (int t = 1; t <= tiers; ++t) {
        const float f = static_cast<float>(t) / static_cast<float>(tiers);
        const float y = top + (height * 0.88f) * f;
        const float half = width * 0.5f * (0.25f + 0.75f * f);
        left.push_back({x - half, y});
        left.push_back({x - half * 0.45f, y - height * 0.02f});
        right.push_back({x + half, y});
        right.push_back({x + half * 0.45f, y - height * 0.02f});
    }
    const float trunk = std::max(1.0f, width * 0.06f);
    left.push_back({x - trunk, ground + 1});
    right.push_back({x + trunk, ground + 1});
    std::vector<Point> outline = left;
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return outline;
}

// A low wooded shore along the far side of the lake.
void draw_far_shore(Image& image) {
    const Rgba colour = hex(0x241f3d);
    std::vector<float> bank(kWallpaperWidth + 1);
    for (int x = 0; x <= kWallpaperWidth; ++x)
        bank[static_cast<std::size_t>(x)] =
            kHorizon - 4.0f - 3.0f * (1.0f + fractal_noise(static_cast<float>(x) / 60.0f, 3, 0.5f, 31));
    fill(image, below_curve(bank, 0, 1, kHorizon + 1), solid(colour), kSamples);
    for (std::uint32_t i = 0; i < 140; ++i) {
        const float x = hash01(i, 41) * kWidth;
        if (x > 380 && x < 470) continue;  // an open meadow breaks the line of trees
        const float h = 7.0f + 11.0f * hash01(i, 42);
        fill(image, polygon(conifer(x, kHorizon - 4.0f, h, h * 0.42f)), solid(colour), kSamples);
    }
}

void reflect_into_water(Image& image) {
    const Image above = image;
    const Rgba deep = hex(0x151a36);
    for (int y = static_cast<int>(kHorizon); y < kWallpaperHeight; ++y) {
        const float fy = static_cast<float>(y) + 0.5f;
        const float d = fy - kHorizon;
        const float spread = 0.4f + d * 0.05f;
        for (int x = 0; x < kWallpaperWidth; ++x) {
            const float fx = static_cast<float>(x) + 0.5f;
            // Ripples are wide and flat, and grow as the water comes nearer.
            const float wobble = fractal_noise(fx / 55.0f, fy / 2.2f, 3, 0.5f, 51);
            const float sx = fx + wobble * spread * 3.0f;
            const float sy = kHorizon - d * 0.92f - std::abs(wobble) * spread;
            Rgba c = above.sample(sx, std::max(0.5f, sy));
            const float sheen = fractal_noise(fx / 140.0f, fy / 1.6f, 2, 0.5f, 61);
            c = faded(c, 0.78f + sheen * 0.08f);
            c.a = 1.0f;
            image.at(x, y) = mix(c, deep, std::clamp(0.12f + d / 260.0f, 0.0f, 0.7f));
        }
    }
}

// The sun's broken path of light across the ripples.
void draw_sun_glitter(Image& image) {
    for (int y = static_cast<int>(kHorizon) + 1; y < kWallpaperHeight; ++y) {
        const float fy = static_cast<float>(y) + 0.5f;
        const float d = fy - kHorizon;
        const float half_width = 8.0f + d * 0.55f;
        const float fade_out = 1.0f - smoothstep(20, 170, d) * 0.8f;
        for (int x = static_cast<int>(kSun.x - half_width * 2); x < static_cast<int>(kSun.x + half_width * 2); ++x) {
            const float fx = static_cast<float>(x) + 0.5f;
            const float across = std::abs(fx - kSun.x) / half_width;
            const float spark = fractal_noise(fx / 9.0f, fy / 1.3f, 2, 0.5f, 71);
            const float strength = smoothstep(0.15f, 0.6f, spark) * std::exp(-across * across * 1.6f) * fade_out;
            if (strength > 0) image.blend(x, y, faded(hex(0xffd9a0), strength * 0.8f));
        }
    }
}

// A dark wooded point in the near left corner, framing the view.
void draw_foreground(Image& image) {
    const Rgba colour = hex(0x0d0d1e);
    std::vector<float> ground(kWallpaperWidth + 1);
    for (int x = 0; x <= kWallpaperWidth; ++x) {
        const float fx = static_cast<float>(x);
        const float slope = 430.0f + std::pow(fx / 300.0f, 1.6f) * 70.0f;
        ground[static_cast<std::size_t>(x)] = slope + fractal_noise(fx / 25.0f, 3, 0.5f, 81) * 4.0f;
    }
    fill(image, below_curve(ground, 0, 1, kHeight), solid(colour), kSamples);
    const struct { float x, h; } trees[] = {{18, 250}, {52, 205}, {84, 230}, {118, 160},
                                            {146, 120}, {178, 88}, {205, 62}, {-8, 190}};
    for (const auto& t : trees) {
        const float base = ground[static_cast<std::size_t>(std::clamp(t.x, 0.0f, kWidth))] + 6.0f;
        fill(image, polygon(conifer(t.x, base, t.h, t.h * 0.34f)), solid(colour), kSamples);
        // Undergrowth closes the gaps between the lowest boughs and the slope.
        fill(image, ellipse({t.x, base - t.h * 0.05f}, t.h * 0.26f, t.h * 0.09f), solid(colour), kSamples);
    }
}

// Slightly darker corners draw the eye to the sunset.
void apply_vignette(Image& image) {
    for (int y = 0; y < kWallpaperHeight; ++y)
        for (int x = 0; x < kWallpaperWidth; ++x) {
            const float dx = (static_cast<float>(x) - kWidth * 0.6f) / kWidth;
            const float dy = (static_cast<float>(y) - kHeight * 0.55f) / kHeight;
            const float k = 1.0f - 0.35f * smoothstep(0.25f, 0.9f, dx * dx + dy * dy * 1.5f);
            Rgba& p = image.at(x, y);
            p = {p.r * k, p.g * k, p.b * k, p.a};
        }
}

}  // namespace

Image draw_wallpaper() {
    Image image(kWallpaperWidth, kWallpaperHeight, hex(0x000000));
    draw_sky(image);
    draw_stars(image);
    draw_clouds(image);
    draw_sun(image);
    const RangeStyle ranges[] = {
        {258, 90, 0.8f, 190, 3, hex(0x9a6f93), hex(0xb98490)},
        {290, 62, 0.9f, 130, 5, hex(0x6a4f80), hex(0x87648a)},
        {312, 44, 0.7f, 90, 9, hex(0x46395f), hex(0x574569)},
        {324, 22, 0.3f, 150, 13, hex(0x2d2847), hex(0x372e51)},
    };
    for (const RangeStyle& range : ranges) draw_range(image, range);
    draw_far_shore(image);
    reflect_into_water(image);
    draw_sun_glitter(image);
    draw_foreground(image);
    apply_vignette(image);
    return image;
}

}  // namespace assetgen
