#include "jpeg_writer.h"

#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>

namespace assetgen {

namespace {

// Owns the compressor and the buffer that jpeg_mem_dest allocates.
struct Compressor {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        // The default error handler prints the library's message and ends the program,
        // which is all a build-time generator needs.
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
    }
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

}  // namespace

std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality) {
    Compressor c;
    c.info.image_width = static_cast<JDIMENSION>(image.width());
    c.info.image_height = static_cast<JDIMENSION>(image.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    for (int i = 0; i < c.info.num_components; ++i) {
        c.info.comp_info[i].h_samp_factor = 1;
        c.info.comp_info[i].v_samp_factor = 1;
    }
    c.info.optimize_coding = TRUE;
    jpeg_start_compress(&c.info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width()) * 3);
    while (c.info.next_scanline < c.info.image_height) {
        const int y = static_cast<int>(c.info.next_scanline);
        for (int x = 0; x < image.width(); ++x) {
            const Rgba p = over(image.at(x, y), Rgba{0, 0, 0, 1});
            const Rgb8 v = unpremultiplied8(p);
            row[static_cast<std::size_t>(x) * 3] = v.r;
            row[static_cast<std::size_t>(x) * 3 + 1] = v.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = v.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c.info, rows, 1);
    }
    jpeg_finish_compress(&c.info);
    return {c.buffer, c.buffer + c.size};
}

}  // namespace assetgen
