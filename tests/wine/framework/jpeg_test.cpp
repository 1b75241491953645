#include "framework/core/exceptions.h"
#include "framework/graphics/jpeg_image.h"

#include "wine_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using namespace wine_support;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

// Compresses a picture with libjpeg: pixel(x, y) gives the components of one pixel.
std::string Encode(int width, int height, J_COLOR_SPACE space, int components,
                   const std::function<std::vector<uint8_t>(int, int)>& pixel,
                   bool progressive = false) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive)
    jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width * components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      const std::vector<uint8_t> p = pixel(x, static_cast<int>(cinfo.next_scanline));
      std::copy(p.begin(), p.end(), row.begin() + x * components);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<char*>(out), size);
  jpeg_destroy_compress(&cinfo);
  free(out);
  return bytes;
}

// Left half red, right half blue.
std::string RedBlue(int width, int height, bool progressive = false) {
  return Encode(width, height, JCS_RGB, 3, [width](int x, int) {
    return x < width / 2 ? std::vector<uint8_t>{255, 0, 0} : std::vector<uint8_t>{0, 0, 255};
  }, progressive);
}

uint32_t PixelOf(const TBitmap& bitmap, int x, int y) {
  const uint8_t* p = bitmap.ScanLine(y) + x * 3;
  return static_cast<uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
}

std::string ErrorOf(const std::string& bytes) {
  try {
    DecodeJpeg(bytes.data(), bytes.size());
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "<decoded>";
}

TEST(Jpeg, ColourPicturesDecodeToTwentyFourBitsInBlueGreenRedOrder) {
  for (bool progressive : {false, true}) {
    const TBitmap bitmap = DecodeJpeg(RedBlue(32, 16, progressive).data(),
                                      RedBlue(32, 16, progressive).size());
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.BitCount(), 24);
    EXPECT_TRUE(Near(PixelOf(bitmap, 3, 8), kRed, 12)) << std::hex << PixelOf(bitmap, 3, 8);
    EXPECT_TRUE(Near(PixelOf(bitmap, 28, 8), kBlue, 12)) << std::hex << PixelOf(bitmap, 28, 8);
  }
}

TEST(Jpeg, GreyAndCmykPicturesBecomeColour) {
  const std::string grey = Encode(8, 8, JCS_GRAYSCALE, 1, [](int, int) {
    return std::vector<uint8_t>{100};
  });
  EXPECT_TRUE(Near(PixelOf(DecodeJpeg(grey.data(), grey.size()), 4, 4), 0x646464, 3));

  // libjpeg marks CMYK files as Adobe's, whose inks are stored inverted: magenta and yellow
  // at full ink, cyan and black at none, is red.
  const std::string cmyk = Encode(8, 8, JCS_CMYK, 4, [](int, int) {
    return std::vector<uint8_t>{255, 0, 0, 255};
  });
  EXPECT_TRUE(Near(PixelOf(DecodeJpeg(cmyk.data(), cmyk.size()), 4, 4), kRed, 8));
}

TEST(Jpeg, DamagedFilesRaiseTheDecodersError) {
  EXPECT_EQ(ErrorOf("GIF89a, not a JPEG at all").rfind("JPEG error #", 0), 0u);
  EXPECT_NE(ErrorOf("GIF89a, not a JPEG at all").find("Not a JPEG file"), std::string::npos)
      << ErrorOf("GIF89a, not a JPEG at all");
  EXPECT_EQ(ErrorOf("").rfind("JPEG error #", 0), 0u) << ErrorOf("");
  // Cut before the frame header: there is no picture at all.
  EXPECT_EQ(ErrorOf(RedBlue(16, 16).substr(0, 20)).rfind("JPEG error #", 0), 0u);
}

TEST(Jpeg, ATruncatedFileShowsWhatItHas) {
  // Busy enough that the compressed data, not the tables, is most of the file.
  const std::string whole = Encode(128, 128, JCS_RGB, 3, [](int x, int y) {
    return std::vector<uint8_t>{static_cast<uint8_t>(y < 8 ? 255 : x * 37 + y * 11),
                                static_cast<uint8_t>(y < 8 ? 0 : x * y), 0};
  });
  const size_t scan = whole.find("\xFF\xDA");
  ASSERT_NE(scan, std::string::npos);
  const std::string cut = whole.substr(0, scan + (whole.size() - scan) / 2);
  const TBitmap bitmap = DecodeJpeg(cut.data(), cut.size());
  EXPECT_EQ(bitmap.Width(), 128);
  EXPECT_TRUE(Near(PixelOf(bitmap, 2, 2), kRed, 12)) << "the first rows are there";
}

TEST(Jpeg, AnAbsurdSizeIsRefusedBeforeAnythingIsAllocated) {
  std::string file = RedBlue(16, 16);
  const size_t frame = file.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  // The frame header: marker, length, precision, height, width. 65280 x 65280 is within the
  // format's limit but far beyond what a 32-bit process can hold.
  file[frame + 5] = file[frame + 7] = '\xFF';
  file[frame + 6] = file[frame + 8] = '\0';
  EXPECT_THROW(DecodeJpeg(file.data(), file.size()), EOutOfResources);
}

TEST(Jpeg, TheCommittedBanner) {
  TJPEGImage banner;
  banner.LoadFromFile(RESOURCES_DIR "banner.jpg");
  EXPECT_EQ(banner.Width(), 560);
  EXPECT_EQ(banner.Height(), 73);
}

}  // namespace
