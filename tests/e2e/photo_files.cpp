#include "photo_files.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace e2e {

std::string EncodeJpeg(int width, int height, const TPixelColour& colour) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);  // the default error handler ends the process: fine here
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      row[static_cast<size_t>(x) * 3] = static_cast<JSAMPLE>(c >> 16);
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(c >> 8);
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(c);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

namespace {

void Append(png_structp png, png_bytep data, size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

}  // namespace

std::string EncodePng(int width, int height, const TPixelColour& colour, int level,
                      const std::function<uint8_t(int x, int y)>& alpha) {
  std::string bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (!png || !info || setjmp(png_jmpbuf(png)))
    throw std::runtime_error("PNG encoding failed");
  png_set_write_fn(png, &bytes, Append, nullptr);
  png_set_compression_level(png, level);
  const int channels = alpha ? 4 : 3;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width) * channels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      png_byte* p = &row[static_cast<size_t>(x) * channels];
      p[0] = static_cast<png_byte>(c >> 16);
      p[1] = static_cast<png_byte>(c >> 8);
      p[2] = static_cast<png_byte>(c);
      if (alpha)
        p[3] = alpha(x, y);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

uint32_t ThreeBands(int x, int width) {
  const int band = x * 3 / width;
  return band == 0 ? 0xFF0000u : band == 1 ? 0x00FF00u : 0x0000FFu;
}

}  // namespace e2e
