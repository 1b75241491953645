#pragma once
// The second skin, "Ember": a dark charcoal window with warm amber accents, thick rounded
// borders, a tall textured title bar with round caption buttons on the left and the window
// icon on the right. Its colours and sizes, which its pictures and its description share.

#include "color.h"

namespace skinart::ember {

using assetgen::hex;
using assetgen::Rgba;

// Window frame
inline constexpr int border = 8;          // left, right and bottom thickness
inline constexpr int caption = 36;        // the top border is the whole caption
inline constexpr int corner = 8;          // radius of the window's rounded corners
inline constexpr int side_stretch = 8;    // stretched middle of the side borders
inline constexpr int title_tile = 6;      // the title bar repeats every this many pixels
inline constexpr int title_cap = 12;      // rounded ends of the plate behind the title

// Caption buttons: round, placed from the window's left edge; the icon on the right
inline constexpr int button = 22;
inline constexpr int button_top = (caption - button) / 2;
inline constexpr int button_step = 26;
inline constexpr int close_x = 12;
inline constexpr int maximise_x = close_x + button_step;
inline constexpr int minimise_x = maximise_x + button_step;
inline constexpr int title_shift = minimise_x + button + 10;
inline constexpr int icon_x = border + 8 + 16;  // from the right edge
inline constexpr int icon_top = (caption - 16) / 2;
inline constexpr int title_right_clip = icon_x + 8;

// Controls
inline constexpr int menubar = 20;
inline constexpr int mark = 15;          // check box and radio button
inline constexpr int push_margin = 6;    // the push buttons' unscaled edges
inline constexpr int scroll = 16;

// Body
inline const Rgba face = hex(0x2A2C31);
inline const Rgba paper = hex(0x1D1E22);      // edits and lists
inline const Rgba raised_top = hex(0x3A3D44);
inline const Rgba raised_bottom = hex(0x31343A);
inline const Rgba line = hex(0x4C5058);
inline const Rgba line_soft = hex(0x3A3D44);
inline const Rgba dark_line = hex(0x151619);
inline const Rgba text = hex(0xE8E2D6);
inline const Rgba soft_text = hex(0xB9B2A6);
inline const Rgba dim = hex(0x6B6E75);

// Accent
inline const Rgba amber = hex(0xE39B3F);
inline const Rgba amber_light = hex(0xF2B865);
inline const Rgba amber_dark = hex(0xB8742A);
inline const Rgba ember_red = hex(0xD9593A);
inline const Rgba ember_red_dark = hex(0xA8402A);

// Frame, active and inactive
inline const Rgba outline = hex(0x0C0D0F);
inline const Rgba caption_light = hex(0x4A4D55);
inline const Rgba caption_top = hex(0x383B42);
inline const Rgba caption_bottom = hex(0x2B2D33);
inline const Rgba frame_body = hex(0x26282D);
inline const Rgba frame_inner = hex(0x141518);
inline const Rgba outline_off = hex(0x1A1B1E);
inline const Rgba caption_light_off = hex(0x3C3E44);
inline const Rgba caption_top_off = hex(0x303237);
inline const Rgba caption_bottom_off = hex(0x2A2C30);
inline const Rgba frame_body_off = hex(0x2A2C30);
inline const Rgba frame_inner_off = hex(0x1E1F22);

}  // namespace skinart::ember
