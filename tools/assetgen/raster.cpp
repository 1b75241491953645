#include "raster.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Paint solid(Rgba colour) {
    return [colour](float, float) { return colour; };
}

void fill(Image& image, const Shape& shape, const Paint& paint, int samples) {
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0)));
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0)));
    const int x1 = std::min(image.width(), static_cast<int>(std::ceil(shape.bounds.x1)));
    const int y1 = std::min(image.height(), static_cast<int>(std::ceil(shape.bounds.y1)));
    const float step = 1.0f / static_cast<float>(samples);
    const float total = static_cast<float>(samples * samples);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * step;
                for (int sx = 0; sx < samples; ++sx) {
                    const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * step;
                    if (shape.contains(px, py)) ++inside;
                }
            }
            if (inside == 0) continue;
            const float cx = static_cast<float>(x) + 0.5f;
            const float cy = static_cast<float>(y) + 0.5f;
            image.blend(x, y, faded(paint(cx, cy), static_cast<float>(inside) / total));
        }
    }
}

}  // namespace assetgen
