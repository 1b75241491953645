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
#include "ember_catalog.h"
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

// Every picture of a skin and its description into OUT; the pictures drawn, by file name.
std::map<std::string, Bitmap24> write_skin(const std::filesystem::path& out, const std::vector<SkinPicture>& pictures,
                                           const std::string& description_file, const std::string& text) {
    std::filesystem::create_directories(out);
    std::set<std::string> written{description_file};
    std::map<std::string, Bitmap24> drawn;
    for (const SkinPicture& picture : pictures) {
        const Bitmap24& bitmap = drawn[picture.file] = picture.draw();
        assetgen::write_file(out / picture.file, encode_bmp24(bitmap));
        written.insert(picture.file);
    }
    assetgen::write_file(out / description_file, std::vector<std::uint8_t>(text.begin(), text.end()));
    remove_stale_files(out, written);
    return drawn;
}

}  // namespace

// Writes the default skin's bitmaps and its description into OUTPUT_DIR, and a mock-up of a
// window drawn with them into PREVIEW_BMP; FONT labels the mock-up. With --ember, writes the
// second skin's into OUTPUT_DIR.
int main(int argc, char** argv) {
    const bool ember = argc == 3 && std::string(argv[1]) == "--ember";
    if (argc != 4 && !ember) {
        std::fprintf(stderr, "usage: skinart OUTPUT_DIR PREVIEW_BMP FONT\n       skinart --ember OUTPUT_DIR\n");
        return 2;
    }
    try {
        if (ember) {
            write_skin(argv[2], ember::skin_pictures(), ember::kDescriptionFile, ember::skin_description());
            return 0;
        }
        const auto drawn = write_skin(argv[1], skin_pictures(), kDescriptionFile, skin_description());
        const assetgen::Font font(argv[3], 0);
        assetgen::write_file(argv[2], encode_bmp24(draw_preview(drawn, font)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
