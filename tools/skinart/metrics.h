#pragma once
// Sizes that the pictures and the description must agree on.

namespace skinart::metrics {

// Window frame
inline constexpr int border = 4;          // left, right and bottom thickness
inline constexpr int caption = 28;        // the top border is the whole caption
inline constexpr int side_stretch = 8;    // stretched middle of the side borders
inline constexpr int title_shift = 28;    // caption text starts right of the window icon
inline constexpr int title_glow_cap = 10; // fading ends of the text background
inline constexpr int icon_left = 8;       // where the window icon is drawn
inline constexpr int icon_top = 6;

// Caption buttons, right-aligned from the window's right edge
inline constexpr int button_width = 24;
inline constexpr int button_height = 18;
inline constexpr int button_top = 5;
inline constexpr int button_gap = 2;
inline constexpr int close_x = border + button_width + button_gap;
inline constexpr int maximise_x = close_x + button_width + button_gap;
inline constexpr int minimise_x = maximise_x + button_width + button_gap;

// Menus
inline constexpr int menubar = 18;        // shorter than the system's bar: it is only stretched
inline constexpr int mdi_button_width = 16;
inline constexpr int mdi_button_height = 14;

// Controls
inline constexpr int scroll = 16;         // the system's scroll-arrow size
inline constexpr int mark = 13;           // check box and radio button
inline constexpr int check_frames = 12;   // unchecked, checked, mixed x normal, hot, pressed, disabled
inline constexpr int radio_frames = 8;    // unchecked, checked x the same four states

}  // namespace skinart::metrics
