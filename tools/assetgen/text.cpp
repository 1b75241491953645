#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "utf8.h"

namespace assetgen {

namespace {

// A rendered glyph waiting to be copied into the line's mask.
struct PlacedGlyph {
    int x = 0, y = 0;  // top-left relative to the pen origin, y up from the baseline
    int width = 0, rows = 0;
    std::vector<unsigned char> pixels;
};

FT_Pos to_26_6(float v) { return static_cast<FT_Pos>(std::lround(v * 64.0f)); }

PlacedGlyph render_glyph(FT_Face face, FT_UInt index, FT_Pos pen_x, float embolden) {
    // Light hinting keeps stems crisp vertically without distorting the CJK shapes.
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0)
        throw std::runtime_error("cannot load glyph");
    FT_GlyphSlot slot = face->glyph;
    if (embolden > 0) FT_Outline_Embolden(&slot->outline, to_26_6(embolden));
    // Render at the pen's sub-pixel offset so letter spacing stays even.
    FT_Outline_Translate(&slot->outline, pen_x & 63, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        throw std::runtime_error("cannot render glyph");
    const FT_Bitmap& bm = slot->bitmap;
    PlacedGlyph g;
    g.x = static_cast<int>(pen_x >> 6) + slot->bitmap_left;
    g.y = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.pixels.resize(static_cast<std::size_t>(g.width) * g.rows);
    for (int r = 0; r < g.rows; ++r)
        std::copy_n(bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch, g.width,
                    g.pixels.begin() + static_cast<std::ptrdiff_t>(r) * g.width);
    return g;
}

}  // namespace

Font::Font(const std::string& path, int face_index) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(library_, path.c_str(), face_index, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open font " + path);
    }
}

Font::~Font() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

TextLine Font::render(std::string_view utf8, float pixel_size, float embolden,
                      float tracking) const {
    if (FT_Set_Char_Size(face_, 0, to_26_6(pixel_size), 72, 72) != 0)
        throw std::runtime_error("cannot size font");
    std::vector<PlacedGlyph> glyphs;
    FT_Pos pen = 0;
    FT_UInt previous = 0;
    for (char32_t cp : decode_utf8(utf8)) {
        const FT_UInt index = FT_Get_Char_Index(face_, cp);
        if (previous != 0 && FT_HAS_KERNING(face_)) {
            FT_Vector kern{};
            FT_Get_Kerning(face_, previous, index, FT_KERNING_UNFITTED, &kern);
            pen += kern.x;
        }
        glyphs.push_back(render_glyph(face_, index, pen, embolden));
        pen += face_->glyph->advance.x + to_26_6(embolden + tracking);
        previous = index;
    }

    int left = INT_MAX, right = INT_MIN, top = INT_MIN, bottom = INT_MAX;
    for (const PlacedGlyph& g : glyphs) {
        if (g.width == 0 || g.rows == 0) continue;
        left = std::min(left, g.x);
        right = std::max(right, g.x + g.width);
        top = std::max(top, g.y);
        bottom = std::min(bottom, g.y - g.rows);
    }
    TextLine line;
    line.advance = static_cast<float>(pen) / 64.0f;
    if (left == INT_MAX) return line;
    line.left = left;
    line.ascent = top;
    line.mask = Mask(right - left, top - bottom);
    for (const PlacedGlyph& g : glyphs)
        for (int r = 0; r < g.rows; ++r)
            for (int c = 0; c < g.width; ++c) {
                float& cell = line.mask.at(g.x - left + c, top - g.y + r);
                const float v = static_cast<float>(g.pixels[static_cast<std::size_t>(r) * g.width + c]) / 255.0f;
                cell = std::min(1.0f, cell + v);
            }
    return line;
}

void draw_text(Image& image, const TextLine& line, int x, int baseline, const Paint& paint) {
    paint_mask(image, line.mask, x + line.left, baseline - line.ascent, paint);
}

}  // namespace assetgen
