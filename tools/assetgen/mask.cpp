#include "mask.h"

#include <algorithm>

namespace assetgen {

namespace {

// One running-sum box pass over `count` values spaced `stride` apart.
void box_pass(float* values, int count, int stride, int radius, std::vector<float>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) scratch[static_cast<std::size_t>(i)] = values[i * stride];
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    float sum = 0;
    for (int i = -radius; i <= radius; ++i)
        if (i >= 0 && i < count) sum += scratch[static_cast<std::size_t>(i)];
    for (int i = 0; i < count; ++i) {
        values[i * stride] = sum * scale;
        const int leaving = i - radius;
        const int entering = i + radius + 1;
        if (leaving >= 0) sum -= scratch[static_cast<std::size_t>(leaving)];
        if (entering < count) sum += scratch[static_cast<std::size_t>(entering)];
    }
}

}  // namespace

Mask rasterize(const Shape& shape, int width, int height, int samples) {
    Image canvas(width, height);
    fill(canvas, shape, solid({1, 1, 1, 1}), samples);
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask.at(x, y) = canvas.at(x, y).a;
    return mask;
}

Mask padded(const Mask& mask, int margin) {
    Mask out(mask.width + 2 * margin, mask.height + 2 * margin);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) out.at(x + margin, y + margin) = mask.at(x, y);
    return out;
}

void blur(Mask& mask, int radius) {
    if (radius <= 0) return;
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < mask.height; ++y)
            box_pass(&mask.at(0, y), mask.width, 1, radius, scratch);
        for (int x = 0; x < mask.width; ++x)
            box_pass(&mask.at(x, 0), mask.height, mask.width, radius, scratch);
    }
}

void paint_mask(Image& image, const Mask& mask, int x, int y, const Paint& paint) {
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const float c = std::min(mask.at(mx, my), 1.0f);
            if (c <= 0.0f) continue;
            const int px = x + mx, py = y + my;
            image.blend(px, py,
                        faded(paint(static_cast<float>(px) + 0.5f, static_cast<float>(py) + 0.5f), c));
        }
    }
}

}  // namespace assetgen
