#include "icon_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "motif.h"

namespace assetgen {

namespace {

// Everything that differs between the sizes of the window icon.
struct AppIconLayout {
    CardStyle card;        // the wallpaper in front
    bool stacked = false;  // a second wallpaper shows behind the first
    float stack_dx = 0, stack_dy = 0, stack_angle = 0;  // where the one behind lies
    bool shadow = false;   // soft shadows under card and badge
    BadgeStyle badge;
};

// The 128-pixel design scaled; used from 48 pixels up, where there is room for all of it.
AppIconLayout scaled_layout(float size) {
    const float k = size / 128.0f;
    AppIconLayout l;
    l.card = {{std::round(4 * k), std::round(30 * k), std::round(108 * k), std::round(106 * k)},
              7 * k, std::max(1.0f, 1.5f * k), 5 * k, Detail::full};
    l.stacked = true;
    l.stack_dx = 12 * k;
    l.stack_dy = -13 * k;
    l.stack_angle = -8.0f * std::numbers::pi_v<float> / 180.0f;
    l.shadow = true;
    l.badge = {{97 * k, 97 * k}, 30 * k, std::max(1.0f, 1.5f * k), 4 * k, 7.5f * k, ArrowStyle::twin};
    return l;
}

// Small sizes are laid out on whole pixels so edges stay sharp.
AppIconLayout layout_32() {
    AppIconLayout l;
    l.card = {{0, 7, 27, 27}, 2.5f, 1, 1.5f, Detail::simple};
    l.stacked = true;
    l.stack_dx = 4;
    l.stack_dy = -4;
    l.badge = {{22.5f, 22.5f}, 9.5f, 1, 1, 2.0f, ArrowStyle::loop};
    return l;
}

AppIconLayout layout_16() {
    AppIconLayout l;
    l.card = {{0, 1, 15, 14}, 1.5f, 1, 0, Detail::minimal};
    l.badge = {{10.5f, 10.5f}, 5.5f, 1, 0, 0, ArrowStyle::pixel};
    return l;
}

AppIconLayout layout_for(int size) {
    if (size <= 16) return layout_16();
    if (size <= 32) return layout_32();
    return scaled_layout(static_cast<float>(size));
}

// The wallpaper behind: the same card, moved and turned, seen only around the front one.
void draw_stacked_card(Image& image, const AppIconLayout& l) {
    const Box b = l.card.outer;
    const Point pivot{(b.x0 + b.x1) * 0.5f + l.stack_dx, (b.y0 + b.y1) * 0.5f + l.stack_dy};
    Image behind(image.width(), image.height());
    CardStyle style = l.card;
    style.outer = {b.x0 + l.stack_dx, b.y0 + l.stack_dy, b.x1 + l.stack_dx, b.y1 + l.stack_dy};
    draw_photo_card(behind, style);
    if (l.stack_angle == 0) {
        image.composite(behind, 0, 0);
        return;
    }
    // Turning the finished card keeps its details and edges consistent with the front one.
    const float c = std::cos(l.stack_angle), s = std::sin(l.stack_angle);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const float dx = static_cast<float>(x) + 0.5f - pivot.x;
            const float dy = static_cast<float>(y) + 0.5f - pivot.y;
            image.blend(x, y, behind.sample(pivot.x + dx * c + dy * s, pivot.y - dx * s + dy * c));
        }
}

Image draw_with_layout(int size, const AppIconLayout& l) {
    Image image(size, size);
    const float shadow_dy = static_cast<float>(size) * 0.02f;
    const int shadow_radius = std::max(1, size / 40);
    if (l.stacked) draw_stacked_card(image, l);
    if (l.shadow) draw_shadow(image, card_shape(l.card), shadow_dy, shadow_radius, 0.35f);
    draw_photo_card(image, l.card);
    if (l.shadow)
        draw_shadow(image, circle(l.badge.centre, l.badge.radius), shadow_dy, shadow_radius, 0.35f);
    draw_rotation_badge(image, l.badge);
    return image;
}

}  // namespace

Image draw_app_icon(int size) { return draw_with_layout(size, layout_for(size)); }

Image draw_logo(int size) { return draw_with_layout(size, scaled_layout(static_cast<float>(size))); }

}  // namespace assetgen
