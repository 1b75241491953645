#pragma once

#include <string>
#include <string_view>

#include "mask.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace assetgen {

// One rendered line of text, positioned relative to its pen origin on the baseline.
struct TextLine {
    Mask mask;        // anti-aliased coverage of the glyphs
    int left = 0;     // column of the mask's left edge, relative to the pen origin
    int ascent = 0;   // rows of the mask above the baseline
    float advance = 0;  // pen travel in pixels: the typographic width
};

// A font face loaded from a file; owns its FreeType library instance.
class Font {
public:
    Font(const std::string& path, int face_index);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Lays out and renders UTF-8 text at pixel_size; embolden thickens strokes by that many
    // pixels and tracking adds space after every glyph.
    TextLine render(std::string_view utf8, float pixel_size, float embolden = 0,
                    float tracking = 0) const;

private:
    FT_LibraryRec_* library_ = nullptr;  // FreeType instance, one per font
    FT_FaceRec_* face_ = nullptr;        // the loaded face
};

// Draws a line with its pen origin at (x, baseline).
void draw_text(Image& image, const TextLine& line, int x, int baseline, const Paint& paint);

}  // namespace assetgen
