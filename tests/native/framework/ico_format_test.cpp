#include "framework/core/exceptions.h"
#include "framework/core/ico_format.h"

#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace picture_bytes;

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

std::vector<IcoImage> Parse(const std::string& file) { return ParseIcoFile(Bytes(file), file.size()); }

std::string Png(uint32_t width, uint32_t height) {
  std::string png = "\x89PNG\r\n\x1A\n";
  png += std::string("\0\0\0\x0D", 4) + "IHDR";
  for (uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8)
      png += static_cast<char>((v >> shift) & 0xFF);
  png += std::string("\x08\x06\0\0\0", 5);  // depth, colour type, compression, filter, interlace
  png += "CRC!";
  return png;
}

// An 8-bit image with a full colour table: header, 256 colours, colour rows, mask rows.
std::string IconImage8(int size) {
  std::string image;
  Put32(image, 40);
  Put32(image, static_cast<uint32_t>(size));
  Put32(image, static_cast<uint32_t>(size * 2));
  Put16(image, 1);
  Put16(image, 8);
  for (int i = 0; i < 6; ++i)
    Put32(image, 0);
  image.append(256 * 4, '\0');
  image.append(static_cast<size_t>((size + 3) / 4 * 4 * size), '\x01');
  image.append(static_cast<size_t>((size + 31) / 32 * 4 * size), '\0');
  return image;
}

void ExpectInvalid(const std::string& file, const char* what) {
  try {
    Parse(file);
    ADD_FAILURE() << "accepted: " << what;
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Icon image is not valid") << what;
  }
}

TEST(IcoFile, ListsEveryImageWithItsOwnSizeAndChoosesTheLargestDeepest) {
  const std::string file = Ico({{16, 16, 32, IconImage32(16, 0xFF0000)},
                                {32, 32, 8, IconImage8(32)},
                                {32, 32, 32, IconImage32(32, 0x0000FF)},
                                {0, 0, 32, Png(256, 256)}});
  const std::vector<IcoImage> images = Parse(file);
  ASSERT_EQ(images.size(), 4u);
  EXPECT_EQ(images[0].width, 16);
  EXPECT_EQ(images[1].bitCount, 8);
  EXPECT_TRUE(images[3].png);
  EXPECT_EQ(images[3].width, 256);
  EXPECT_EQ(&ChooseIcoImage(images), &images[3]);

  const std::vector<IcoImage> bitmaps(images.begin(), images.begin() + 3);
  const IcoImage& chosen = ChooseIcoImage(bitmaps);
  EXPECT_EQ(chosen.width, 32);
  EXPECT_EQ(chosen.bitCount, 32);
  EXPECT_EQ(file.substr(chosen.offset, chosen.size), IconImage32(32, 0x0000FF));
}

TEST(IcoFile, DamagedImagesAreLeftOutAndTheRestKept) {
  std::string oddHeight = IconImage32(16, 0);
  Poke32(oddHeight, 8, 31);
  std::string badDepth = IconImage32(16, 0);
  badDepth[14] = 7;
  std::string compressed = IconImage32(16, 0);
  Poke32(compressed, 16, 3);
  const std::string noMask = IconImage32(16, 0).substr(0, 40 + 16 * 16 * 4);
  const std::string file = Ico({{16, 16, 32, oddHeight},
                                {16, 16, 32, badDepth},
                                {16, 16, 32, compressed},
                                {16, 16, 32, noMask},
                                {16, 16, 32, Png(0, 16)},
                                {8, 8, 32, IconImage32(8, 0x00FF00)}});
  const std::vector<IcoImage> images = Parse(file);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 8);

  std::string outside = Ico({{16, 16, 32, IconImage32(16, 0)}, {8, 8, 32, IconImage32(8, 0)}});
  Poke32(outside, 6 + 12, 0x7FFFFFFF);  // first entry's offset
  EXPECT_EQ(Parse(outside).size(), 1u);
  std::string tooLong = Ico({{16, 16, 32, IconImage32(16, 0)}, {8, 8, 32, IconImage32(8, 0)}});
  Poke32(tooLong, 6 + 8, 0xFFFFFFF0u);  // first entry's size
  EXPECT_EQ(Parse(tooLong).size(), 1u);
}

TEST(IcoFile, DamagedDirectoriesAreRefused) {
  const std::string good = Ico({{16, 16, 32, IconImage32(16, 0)}});
  std::string file = good;
  file[0] = 1;
  ExpectInvalid(file, "reserved field");
  file = good;
  file[2] = 2;
  ExpectInvalid(file, "a cursor");
  file = good;
  file[4] = 0;
  ExpectInvalid(file, "no images");
  file = good;
  file[4] = file[5] = static_cast<char>(0xFF);
  ExpectInvalid(file, "directory longer than the file");
  ExpectInvalid(Ico({{16, 16, 32, "not an image at all, really not"}}), "no usable image");
  ExpectInvalid("", "empty");
}

TEST(IcoFile, TruncatedAndScrambledFilesNeverReadOutOfBounds) {
  const std::string whole = Ico({{4, 4, 8, IconImage8(4)}, {0, 0, 32, Png(300, 300)}});
  for (size_t cut = 0; cut < whole.size(); ++cut) {
    try {
      // A cut may leave the first image whole; it must then be the only one listed.
      EXPECT_EQ(Parse(whole.substr(0, cut)).size(), 1u) << cut;
    } catch (const EInvalidGraphic&) {
    }
  }
  std::mt19937 random(99);
  for (int round = 0; round < 3000; ++round) {
    std::string scrambled = whole;
    for (int i = 0; i < 3; ++i)
      scrambled[random() % scrambled.size()] = static_cast<char>(random());
    try {
      for (const IcoImage& image : Parse(scrambled))
        EXPECT_LE(image.offset + image.size, scrambled.size());
    } catch (const EInvalidGraphic&) {
    }
  }
}

}  // namespace
