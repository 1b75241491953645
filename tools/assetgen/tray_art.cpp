#include "tray_art.h"

#include <algorithm>
#include <cmath>

#include "motif.h"

namespace assetgen {

namespace {

// Everything that differs between the sizes of the tray icon.
struct TrayLayout {
    CardStyle card;
    BadgeStyle badge;
};

TrayLayout scaled_layout(float size) {
    const float k = size / 128.0f;
    const float outline = std::max(1.0f, std::round(2.5f * k));
    TrayLayout l;
    l.card = {{std::round(2 * k), std::round(14 * k), std::round(116 * k), std::round(104 * k)},
              8 * k, outline, std::max(1.0f, 5 * k), Detail::full};
    l.badge = {{94 * k, 94 * k}, 33 * k, outline, std::max(1.0f, 4 * k), 8 * k, ArrowStyle::twin};
    return l;
}

// Whole-pixel layouts for the sizes a task bar normally shows.
TrayLayout layout_16() {
    return {{{0, 1, 16, 13}, 1.5f, 1, 0, Detail::minimal}, {{10.5f, 10.5f}, 5.5f, 1, 0, 0, ArrowStyle::pixel}};
}

TrayLayout layout_24() {
    return {{{0, 2, 23, 19}, 2, 1, 1, Detail::simple}, {{16.5f, 16.5f}, 7.5f, 1, 0, 1.6f, ArrowStyle::loop}};
}

TrayLayout layout_32() {
    return {{{0, 3, 30, 25}, 2.5f, 1, 1.5f, Detail::simple}, {{22.5f, 22.5f}, 9.5f, 1, 1, 2.0f, ArrowStyle::loop}};
}

TrayLayout layout_for(int size) {
    if (size <= 16) return layout_16();
    if (size <= 24) return layout_24();
    if (size <= 32) return layout_32();
    return scaled_layout(static_cast<float>(size));
}

}  // namespace

Image draw_tray_icon(int size) {
    const TrayLayout l = layout_for(size);
    Image image(size, size);
    draw_photo_card(image, l.card);
    draw_rotation_badge(image, l.badge);
    return image;
}

}  // namespace assetgen
