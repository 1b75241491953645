#include "framework/core/exceptions.h"
#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"

#include "picture_bytes.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace wine_support;
using picture_bytes::Bmp;
using picture_bytes::Bmp24;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Pixel x of row y of a 24- or 32-bit bitmap as 0x00RRGGBB.
uint32_t PixelOf(const TBitmap& bitmap, int x, int y) {
  const uint8_t* p = bitmap.ScanLine(y) + x * (bitmap.BitCount() / 8);
  return static_cast<uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
}

TBitmap FromBytes(const std::string& bytes) {
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes.data(), bytes.size());
  return bitmap;
}

TEST(Bitmap, LoadsRowsTopFirstAndDrawsThemUnchanged) {
  const TBitmap bitmap = FromBytes(Bmp24({{kRed, kGreen, kBlue}, {kWhite, 0x123456, 0}}));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.BitCount(), 24);
  EXPECT_EQ(bitmap.Stride(), 12u);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), kRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), 0x123456u);

  BITMAP info{};
  ASSERT_TRUE(GetObjectA(bitmap.Handle(), sizeof info, &info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmBitsPixel, 24);

  Canvas canvas(5, 4, 0x808080);
  bitmap.Draw(canvas.Dc(), RECT{1, 1, 4, 3});
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
  EXPECT_EQ(canvas.Pixel(3, 1), kBlue);
  EXPECT_EQ(canvas.Pixel(2, 2), 0x123456u);
  EXPECT_EQ(canvas.Pixel(0, 0), 0x808080u);
  EXPECT_EQ(canvas.Pixel(4, 3), 0x808080u);
}

TEST(Bitmap, IndexedPicturesKeepTheirColourTableAndConvert) {
  Bmp bmp;
  bmp.bitCount = 4, bmp.width = 2, bmp.height = 1, bmp.colorsUsed = 3;
  bmp.palette = {0x000000, 0xFF00FF, 0x00FFFF};
  bmp.pixels = std::string("\x12\0\0\0", 4);
  TBitmap bitmap = FromBytes(bmp.File());
  EXPECT_EQ(bitmap.BitCount(), 4);
  ASSERT_EQ(bitmap.Palette().size(), 16u);
  EXPECT_EQ(bitmap.Palette()[2], 0x00FFFFu);

  Canvas canvas(2, 1, 0);
  bitmap.Draw(canvas.Dc(), RECT{0, 0, 2, 1});
  EXPECT_EQ(canvas.Pixel(0, 0), 0xFF00FFu);
  EXPECT_EQ(canvas.Pixel(1, 0), 0x00FFFFu);

  bitmap.SetBitCount(24);
  EXPECT_EQ(bitmap.BitCount(), 24);
  EXPECT_TRUE(bitmap.Palette().empty());
  EXPECT_EQ(PixelOf(bitmap, 0, 0), 0xFF00FFu);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), 0x00FFFFu);
  bitmap.SetBitCount(32);
  EXPECT_EQ(bitmap.Stride(), 8u);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), 0x00FFFFu);
  EXPECT_THROW(bitmap.SetBitCount(8), EInvalidOperation);
}

TEST(Bitmap, CreatedBitmapsAreBlackAndTheirRowsAreChecked) {
  TBitmap bitmap(3, 2, 32);
  EXPECT_EQ(bitmap.BitCount(), 32);
  EXPECT_EQ(PixelOf(bitmap, 2, 1), 0u);
  EXPECT_THROW(bitmap.ScanLine(2), EInvalidOperation);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidOperation);
  EXPECT_THROW(bitmap.SetSize(2, 2, 8), EInvalidOperation);
  EXPECT_THROW(bitmap.SetSize(-1, 2, 24), EInvalidOperation);
  EXPECT_EQ(bitmap.Width(), 3) << "a refused size changes nothing";
  bitmap.SetSize(0, 5);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), nullptr);
  EXPECT_THROW(TBitmap(0x7FFF, 0x7FFF, 32), EOutOfResources);
}

TEST(Bitmap, GdiDrawingIsSeenThroughTheRows) {
  TBitmap bitmap(4, 4, 24);
  {
    UniqueDC dc(CreateCompatibleDC(nullptr));
    TSelectObject select(dc.Get(), bitmap.Handle());
    UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 255)));
    const RECT r{1, 2, 3, 4};
    FillRect(dc.Get(), &r, brush.Get());
  }
  EXPECT_EQ(PixelOf(bitmap, 1, 2), kBlue);
  EXPECT_EQ(PixelOf(bitmap, 2, 3), kBlue);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), 0u);
}

TEST(Bitmap, SavedFilesLoadBackTheSame) {
  TBitmap bitmap(3, 2, 24);
  bitmap.ScanLine(0)[0] = 0x11;
  bitmap.ScanLine(1)[8] = 0x22;
  const std::string path = ScratchFile("saved.bmp");
  bitmap.SaveToFile(path);
  EXPECT_EQ(ReadRaw(path), bitmap.SaveToBytes());
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.ScanLine(0)[0], 0x11);
  EXPECT_EQ(loaded.ScanLine(1)[8], 0x22);
  DeleteFileA(path.c_str());
  EXPECT_THROW(TBitmap().SaveToBytes(), EInvalidOperation);
}

TEST(Bitmap, DamagedFilesAreRefusedAndTheOldPictureStays) {
  TBitmap bitmap = FromBytes(Bmp24({{kRed}}));
  std::string truncated = Bmp24({{kRed, kRed}, {kRed, kRed}});
  truncated.pop_back();
  for (const std::string& bad : {truncated, std::string("BM"), std::string("not a bitmap")}) {
    try {
      bitmap.LoadFromBytes(bad.data(), bad.size());
      ADD_FAILURE() << "accepted a damaged file";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    EXPECT_EQ(bitmap.Width(), 1);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), kRed);
  }
}

TEST(Bitmap, ResourceAndFileOfTheDefaultWallpaperAgree) {
  TBitmap fromResource;
  fromResource.LoadFromResource(GetModuleHandleA(nullptr), "TESTWALLPAPER");
  TBitmap fromFile;
  fromFile.LoadFromFile(RESOURCES_DIR "wallpaper.bmp");
  ASSERT_EQ(fromResource.Width(), 800);
  ASSERT_EQ(fromResource.Height(), 500);
  EXPECT_EQ(fromResource.BitCount(), 8);
  EXPECT_EQ(fromResource.Palette(), fromFile.Palette());
  for (int y = 0; y < 500; ++y)
    ASSERT_EQ(std::string(reinterpret_cast<const char*>(fromResource.ScanLine(y)), 800),
              std::string(reinterpret_cast<const char*>(fromFile.ScanLine(y)), 800))
        << "row " << y;

  try {
    fromResource.LoadFromResource(GetModuleHandleA(nullptr), "NOSUCH");
    FAIL() << "loaded a missing resource";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCH not found");
  }
  EXPECT_THROW(fromResource.LoadFromResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(77)),
               EResNotFound);
  EXPECT_EQ(fromResource.Width(), 800);
}

TEST(Bitmap, StretchingFillsTheRectangle) {
  const std::vector<uint32_t> row = {kRed, kRed, kRed, kRed, kBlue, kBlue, kBlue, kBlue};
  const TBitmap bitmap = FromBytes(Bmp24({row, row}));
  Canvas canvas(24, 12, kWhite);
  bitmap.Draw(canvas.Dc(), RECT{2, 1, 22, 11});
  EXPECT_TRUE(Near(canvas.Pixel(3, 2), kRed, 16)) << std::hex << canvas.Pixel(3, 2);
  EXPECT_TRUE(Near(canvas.Pixel(20, 10), kBlue, 16)) << std::hex << canvas.Pixel(20, 10);
  EXPECT_EQ(canvas.Pixel(1, 5), kWhite);
  EXPECT_EQ(canvas.Pixel(22, 5), kWhite);
  EXPECT_EQ(canvas.Pixel(10, 11), kWhite);
}

// A 40 x 20 picture in four quarters: red, green / blue, a checkerboard of black and white,
// as palette indexes 1, 2 / 3, 0 or 4.
int QuarterIndex(int x, int y) {
  if (y < 10)
    return x < 20 ? 1 : 2;
  return x < 20 ? 3 : ((x + y) % 2 ? 4 : 0);
}
const std::vector<uint32_t> kQuarterColours = {0x000000, kRed, kGreen, kBlue, kWhite};
constexpr uint32_t kGrey = 0x808080;  // the checkerboard, averaged

// The quarters stored as BITCOUNT bits a pixel (8: indexed; 16: 5-6-5 masks), bottom-up unless
// TOPDOWN, or run-length coded (8 bits, one run per pixel).
Bmp Quarters(int bitCount, bool topDown = false, bool runLength = false) {
  Bmp bmp;
  bmp.width = 40, bmp.height = topDown ? -20 : 20;
  bmp.bitCount = static_cast<uint32_t>(bitCount);
  if (bitCount == 8) {
    bmp.palette = kQuarterColours;
    bmp.colorsUsed = static_cast<uint32_t>(kQuarterColours.size());
  }
  if (bitCount == 16) {
    bmp.compression = 3;  // bit fields
    bmp.masks = {0xF800, 0x07E0, 0x001F};
  }
  if (runLength)
    bmp.compression = 1;
  for (int i = 0; i < 20; ++i) {
    const int y = topDown ? i : 19 - i;
    std::string row;
    for (int x = 0; x < 40; ++x) {
      const int index = QuarterIndex(x, y);
      const uint32_t c = kQuarterColours[static_cast<size_t>(index)];
      if (runLength) {
        row += '\x01';
        row += static_cast<char>(index);
      } else if (bitCount == 8) {
        row += static_cast<char>(index);
      } else if (bitCount == 16) {
        const uint32_t v = (c >> 8 & 0xF800) | (c >> 5 & 0x07E0) | (c >> 3 & 0x001F);
        row += static_cast<char>(v & 0xFF);
        row += static_cast<char>(v >> 8);
      } else {
        row += static_cast<char>(c & 0xFF);
        row += static_cast<char>(c >> 8 & 0xFF);
        row += static_cast<char>(c >> 16 & 0xFF);
        if (bitCount == 32)
          row += '\0';
      }
    }
    if (runLength)
      row += std::string("\0\0", 2);  // end of line
    else
      row.resize((row.size() + 3) / 4 * 4, '\0');
    bmp.pixels += row;
  }
  if (runLength)
    bmp.pixels += std::string("\0\x01", 2);  // end of picture
  return bmp;
}

TEST(Bitmap, AFileLargerThanAskedIsKeptReducedToFitInEveryFormat) {
  const struct {
    const char* name;
    Bmp bmp;
  } cases[] = {
      {"24-bit", Quarters(24)},         {"24-bit top-down", Quarters(24, true)},
      {"32-bit", Quarters(32)},         {"16-bit masks", Quarters(16)},
      {"8-bit indexed", Quarters(8)},   {"8-bit run-length", Quarters(8, false, true)},
  };
  const std::string path = ScratchFile("quarters.bmp");
  for (const auto& c : cases) {
    WriteRaw(path, c.bmp.File());
    TBitmap bitmap;
    bitmap.LoadFromFileWithin(path, 4, 2);
    ASSERT_EQ(bitmap.Width(), 4) << c.name;
    ASSERT_EQ(bitmap.Height(), 2) << c.name;
    EXPECT_EQ(bitmap.BitCount(), 24) << c.name;
    const uint32_t expected[2][4] = {{kRed, kRed, kGreen, kGreen}, {kBlue, kBlue, kGrey, kGrey}};
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PixelOf(bitmap, x, y), expected[y][x]) << c.name << " at " << x << "," << y;

    // A picture that fits is loaded as it is.
    TBitmap whole;
    whole.LoadFromFileWithin(path, 40, 20);
    EXPECT_EQ(whole.Width(), 40) << c.name;
    EXPECT_EQ(whole.BitCount(), c.bmp.bitCount == 16 ? 24 : static_cast<int>(c.bmp.bitCount)) << c.name;
  }
  DeleteFileA(path.c_str());
}

TEST(Bitmap, OnlyTheSideThatDoesNotFitIsReduced) {
  const std::string path = ScratchFile("quarters.bmp");
  WriteRaw(path, Quarters(24).File());
  TBitmap bitmap;
  bitmap.LoadFromFileWithin(path, 2, 100);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 20);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), kRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 19), 0x808080u);  // a row of the checkerboard, averaged
  DeleteFileA(path.c_str());
}

TEST(Bitmap, AReducedLoadOfADamagedOrMissingFileFailsAsAWholeLoadDoes) {
  const std::string path = ScratchFile("cut.bmp");
  std::string cut = Quarters(24).File();
  cut.resize(cut.size() - 1);
  WriteRaw(path, cut);
  TBitmap bitmap = FromBytes(Bmp24({{kRed}}));
  try {
    bitmap.LoadFromFileWithin(path, 4, 2);
    ADD_FAILURE() << "accepted a cut file";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap image is not valid");
  }
  EXPECT_EQ(bitmap.Width(), 1) << "the old picture stays";
  DeleteFileA(path.c_str());
  EXPECT_THROW(bitmap.LoadFromFileWithin(path, 4, 2), EFOpenError);
}

TEST(Bitmap, HandlesAreFreedWhenReplacedClearedOrMoved) {
  TBitmap bitmap(2, 2);
  const HBITMAP first = bitmap.Handle();
  bitmap.LoadFromBytes(Bmp24({{kRed}}).data(), Bmp24({{kRed}}).size());
  EXPECT_EQ(GetObjectType(first), 0u) << "the replaced section was deleted";

  TBitmap moved(std::move(bitmap));
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_THROW(bitmap.ScanLine(0), EInvalidOperation);
  const HBITMAP second = moved.Handle();
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP));

  TBitmap copy = moved.Clone();
  EXPECT_NE(copy.Handle(), second);
  copy.ScanLine(0)[0] = 0x55;
  EXPECT_EQ(PixelOf(moved, 0, 0), kRed) << "a clone has its own pixels";
  moved.Clear();
  EXPECT_EQ(GetObjectType(second), 0u);
}

}  // namespace

// A bitmap drawn on by GDI: the right half blue.
TBitmap HalfBlue() {
  TBitmap bitmap(2, 1, 24);
  UniqueDC dc(CreateCompatibleDC(nullptr));
  TSelectObject select(dc.Get(), bitmap.Handle());
  UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 255)));
  const RECT r{1, 0, 2, 1};
  FillRect(dc.Get(), &r, brush.Get());
  return bitmap;
}

TEST(Bitmap, ThePixelsMoveIntoTheSectionWhenItsHandleIsFirstAskedFor) {
  struct TCase {
    const char* what;
    std::function<TBitmap()> make;
    uint32_t left, right;  // the two pixels of the top row as drawn
  };
  const auto indexed = [](uint32_t bitCount, std::string pixels) {
    Bmp bmp;
    bmp.bitCount = bitCount, bmp.width = 2, bmp.height = 2, bmp.colorsUsed = 2;
    bmp.palette = {0x00FFFF, 0xFF00FF};
    bmp.pixels = std::move(pixels);
    return FromBytes(bmp.File());
  };
  const TCase cases[] = {
      {"1 bit, bottom row 01, top row 10", [&] { return indexed(1, std::string("\x40\0\0\0\x80\0\0\0", 8)); },
       0xFF00FF, 0x00FFFF},
      {"4 bits", [&] { return indexed(4, std::string("\x01\0\0\0\x10\0\0\0", 8)); }, 0xFF00FF, 0x00FFFF},
      {"8 bits", [&] { return indexed(8, std::string("\0\x01\0\0\x01\0\0\0", 8)); }, 0xFF00FF, 0x00FFFF},
      {"24 bits", [] { return FromBytes(Bmp24({{kRed, kGreen}, {kBlue, kWhite}})); }, kRed, kGreen},
      {"created, then written by rows",
       [] {
         TBitmap b(2, 3, 32);
         b.ScanLine(0)[4] = 0x7F;
         b.ScanLine(2)[0] = 0x01;
         return b;
       },
       0, 0x00007F},
      {"converted to 32 bits", [] {
         TBitmap b = FromBytes(Bmp24({{kGreen, kBlue}}));
         b.SetBitCount(32);
         return b;
       }, kGreen, kBlue},
      {"moved before it has one", [] {
         TBitmap b = FromBytes(Bmp24({{kBlue, kRed}}));
         TBitmap moved(std::move(b));
         return moved;
       }, kBlue, kRed},
      {"cloned from one drawn on by GDI", [] { return HalfBlue().Clone(); }, 0, kBlue},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TBitmap bitmap = c.make();
    EXPECT_FALSE(bitmap.HasHandle());
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y)
      rows.emplace_back(reinterpret_cast<const char*>(bitmap.ScanLine(y)), bitmap.Stride());

    const HBITMAP handle = bitmap.Handle();
    ASSERT_TRUE(bitmap.HasHandle());
    EXPECT_EQ(bitmap.Handle(), handle) << "made once";
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(handle, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, bitmap.Width());
    EXPECT_EQ(section.dsBm.bmHeight, bitmap.Height());
    EXPECT_EQ(section.dsBm.bmBitsPixel, bitmap.BitCount());
    EXPECT_EQ(section.dsBm.bmBits, bitmap.ScanLine(bitmap.Height() - 1)) << "the rows are now the section's";
    for (int y = 0; y < bitmap.Height(); ++y)
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(bitmap.ScanLine(y)), bitmap.Stride()), rows[y]) << y;
    if (!bitmap.Palette().empty()) {
      UniqueDC dc(CreateCompatibleDC(nullptr));
      TSelectObject select(dc.Get(), handle);
      RGBQUAD table[2]{};
      ASSERT_EQ(GetDIBColorTable(dc.Get(), 0, 2, table), 2u);
      EXPECT_EQ(table[1].rgbRed, 0xFF);
      EXPECT_EQ(table[1].rgbGreen, 0x00);
      EXPECT_EQ(table[0].rgbGreen, 0xFF);
    }

    Canvas canvas(2, bitmap.Height(), 0x808080);
    bitmap.Draw(canvas.Dc(), RECT{0, 0, 2, bitmap.Height()});
    EXPECT_EQ(canvas.Pixel(0, 0), c.left);
    EXPECT_EQ(canvas.Pixel(1, 0), c.right);
  }
}

TEST(Bitmap, RowsWrittenOnceTheSectionIsMadeAreDrawnAndDrawingMakesIt) {
  TBitmap bitmap = FromBytes(Bmp24({{kRed, kGreen}}));
  Canvas canvas(2, 1, 0x808080);
  bitmap.Draw(canvas.Dc(), RECT{0, 0, 2, 1});
  EXPECT_TRUE(bitmap.HasHandle());
  EXPECT_EQ(canvas.Pixel(0, 0), kRed);
  bitmap.ScanLine(0)[3] = 0xFF;  // the second pixel's blue
  bitmap.Draw(canvas.Dc(), RECT{0, 0, 2, 1});
  EXPECT_EQ(canvas.Pixel(1, 0), 0x00FFFFu);
  EXPECT_FALSE(TBitmap().HasHandle());
  EXPECT_EQ(TBitmap().Handle(), nullptr);
}

