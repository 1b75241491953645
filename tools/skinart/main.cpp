#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bitmap24.h"
#include "byte_writer.h"
#include "catalog.h"
#include "description.h"
#include "preview.h"
#include "text.h"

using namespace skinart;

namespace {

// The packer takes every bitmap and description of the folder, so pictures a newer catalog
// no longer draws must not linger there.
void remove_stale_files(const std::filesystem::path& dir, const std::set<std::string>& keep) {
    for (const auto& item : std::filesystem::directory_iterator(dir)) {
        const std::string ext = item.path().extension().string();
        if ((ext == ".bmp" || ext == ".ini") && !keep.contains(item.path().filename().string()))
            std::filesystem::remove(item.path());
    }
}

}  // namespace

// Writes the default skin's bitmaps and its description into OUTPUT_DIR, and a mock-up of a
// window drawn with them into PREVIEW_BMP; FONT labels the mock-up.
int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: skinart OUTPUT_DIR PREVIEW_BMP FONT\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        std::set<std::string> written{kDescriptionFile};
        std::map<std::string, Bitmap24> drawn;
        for (const SkinPicture& picture : skin_pictures()) {
            const Bitmap24& bitmap = drawn[picture.file] = picture.draw();
            assetgen::write_file(out / picture.file, encode_bmp24(bitmap));
            written.insert(picture.file);
        }
        const std::string text = skin_description();
        assetgen::write_file(out / kDescriptionFile, std::vector<std::uint8_t>(text.begin(), text.end()));
        remove_stale_files(out, written);
        const assetgen::Font font(argv[3], 0);
        assetgen::write_file(argv[2], encode_bmp24(draw_preview(drawn, font)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
