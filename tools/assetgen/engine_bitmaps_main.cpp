#include <cstdio>
#include <exception>
#include <filesystem>

#include "byte_writer.h"
#include "engine_bitmaps.h"

using namespace assetgen;

// Writes the skin engine's bitmaps into OUTPUT_DIR.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: engine_bitmaps OUTPUT_DIR\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        write_file(out / "track.bmp", encode_indexed_bmp(draw_track()));
        write_file(out / "trackvert.bmp", encode_indexed_bmp(draw_track_vertical()));
        write_file(out / "menu_glyphs.bmp", encode_indexed_bmp(draw_menu_glyphs()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "engine_bitmaps: %s\n", e.what());
        return 1;
    }
    return 0;
}
