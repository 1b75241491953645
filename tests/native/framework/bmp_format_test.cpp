#include "framework/core/bmp_format.h"
#include "framework/core/exceptions.h"

#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using picture_bytes::Bmp;

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

struct Decoded {
  BmpLayout layout;
  size_t stride = 0;
  std::vector<uint8_t> pixels;  // top row first
  const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * stride; }
};

Decoded Decode(const std::string& file, bool fileHeader = true) {
  Decoded d;
  d.layout = fileHeader ? ParseBmpFile(Bytes(file), file.size()) : ParseDib(Bytes(file), file.size());
  d.stride = DibStride(d.layout.width, d.layout.DecodedBitCount());
  if (d.stride * static_cast<size_t>(d.layout.height) > (size_t{1} << 26))
    return d;  // a scrambled run-length header may ask for more than a test should allocate
  d.pixels.assign(d.stride * static_cast<size_t>(d.layout.height), 0xCD);
  DecodeBmpPixels(d.layout, Bytes(file), d.pixels.data(), static_cast<ptrdiff_t>(d.stride));
  return d;
}

std::string Row(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes)
    s += static_cast<char>(b);
  return s;
}

uint32_t Le32(const std::string& s, size_t at) {
  return static_cast<uint32_t>(Bytes(s)[at] | Bytes(s)[at + 1] << 8 | Bytes(s)[at + 2] << 16 |
                               static_cast<uint32_t>(Bytes(s)[at + 3]) << 24);
}

void Masks16(Bmp& b, std::vector<uint32_t> masks) {
  b.bitCount = 16;
  b.compression = kBmpBitfields;
  b.masks = std::move(masks);
}

void ExpectInvalid(const std::string& file, const std::string& what) {
  try {
    Decode(file);
    ADD_FAILURE() << "accepted: " << what;
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap image is not valid") << what;
  }
}

TEST(BmpDecode, TwentyFourBitRowsComeTopFirstWithPadding) {
  Bmp bmp;
  bmp.width = 2, bmp.height = 2;
  // Stored bottom-up: the first stored row is the bottom one. 6 bytes + 2 of padding per row.
  bmp.pixels = Row({1, 2, 3, 4, 5, 6, 0, 0}) + Row({7, 8, 9, 10, 11, 12, 0, 0});
  const Decoded d = Decode(bmp.File());
  EXPECT_EQ(d.layout.width, 2);
  EXPECT_EQ(d.layout.height, 2);
  EXPECT_EQ(d.layout.DecodedBitCount(), 24);
  EXPECT_EQ(d.stride, 8u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(d.Row(0)), 6), Row({7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(d.Row(1)), 6), Row({1, 2, 3, 4, 5, 6}));
}

TEST(BmpDecode, NegativeHeightMeansTopDown) {
  Bmp bmp;
  bmp.width = 1, bmp.height = -2;
  bmp.pixels = Row({1, 2, 3, 0}) + Row({4, 5, 6, 0});
  const Decoded d = Decode(bmp.File());
  EXPECT_TRUE(d.layout.topDown);
  EXPECT_EQ(d.layout.height, 2);
  EXPECT_EQ(d.Row(0)[0], 1);
  EXPECT_EQ(d.Row(1)[0], 4);
}

TEST(BmpDecode, IndexedFormatsKeepIndicesAndGetAFullPalette) {
  Bmp bmp;
  bmp.bitCount = 8, bmp.width = 3, bmp.height = 1, bmp.colorsUsed = 2;
  bmp.palette = {0x112233, 0xFF00FF};
  bmp.pixels = Row({1, 0, 1, 0});
  Decoded d = Decode(bmp.File());
  ASSERT_EQ(d.layout.palette.size(), 256u);
  EXPECT_EQ(d.layout.palette[0], 0x112233u);
  EXPECT_EQ(d.layout.palette[1], 0xFF00FFu);
  EXPECT_EQ(d.layout.palette[2], 0u);
  EXPECT_EQ(d.Row(0)[0], 1);
  EXPECT_EQ(d.Row(0)[1], 0);

  Bmp mono;
  mono.bitCount = 1, mono.width = 10, mono.height = 1;
  mono.palette = {0x000000, 0xFFFFFF};
  mono.pixels = Row({0xA5, 0xC0, 0, 0});
  d = Decode(mono.File());
  EXPECT_EQ(d.layout.DecodedBitCount(), 1);
  EXPECT_EQ(d.Row(0)[0], 0xA5);
  EXPECT_EQ(d.Row(0)[1], 0xC0);

  Bmp nibbles;
  nibbles.bitCount = 4, nibbles.width = 3, nibbles.height = 1;
  nibbles.palette.assign(16, 0x010101);
  nibbles.pixels = Row({0x12, 0x30, 0, 0});
  d = Decode(nibbles.File());
  EXPECT_EQ(d.layout.palette.size(), 16u);
  EXPECT_EQ(d.Row(0)[0], 0x12);
}

TEST(BmpDecode, SixteenBitBecomesTwentyFour) {
  Bmp bmp;
  bmp.bitCount = 16, bmp.width = 3, bmp.height = 1;
  // 5-5-5 when no masks are given: red, blue, and the smallest grey.
  bmp.pixels = Row({0x00, 0x7C, 0x1F, 0x00, 0x21, 0x04, 0, 0});
  Decoded d = Decode(bmp.File());
  EXPECT_EQ(d.layout.DecodedBitCount(), 24);
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2]}), Row({0, 0, 255}));
  EXPECT_EQ(Row({d.Row(0)[3], d.Row(0)[4], d.Row(0)[5]}), Row({255, 0, 0}));
  EXPECT_EQ(d.Row(0)[6], 8);  // 1 of 31 is 8 of 255

  Bmp rgb565 = bmp;
  rgb565.compression = kBmpBitfields;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = Row({0xE0, 0x07, 0x00, 0xF8, 0, 0, 0, 0});
  d = Decode(rgb565.File());
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2]}), Row({0, 255, 0}));
  EXPECT_EQ(Row({d.Row(0)[3], d.Row(0)[4], d.Row(0)[5]}), Row({0, 0, 255}));

  // The same masks inside a V5 header instead of after the 40-byte one.
  Bmp v5 = rgb565;
  v5.headerSize = 124;
  d = Decode(v5.File());
  EXPECT_EQ(d.Row(0)[1], 255);
}

TEST(BmpDecode, ThirtyTwoBitKeepsItsFourthByteOrFollowsItsMasks) {
  Bmp bmp;
  bmp.bitCount = 32, bmp.width = 1, bmp.height = 1;
  bmp.pixels = Row({10, 20, 30, 40});
  Decoded d = Decode(bmp.File());
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2], d.Row(0)[3]}), Row({10, 20, 30, 40}));

  Bmp swapped = bmp;
  swapped.compression = kBmpBitfields;
  swapped.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the first byte
  d = Decode(swapped.File());
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2], d.Row(0)[3]}), Row({30, 20, 10, 0}));
}

TEST(BmpDecode, RunLengthEightBit) {
  Bmp bmp;
  bmp.bitCount = 8, bmp.compression = kBmpRle8, bmp.width = 4, bmp.height = 3;
  bmp.palette.assign(256, 0);
  bmp.pixels = Row({3, 7,            // bottom row: three 7s
                    0, 0,            // end of line
                    0, 3, 1, 2, 3, 0,  // literal 1 2 3, padded to an even length
                    0, 0,            // end of line: the top row
                    0, 2, 2, 0,      // move right 2
                    1, 9,
                    0, 1});          // end of bitmap
  const Decoded d = Decode(bmp.File());
  EXPECT_EQ(Row({d.Row(2)[0], d.Row(2)[1], d.Row(2)[2], d.Row(2)[3]}), Row({7, 7, 7, 0}));
  EXPECT_EQ(Row({d.Row(1)[0], d.Row(1)[1], d.Row(1)[2], d.Row(1)[3]}), Row({1, 2, 3, 0}));
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2], d.Row(0)[3]}), Row({0, 0, 9, 0}));
}

TEST(BmpDecode, RunLengthFourBit) {
  Bmp bmp;
  bmp.bitCount = 4, bmp.compression = kBmpRle4, bmp.width = 6, bmp.height = 1;
  bmp.palette.assign(16, 0);
  bmp.pixels = Row({3, 0x12,           // 1 2 1
                    0, 3, 0x45, 0x60,  // literal 4 5 6 (two bytes, already even)
                    0, 1});
  const Decoded d = Decode(bmp.File());
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2]}), Row({0x12, 0x14, 0x56}));
}

TEST(BmpDecode, RunLengthWithoutEndMarkerIsAcceptedOnlyWhenEveryRowIsDone) {
  Bmp bmp;
  bmp.bitCount = 8, bmp.compression = kBmpRle8, bmp.width = 2, bmp.height = 2;
  bmp.palette.assign(256, 0);
  bmp.pixels = Row({2, 5, 0, 0, 2, 6, 0, 0});
  EXPECT_EQ(Decode(bmp.File()).Row(0)[0], 6);
  bmp.pixels = Row({2, 5, 0, 0});
  ExpectInvalid(bmp.File(), "stream ends in the middle of the picture");
}

TEST(BmpDecode, OldCoreHeaderAndPackedBitmaps) {
  Bmp core;
  core.headerSize = 12, core.bitCount = 8, core.width = 1, core.height = 1;
  core.palette.assign(256, 0);
  core.palette[4] = 0xABCDEF;
  core.pixels = Row({4, 0, 0, 0});
  Decoded d = Decode(core.File());
  EXPECT_EQ(d.layout.palette[4], 0xABCDEFu);
  EXPECT_EQ(d.Row(0)[0], 4);

  Bmp packed;
  packed.bitCount = 16, packed.compression = kBmpBitfields, packed.width = 1, packed.height = 1;
  packed.masks = {0xF800, 0x07E0, 0x001F};
  packed.pixels = Row({0x00, 0xF8, 0, 0});
  d = Decode(packed.File(false), false);  // pixels follow the masks directly
  EXPECT_EQ(d.Row(0)[2], 255);
}

TEST(BmpDecode, DamagedHeadersAreRefused) {
  Bmp good;
  good.width = 2, good.height = 2;
  good.pixels.assign(16, '\0');
  ASSERT_NO_THROW(Decode(good.File()));

  std::string file = good.File();
  file[1] = 'A';
  ExpectInvalid(file, "signature");

  const std::vector<std::pair<std::string, std::function<void(Bmp&)>>> damage = {
      {"header size", [](Bmp& b) { b.headerSize = 41; }},
      {"zero width", [](Bmp& b) { b.width = 0; }},
      {"negative width", [](Bmp& b) { b.width = -2; }},
      {"zero height", [](Bmp& b) { b.height = 0; }},
      {"height INT_MIN", [](Bmp& b) { b.height = INT_MIN; }},
      {"planes", [](Bmp& b) { b.planes = 2; }},
      {"bit count", [](Bmp& b) { b.bitCount = 7; }},
      {"embedded JPEG", [](Bmp& b) { b.compression = 4; }},
      {"RLE8 at 24 bits", [](Bmp& b) { b.compression = kBmpRle8; }},
      {"bitfields at 24 bits", [](Bmp& b) { b.compression = kBmpBitfields; b.masks = {0xFF0000, 0xFF00, 0xFF}; }},
      {"too many colours", [](Bmp& b) { b.bitCount = 8; b.colorsUsed = 257; b.palette.assign(257, 0); }},
      {"colour table cut", [](Bmp& b) { b.bitCount = 8; b.pixels.clear(); }},
      {"pixels beyond the end", [](Bmp& b) { b.offsetDelta = 1000; }},
      {"pixels inside the header", [](Bmp& b) { b.offsetDelta = -4; }},
      {"one byte short", [](Bmp& b) { b.pixels.pop_back(); }},
      {"huge size, no data", [](Bmp& b) { b.width = 0x7FFFFFFF; b.height = 0x7FFFFFFF; }},
      {"size overflowing 32 bits", [](Bmp& b) { b.width = 0x40000000; b.height = 4; b.bitCount = 32; }},
      {"masks overlap", [](Bmp& b) { Masks16(b, {0xF800, 0x0FE0, 0x001F}); }},
      {"mask with a gap", [](Bmp& b) { Masks16(b, {0xF0F0, 0x0F00, 0x000F}); }},
      {"zero mask", [](Bmp& b) { Masks16(b, {0xF800, 0, 0x001F}); }},
      {"mask beyond 16 bits", [](Bmp& b) { Masks16(b, {0x1F0000, 0x07E0, 0x001F}); }},
  };
  for (const auto& [what, change] : damage) {
    Bmp bmp = good;
    change(bmp);
    ExpectInvalid(bmp.File(), what);
  }
}

TEST(BmpDecode, DamagedRunLengthStreamsAreRefused) {
  const std::vector<std::pair<std::string, std::string>> damage = {
      {"run past the row end", Row({5, 1, 0, 1})},
      {"literal past the row end", Row({0, 5, 1, 2, 3, 4, 5, 0, 0, 1})},
      {"literal past the data", Row({0, 4, 1, 2})},
      {"move past the right edge", Row({0, 2, 5, 0, 0, 1})},
      {"move past the top", Row({0, 2, 0, 3, 0, 1})},
      {"write above the top", Row({0, 0, 0, 0, 1, 1, 0, 1})},
      {"move cut short", Row({0, 2, 1})},
  };
  for (const auto& [what, stream] : damage) {
    Bmp bmp;
    bmp.bitCount = 8, bmp.compression = kBmpRle8, bmp.width = 4, bmp.height = 2;
    bmp.palette.assign(256, 0);
    bmp.pixels = stream;
    ExpectInvalid(bmp.File(), what);
  }
  Bmp topDown;
  topDown.bitCount = 8, topDown.compression = kBmpRle8, topDown.width = 1, topDown.height = -1;
  topDown.pixels = Row({0, 1});
  ExpectInvalid(topDown.File(), "top-down run-length image");
}

// Every cut of a sound file is refused without a read outside the bytes (the sanitizer
// watches), and random damage is either refused or decoded, never more.
TEST(BmpDecode, TruncatedAndScrambledFilesNeverReadOutOfBounds) {
  Bmp indexed;
  indexed.bitCount = 8, indexed.width = 5, indexed.height = 3;
  indexed.palette.assign(256, 0x808080);
  indexed.pixels.assign(24, '\x01');
  Bmp rle;
  rle.bitCount = 4, rle.compression = kBmpRle4, rle.width = 7, rle.height = 2;
  rle.palette.assign(16, 0);
  rle.pixels = Row({7, 0x12, 0, 0, 0, 5, 0x12, 0x34, 0x50, 0, 0, 1});

  for (const std::string& whole : {indexed.File(), rle.File()}) {
    for (size_t cut = 0; cut < whole.size(); ++cut) {
      const std::string part = whole.substr(0, cut);
      EXPECT_THROW(Decode(part), EInvalidGraphic) << "cut at " << cut;
    }
    std::mt19937 random(1234);
    for (int round = 0; round < 2000; ++round) {
      std::string scrambled = whole;
      for (int i = 0; i < 3; ++i)
        scrambled[random() % scrambled.size()] = static_cast<char>(random());
      try {
        Decode(scrambled);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

// The head of a file is enough to place its pixels, and its stored rows decode one by one as
// the whole decoder decodes them. The head is copied into a buffer of its own size, so the
// sanitizer sees any read beyond it.
TEST(BmpHead, TheHeadPlacesThePixelsAndRowsDecodeOneByOne) {
  Bmp indexed;
  indexed.bitCount = 8, indexed.width = 5, indexed.height = 3;
  indexed.palette.assign(256, 0x102030);
  for (int i = 0; i < 24; ++i)
    indexed.pixels += static_cast<char>(i);
  Bmp masked;
  Masks16(masked, {0xF800, 0x07E0, 0x001F});
  masked.width = 2, masked.height = -2;  // top-down
  masked.pixels = Row({0x1F, 0, 0xE0, 0x07}) + Row({0, 0xF8, 0xFF, 0xFF});
  Bmp v5;
  v5.headerSize = 124, v5.bitCount = 32, v5.width = 1, v5.height = 2;
  v5.pixels = Row({1, 2, 3, 4, 5, 6, 7, 8});
  Bmp core;
  core.headerSize = 12, core.bitCount = 4, core.width = 3, core.height = 1;
  core.palette.assign(16, 0xABCDEF);
  core.pixels = Row({0x12, 0x30, 0, 0});
  Bmp optionalTable;  // a 24-bit file with a table of 300 colours for palette devices
  optionalTable.colorsUsed = 300;
  optionalTable.palette.assign(300, 0);
  optionalTable.pixels = Row({9, 8, 7, 0});

  for (const Bmp& bmp : {indexed, masked, v5, core, optionalTable}) {
    const std::string file = bmp.File();
    const Decoded whole = Decode(file);
    const std::vector<uint8_t> head(file.begin(), file.begin() + std::min(file.size(), kBmpMaxHeadSize));
    const BmpLayout layout = ParseBmpFileHead(head.data(), head.size(), file.size());
    EXPECT_EQ(layout.bitsOffset, whole.layout.bitsOffset) << bmp.bitCount;
    EXPECT_EQ(layout.palette, whole.layout.palette);
    EXPECT_EQ(layout.topDown, whole.layout.topDown);
    const size_t storedStride = DibStride(layout.width, layout.bitCount);
    for (int s = 0; s < layout.height; ++s) {
      std::vector<uint8_t> row(whole.stride, 0xCD);
      DecodeBmpRow(layout, Bytes(file) + layout.bitsOffset + static_cast<size_t>(s) * storedStride,
                   row.data());
      const int y = layout.topDown ? s : layout.height - 1 - s;
      EXPECT_EQ(row, std::vector<uint8_t>(whole.Row(y), whole.Row(y) + whole.stride))
          << bmp.bitCount << "-bit, stored row " << s;
    }
  }
}

TEST(BmpHead, AShortHeadOrAFileTooShortForItsRowsIsRefused) {
  Bmp big;
  big.width = 100, big.height = 100;
  big.pixels.assign(30000, '\0');
  const std::string file = big.File();
  const auto* head = Bytes(file);
  EXPECT_THROW(ParseBmpFileHead(head, 100, file.size()), EInvalidOperation);
  EXPECT_NO_THROW(ParseBmpFileHead(head, kBmpMaxHeadSize, file.size()));
  EXPECT_THROW(ParseBmpFileHead(head, kBmpMaxHeadSize, file.size() - 1), EInvalidGraphic);
}

TEST(BmpEncode, WrittenFilesReadBackTheSame) {
  const std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00};
  const std::vector<uint8_t> rows = {0, 1, 2, 0xCC,   // top row, one byte of padding
                                     2, 2, 1, 0xCC};
  const std::string file = EncodeBmpFile(3, 2, 8, palette, rows.data(), 4);
  const Decoded d = Decode(file);
  EXPECT_EQ(d.layout.bitCount, 8);
  EXPECT_FALSE(d.layout.topDown);
  EXPECT_EQ(d.layout.palette[1], 0xFF0000u);
  EXPECT_EQ(d.layout.palette[3], 0u);
  EXPECT_EQ(Row({d.Row(0)[0], d.Row(0)[1], d.Row(0)[2]}), Row({0, 1, 2}));
  EXPECT_EQ(Row({d.Row(1)[0], d.Row(1)[1], d.Row(1)[2]}), Row({2, 2, 1}));
  EXPECT_EQ(file.size(), 14u + 40 + 256 * 4 + 8);
  EXPECT_EQ(Le32(file, 2), file.size());        // file size
  EXPECT_EQ(Le32(file, 10), 14u + 40 + 256 * 4);  // offset of the pixels
}

}  // namespace
