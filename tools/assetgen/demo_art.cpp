#include "demo_art.h"

#include "wallpaper_art.h"

namespace assetgen {

namespace {

// A colour grade: each output channel is a weighted sum of the input's, plus a lift.
struct Grade {
    float m[3][3];
    float lift[3];
};

Image graded(const Image& source, const Grade& g) {
    Image out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const Rgba c = source.at(x, y);
            const float in[3] = {c.r, c.g, c.b};
            float v[3];
            for (int k = 0; k < 3; ++k)
                v[k] = clamp01(g.m[k][0] * in[0] + g.m[k][1] * in[1] + g.m[k][2] * in[2] + g.lift[k]);
            out.at(x, y) = {v[0], v[1], v[2], 1.0f};
        }
    return out;
}

Image mirrored(const Image& source) {
    Image out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) out.at(x, y) = source.at(source.width() - 1 - x, y);
    return out;
}

}  // namespace

std::vector<DemoPicture> draw_demo_pictures() {
    const Image dusk = draw_wallpaper();
    const Grade dawn = {{{0.55f, 0.35f, 0.20f}, {0.25f, 0.70f, 0.15f}, {0.10f, 0.35f, 0.70f}}, {0.06f, 0.05f, 0.02f}};
    const Grade noon = {{{0.35f, 0.30f, 0.25f}, {0.20f, 0.65f, 0.30f}, {0.15f, 0.25f, 0.95f}}, {0.10f, 0.12f, 0.12f}};
    const Grade night = {{{0.20f, 0.10f, 0.15f}, {0.10f, 0.30f, 0.20f}, {0.15f, 0.25f, 0.80f}}, {0.0f, 0.02f, 0.06f}};
    const Grade amber = {{{1.00f, 0.25f, 0.05f}, {0.45f, 0.55f, 0.05f}, {0.10f, 0.20f, 0.35f}}, {0.04f, 0.02f, 0.0f}};
    std::vector<DemoPicture> pictures;
    pictures.push_back({"dusk.bmp", dusk});
    pictures.push_back({"dawn.bmp", graded(dusk, dawn)});
    pictures.push_back({"seasons/noon.bmp", graded(dusk, noon)});
    pictures.push_back({"seasons/NIGHT.BMP", graded(dusk, night)});
    pictures.push_back({"seasons/far shore/amber.bmp", mirrored(graded(dusk, amber))});
    return pictures;
}

}  // namespace assetgen
