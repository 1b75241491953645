#pragma once

#include "image.h"
#include "shapes.h"

namespace assetgen {

// How much of the landscape a rendering of a given size can carry.
enum class Detail {
    minimal,  // sky, sun and one mountain: 16 pixels
    simple,   // adds the water: up to 32 pixels
    full,     // two ranges and the sun's reflection
};

// A photo print: a dark outline, a light border and the landscape inside.
struct CardStyle {
    Box outer;            // outside edge of the outline
    float corner = 0;     // radius of the outer corners
    float outline = 0;    // width of the dark edge; 0 for none
    float border = 0;     // width of the light border inside the outline
    Detail detail = Detail::full;
};

// How the badge draws its arrow.
enum class ArrowStyle {
    loop,   // one open circle ending in a head
    twin,   // two half circles chasing each other
    pixel,  // a hand-placed 7 x 7 loop for the 16-pixel badge
};

// A round badge carrying the circular arrow of rotation.
struct BadgeStyle {
    Point centre;
    float radius = 0;       // outside radius, outline included
    float outline = 0;      // width of the dark edge; 0 for none
    float rim = 0;          // width of the white rim inside the outline
    float arrow_width = 0;  // stroke of the arrow
    ArrowStyle arrow = ArrowStyle::loop;
};

// The dusk landscape clipped to a rounded box.
void draw_landscape(Image& image, Box box, float corner, Detail detail);

void draw_photo_card(Image& image, const CardStyle& style);

// The outline of a card, for drop shadows and for the card stacked behind.
Shape card_shape(const CardStyle& style);

void draw_rotation_badge(Image& image, const BadgeStyle& style);

// A soft dark shadow of the shape, offset downward by dy and blurred by radius.
void draw_shadow(Image& image, const Shape& shape, float dy, int radius, float opacity);

}  // namespace assetgen
