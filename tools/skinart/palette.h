#pragma once
// The colours of the default skin: a soft slate-blue frame around a light, cool-neutral body,
// one slate accent for focus and selection, and teal (the icon's colour) for progress.

#include "color.h"

namespace skinart::palette {

using assetgen::hex;
using assetgen::Rgba;

// Body
inline const Rgba face = hex(0xEEF1F5);        // dialog and control background
inline const Rgba paper = hex(0xFFFFFF);       // edit, list and box interiors
inline const Rgba soft_text = hex(0x3A4656);   // status and header text
inline const Rgba line = hex(0xA6B2C1);        // control borders
inline const Rgba line_soft = hex(0xC9D1DB);   // separators, disabled borders
inline const Rgba dim = hex(0xB4BDC8);         // disabled glyphs

// Accent
inline const Rgba accent = hex(0x4A78A8);
inline const Rgba accent_light = hex(0x6F97C2);
inline const Rgba accent_dark = hex(0x3B6289);
inline const Rgba select_top = hex(0xE2EBF6);   // light selection fill
inline const Rgba select_bottom = hex(0xD3E1F1);
inline const Rgba select_line = hex(0xA5BEDA);
inline const Rgba teal_top = hex(0x4DB8A3);
inline const Rgba teal_bottom = hex(0x2A8C7A);
inline const Rgba teal_line = hex(0x267B6B);

// Frame, active window
inline const Rgba outline = hex(0x34495F);
inline const Rgba caption_highlight = hex(0x8EA8C4);
inline const Rgba caption_top = hex(0x6D8BAC);
inline const Rgba caption_bottom = hex(0x55759A);
inline const Rgba frame_inner = hex(0x425E7D);

// Frame, inactive window
inline const Rgba outline_off = hex(0x6A7582);
inline const Rgba caption_highlight_off = hex(0xB7C0CB);
inline const Rgba caption_top_off = hex(0x9EA9B6);
inline const Rgba caption_bottom_off = hex(0x8D99A7);
inline const Rgba frame_inner_off = hex(0x7A8693);

// Caption glyphs and caption-button states
inline const Rgba glyph = hex(0xF4F7FA);
inline const Rgba glyph_off = hex(0xC9D2DC);
inline const Rgba close_hot_top = hex(0xD9605E);
inline const Rgba close_hot_bottom = hex(0xC24A49);
inline const Rgba close_down_top = hex(0xA93C3C);
inline const Rgba close_down_bottom = hex(0x963333);
inline const Rgba caption_hot_top = hex(0x85A1C0);
inline const Rgba caption_hot_bottom = hex(0x6D8BAD);
inline const Rgba caption_down_top = hex(0x415C7B);
inline const Rgba caption_down_bottom = hex(0x4A6688);

// Menus
inline const Rgba menu = hex(0xFBFCFD);
inline const Rgba menubar_top = hex(0xF7F9FB);
inline const Rgba menubar_bottom = hex(0xE9EDF2);

}  // namespace skinart::palette
