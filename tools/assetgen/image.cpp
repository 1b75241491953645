#include "image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::blend(int x, int y, Rgba src) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Rgba& dst = at(x, y);
    dst = over(src, dst);
}

Rgba Image::sample(float x, float y) const {
    const float fx = std::clamp(x - 0.5f, 0.0f, static_cast<float>(width_ - 1));
    const float fy = std::clamp(y - 0.5f, 0.0f, static_cast<float>(height_ - 1));
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, width_ - 1);
    const int y1 = std::min(y0 + 1, height_ - 1);
    const float tx = fx - static_cast<float>(x0);
    const float ty = fy - static_cast<float>(y0);
    const Rgba top = mix(at(x0, y0), at(x1, y0), tx);
    const Rgba bottom = mix(at(x0, y1), at(x1, y1), tx);
    return mix(top, bottom, ty);
}

void Image::composite(const Image& other, int x, int y) {
    for (int oy = 0; oy < other.height(); ++oy)
        for (int ox = 0; ox < other.width(); ++ox) blend(x + ox, y + oy, other.at(ox, oy));
}

}  // namespace assetgen
