#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/graphics/metafile.h"
#include "framework/graphics/picture.h"

#include "picture_bytes.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace wine_support;
using namespace picture_bytes;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGrey = 0x808080;

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "<no error>";
}

// Writes the bytes of a file of this kind under the name and loads it into a picture.
const TGraphic* LoadAs(TPicture& picture, const std::string& name, const std::string& bytes) {
  const std::string path = ScratchFile(name);
  WriteRaw(path, bytes);
  picture.LoadFromFile(path);
  DeleteFileA(path.c_str());
  return picture.Graphic();
}

std::string Emf() {
  const RECT frame{0, 0, 1000, 1000};
  HENHMETAFILE emf = CloseEnhMetaFile(CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr));
  std::string bytes(GetEnhMetaFileBits(emf, 0, nullptr), '\0');
  GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
  DeleteEnhMetaFile(emf);
  return bytes;
}

std::string Wmf() {
  HDC dc = CreateMetaFileA(nullptr);
  SetWindowExtEx(dc, 10, 10, nullptr);
  HMETAFILE wmf = CloseMetaFile(dc);
  std::string bytes(GetMetaFileBitsEx(wmf, 0, nullptr), '\0');
  GetMetaFileBitsEx(wmf, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteMetaFile(wmf);
  return bytes;
}

TEST(Picture, TheExtensionChoosesTheLoaderInAnyCase) {
  const std::string jpeg = ReadRaw(RESOURCES_DIR "banner.jpg");
  const std::string ico = Ico({{16, 16, 32, IconImage32(16, kRed)}});
  TPicture picture;
  EXPECT_NE(dynamic_cast<const TBitmap*>(LoadAs(picture, "a.BMP", Bmp24({{kRed}}))), nullptr);
  EXPECT_NE(dynamic_cast<const TJPEGImage*>(LoadAs(picture, "b.JpEg", jpeg)), nullptr);
  EXPECT_NE(dynamic_cast<const TJPEGImage*>(LoadAs(picture, "c.jpg", jpeg)), nullptr);
  EXPECT_EQ(picture.Width(), 560);
  EXPECT_NE(dynamic_cast<const TIcon*>(LoadAs(picture, "d.Ico", ico)), nullptr);
  EXPECT_EQ(picture.Width(), 16);
  EXPECT_NE(dynamic_cast<const TMetafile*>(LoadAs(picture, "e.EMF", Emf())), nullptr);
  EXPECT_NE(dynamic_cast<const TMetafile*>(LoadAs(picture, "f.wmf", Wmf())), nullptr);
  EXPECT_EQ(picture.Width(), 10);
  // The file's kind is not sniffed: a JPEG named .bmp is a damaged bitmap.
  EXPECT_EQ(MessageOf([&] { LoadAs(picture, "g.bmp", jpeg); }), "Bitmap image is not valid");
}

TEST(Picture, UnknownExtensionsAreNamedAsWrittenBeforeTheFileIsOpened) {
  TPicture picture;
  const std::string folder = ScratchFolder();
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "missing.Tga"); }),
            "Unknown picture file extension (.Tga)");
  // PNG is a known kind: the file itself is looked for.
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "missing.Png"); }).rfind("Cannot open file", 0), 0u);
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "missing.bmp.gif"); }),
            "Unknown picture file extension (.gif)");
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "noextension"); }),
            "Unknown picture file extension (.)");
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "dotted.dir\\bmp"); }),
            "Unknown picture file extension (.)");
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(folder + "trailing."); }),
            "Unknown picture file extension (.)");
}

TEST(Picture, AMissingFileNamesItsPath) {
  TPicture picture;
  const std::string path = ScratchFile("gone.jpg");
  DeleteFileA(path.c_str());
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(path); }),
            "Cannot open file \"" + path + "\". " + SysErrorMessage(ERROR_FILE_NOT_FOUND));
  EXPECT_THROW(picture.LoadFromFile(path), EFOpenError);
}

TEST(Picture, ChangesAreAnnouncedAndFailuresKeepTheOldPicture) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&] { ++changes; };
  EXPECT_TRUE(picture.Empty());
  LoadAs(picture, "two.bmp", Bmp24({{kRed, kRed}}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 2);

  EXPECT_THROW(LoadAs(picture, "bad.bmp", "BM damaged"), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(ScratchFile("gone.bmp")), EFOpenError);
  EXPECT_THROW(picture.LoadFromFile(ScratchFile("x.txt")), EInvalidGraphic);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_FALSE(picture.Empty());

  picture.Clear();
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Width(), 0);
  picture.SetGraphic(std::make_unique<TBitmap>(3, 3));
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(picture.Height(), 3);
}

TEST(Picture, DrawsStretchedOrAtNaturalSizeNeverOutsideTheRectangle) {
  TPicture picture;
  LoadAs(picture, "four.bmp", Bmp24({{kRed, kRed, kBlue, kBlue},
                                     {kRed, kRed, kBlue, kBlue},
                                     {kRed, kRed, kBlue, kBlue},
                                     {kRed, kRed, kBlue, kBlue}}));
  {
    Canvas canvas(10, 10, kGrey);
    picture.Draw(canvas.Dc(), RECT{3, 3, 6, 5}, false);  // smaller than the picture: clipped
    EXPECT_EQ(canvas.Pixel(3, 3), kRed);
    EXPECT_EQ(canvas.Pixel(5, 4), kBlue);
    EXPECT_EQ(canvas.Pixel(6, 4), kGrey) << "right of the rectangle";
    EXPECT_EQ(canvas.Pixel(4, 5), kGrey) << "below the rectangle";
    // The clipping does not outlast the call.
    const RECT all{0, 0, 10, 10};
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(canvas.Dc(), &all, white);
    EXPECT_EQ(canvas.Pixel(9, 9), 0xFFFFFFu);
  }
  {
    Canvas canvas(20, 20, kGrey);
    picture.Draw(canvas.Dc(), RECT{1, 1, 9, 9}, false);  // larger: the rest is left alone
    EXPECT_EQ(canvas.Pixel(1, 1), kRed);
    EXPECT_EQ(canvas.Pixel(4, 4), kBlue);
    EXPECT_EQ(canvas.Pixel(5, 5), kGrey);
  }
  {
    Canvas canvas(20, 20, kGrey);
    picture.Draw(canvas.Dc(), RECT{1, 1, 17, 9}, true);
    EXPECT_TRUE(Near(canvas.Pixel(2, 8), kRed, 16));
    EXPECT_TRUE(Near(canvas.Pixel(16, 8), kBlue, 16));
    EXPECT_EQ(canvas.Pixel(17, 8), kGrey);
    EXPECT_EQ(canvas.Pixel(8, 9), kGrey);
  }
  {
    TPicture empty;
    Canvas canvas(4, 4, kGrey);
    empty.Draw(canvas.Dc(), RECT{0, 0, 4, 4}, true);
    EXPECT_EQ(canvas.Pixel(1, 1), kGrey);
  }
}

}  // namespace
