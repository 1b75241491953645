#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "banner_art.h"
#include "bmp_writer.h"
#include "byte_writer.h"
#include "demo_art.h"
#include "ico_writer.h"
#include "icon_art.h"
#include "jpeg_writer.h"
#include "quantize.h"
#include "text.h"
#include "tray_art.h"
#include "wallpaper_art.h"

using namespace assetgen;

namespace {

constexpr int kJpegQuality = 93;

std::vector<Image> draw_sizes(const std::vector<int>& sizes, Image (*draw)(int)) {
    std::vector<Image> images;
    for (int size : sizes) images.push_back(draw(size));
    return images;
}

}  // namespace

// The demo folder of the run command, as 8-bit bitmaps below OUTPUT_DIR.
void write_demo(const std::filesystem::path& out) {
    for (const DemoPicture& picture : draw_demo_pictures()) {
        const std::filesystem::path file = out / picture.path;
        std::filesystem::create_directories(file.parent_path());
        write_file(file, encode_bmp8(reduce_colours(picture.image, 256)));
    }
}

// Writes every picture resource of the program into OUTPUT_DIR; FONT must be a face with
// both Latin and Simplified Chinese glyphs.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "demo") {
        try {
            write_demo(argv[2]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "assetgen: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIR FONT\n       assetgen demo OUTPUT_DIR\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        const Font font(argv[2], 0);
        std::filesystem::create_directories(out);
        write_file(out / "wallpaper.bmp", encode_bmp8(reduce_colours(draw_wallpaper(), 256)));
        write_file(out / "banner.jpg", encode_jpeg(draw_banner(font), kJpegQuality));
        write_file(out / "tessaloom.ico", encode_ico(draw_sizes(kAppIconSizes, draw_app_icon)));
        write_file(out / "tray.ico", encode_ico(draw_sizes(kTrayIconSizes, draw_tray_icon)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
