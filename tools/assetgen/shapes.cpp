#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;

Box union_box(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
            std::max(a.y1, b.y1)};
}

Box intersection_box(Box a, Box b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1),
            std::min(a.y1, b.y1)};
}

Box points_box(const std::vector<Point>& points) {
    Box box{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points)
        box = union_box(box, {p.x, p.y, p.x, p.y});
    return box;
}

// Angle of (dx, dy) measured from `start` in the sweep's direction, in 0..2pi.
float angle_from(float dx, float dy, float start, float direction) {
    float a = (std::atan2(dy, dx) - start) * direction;
    a = std::fmod(a, kTwoPi);
    return a < 0 ? a + kTwoPi : a;
}

}  // namespace

Shape rect(Box box) {
    return {box, [box](float x, float y) {
                return x >= box.x0 && x < box.x1 && y >= box.y0 && y < box.y1;
            }};
}

Shape rounded_rect(Box box, float radius) {
    return {box, [box, radius](float x, float y) {
                if (x < box.x0 || x >= box.x1 || y < box.y0 || y >= box.y1) return false;
                const float cx = std::clamp(x, box.x0 + radius, box.x1 - radius);
                const float cy = std::clamp(y, box.y0 + radius, box.y1 - radius);
                const float dx = x - cx, dy = y - cy;
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape circle(Point centre, float radius) { return ellipse(centre, radius, radius); }

Shape ellipse(Point c, float rx, float ry) {
    return {{c.x - rx, c.y - ry, c.x + rx, c.y + ry}, [c, rx, ry](float x, float y) {
                const float dx = (x - c.x) / rx, dy = (y - c.y) / ry;
                return dx * dx + dy * dy <= 1.0f;
            }};
}

Shape polygon(std::vector<Point> points) {
    const Box box = points_box(points);
    return {box, [points = std::move(points)](float x, float y) {
                bool inside = false;
                for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const Point& a = points[i];
                    const Point& b = points[j];
                    if ((a.y > y) != (b.y > y) &&
                        x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                        inside = !inside;
                }
                return inside;
            }};
}

Shape capsule(Point a, Point b, float width) {
    const float r = width * 0.5f;
    const Box box{std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
                  std::max(a.y, b.y) + r};
    return {box, [a, b, r](float x, float y) {
                const float vx = b.x - a.x, vy = b.y - a.y;
                const float len2 = vx * vx + vy * vy;
                float t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0.0f;
                t = std::clamp(t, 0.0f, 1.0f);
                const float dx = x - (a.x + vx * t), dy = y - (a.y + vy * t);
                return dx * dx + dy * dy <= r * r;
            }};
}

Shape ring_arc(Point c, float inner, float outer, float start, float sweep) {
    const float direction = sweep < 0 ? -1.0f : 1.0f;
    const float extent = std::abs(sweep);
    return {{c.x - outer, c.y - outer, c.x + outer, c.y + outer},
            [=](float x, float y) {
                const float dx = x - c.x, dy = y - c.y;
                const float d2 = dx * dx + dy * dy;
                if (d2 < inner * inner || d2 > outer * outer) return false;
                return angle_from(dx, dy, start, direction) <= extent;
            }};
}

Shape circular_arrow(Point c, float radius, float thickness, float start, float sweep,
                     float head_width) {
    const float direction = sweep < 0 ? -1.0f : 1.0f;
    // The head takes the last part of the sweep so the arrow keeps its overall extent.
    const float head_length = head_width * 0.8f;
    const float body_sweep = sweep - direction * (head_length / radius);
    const Shape body =
        ring_arc(c, radius - thickness * 0.5f, radius + thickness * 0.5f, start, body_sweep);
    const float base_angle = start + body_sweep;
    const Point radial{std::cos(base_angle), std::sin(base_angle)};
    const Point tangent{-radial.y * direction, radial.x * direction};
    const Point base{c.x + radius * radial.x, c.y + radius * radial.y};
    const float half = head_width * 0.5f;
    const Shape head = polygon({{base.x - radial.x * half, base.y - radial.y * half},
                                {base.x + radial.x * half, base.y + radial.y * half},
                                {base.x + tangent.x * head_length, base.y + tangent.y * head_length}});
    return unite(body, head);
}

Shape below_curve(std::vector<float> top, float x0, float step, float bottom) {
    const float highest = *std::min_element(top.begin(), top.end());
    const Box box{x0, highest, x0 + step * static_cast<float>(top.size() - 1), bottom};
    return {box, [top = std::move(top), x0, step](float x, float y) {
                const float f = (x - x0) / step;
                const int i = std::clamp(static_cast<int>(f), 0, static_cast<int>(top.size()) - 2);
                const float t = std::clamp(f - static_cast<float>(i), 0.0f, 1.0f);
                return y >= top[i] + (top[i + 1] - top[i]) * t;
            }};
}

Shape rotated(Shape shape, Point pivot, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    const Box b = shape.bounds;
    std::vector<Point> corners;
    for (const Point p : {Point{b.x0, b.y0}, Point{b.x1, b.y0}, Point{b.x1, b.y1}, Point{b.x0, b.y1}}) {
        const float dx = p.x - pivot.x, dy = p.y - pivot.y;
        corners.push_back({pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c});
    }
    return {points_box(corners), [inside = std::move(shape.contains), pivot, c, s](float x, float y) {
                const float dx = x - pivot.x, dy = y - pivot.y;
                return inside(pivot.x + dx * c + dy * s, pivot.y - dx * s + dy * c);
            }};
}

Shape translated(Shape shape, float dx, float dy) {
    const Box b = shape.bounds;
    return {{b.x0 + dx, b.y0 + dy, b.x1 + dx, b.y1 + dy},
            [inside = std::move(shape.contains), dx, dy](float x, float y) { return inside(x - dx, y - dy); }};
}

Shape unite(Shape a, Shape b) {
    const Box box = union_box(a.bounds, b.bounds);
    return {box, [a = std::move(a.contains), b = std::move(b.contains)](float x, float y) {
                return a(x, y) || b(x, y);
            }};
}

Shape subtract(Shape a, Shape b) {
    const Box box = a.bounds;
    return {box, [a = std::move(a.contains), b = std::move(b.contains)](float x, float y) {
                return a(x, y) && !b(x, y);
            }};
}

Shape intersect(Shape a, Shape b) {
    const Box box = intersection_box(a.bounds, b.bounds);
    return {box, [a = std::move(a.contains), b = std::move(b.contains)](float x, float y) {
                return a(x, y) && b(x, y);
            }};
}

}  // namespace assetgen
