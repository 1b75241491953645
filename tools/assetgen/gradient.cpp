#include "gradient.h"

#include <cmath>

namespace assetgen {

Rgba colour_at(const std::vector<ColourStop>& stops, float t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const float span = stops[i].at - stops[i - 1].at;
            const float local = span > 0 ? (t - stops[i - 1].at) / span : 1.0f;
            return mix(stops[i - 1].colour, stops[i].colour, local);
        }
    }
    return stops.back().colour;
}

Paint linear_gradient(Point a, Point b, std::vector<ColourStop> stops) {
    const float vx = b.x - a.x, vy = b.y - a.y;
    const float len2 = vx * vx + vy * vy;
    return [=, stops = std::move(stops)](float x, float y) {
        return colour_at(stops, ((x - a.x) * vx + (y - a.y) * vy) / len2);
    };
}

Paint radial_gradient(Point centre, float radius, std::vector<ColourStop> stops) {
    return [=, stops = std::move(stops)](float x, float y) {
        return colour_at(stops, std::hypot(x - centre.x, y - centre.y) / radius);
    };
}

}  // namespace assetgen
