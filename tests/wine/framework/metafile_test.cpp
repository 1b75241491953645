#include "framework/core/exceptions.h"
#include "framework/graphics/metafile.h"

#include "picture_bytes.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace wine_support;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Left half red, right half blue, over a w x h area of the recording DC's units.
void PaintHalves(HDC dc, int w, int h) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
  HGDIOBJ old = SelectObject(dc, red);
  PatBlt(dc, 0, 0, w / 2, h, PATCOPY);
  SelectObject(dc, blue);
  PatBlt(dc, w / 2, 0, w - w / 2, h, PATCOPY);
  SelectObject(dc, old);
  DeleteObject(red);
  DeleteObject(blue);
}

// An enhanced metafile of one inch by half an inch.
std::string EmfBytes() {
  const RECT frame{0, 0, 2540, 1270};  // 0.01 mm
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  HDC screen = GetDC(nullptr);
  // Drawing units are the reference device's pixels.
  const int w = MulDiv(2540, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, HORZSIZE) * 100);
  const int h = MulDiv(1270, GetDeviceCaps(screen, VERTRES), GetDeviceCaps(screen, VERTSIZE) * 100);
  ReleaseDC(nullptr, screen);
  PaintHalves(dc, w, h);
  HENHMETAFILE emf = CloseEnhMetaFile(dc);
  std::string bytes(GetEnhMetaFileBits(emf, 0, nullptr), '\0');
  GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
  DeleteEnhMetaFile(emf);
  return bytes;
}

// A plain Windows metafile with a window of 100 x 50 units.
std::string WmfBytes() {
  HDC dc = CreateMetaFileA(nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, 100, 50, nullptr);
  PaintHalves(dc, 100, 50);
  HMETAFILE wmf = CloseMetaFile(dc);
  std::string bytes(GetMetaFileBitsEx(wmf, 0, nullptr), '\0');
  GetMetaFileBitsEx(wmf, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteMetaFile(wmf);
  return bytes;
}

std::string Placeable(int16_t right, int16_t bottom, uint16_t inch) {
  std::string p;
  picture_bytes::Put32(p, 0x9AC6CDD7);
  for (uint32_t v : {0u, 0u, 0u, static_cast<uint32_t>(right), static_cast<uint32_t>(bottom),
                     static_cast<uint32_t>(inch), 0u, 0u, 0u})
    picture_bytes::Put16(p, v);
  return p;
}

TMetafile FromBytes(const std::string& bytes) {
  TMetafile metafile;
  metafile.LoadFromBytes(bytes.data(), bytes.size());
  return metafile;
}

void ExpectHalves(const TMetafile& metafile) {
  Canvas canvas(60, 30, kWhite);
  metafile.Draw(canvas.Dc(), RECT{10, 5, 50, 25});
  EXPECT_TRUE(Near(canvas.Pixel(13, 15), kRed, 8)) << std::hex << canvas.Pixel(13, 15);
  EXPECT_TRUE(Near(canvas.Pixel(46, 15), kBlue, 8)) << std::hex << canvas.Pixel(46, 15);
  EXPECT_EQ(canvas.Pixel(5, 15), kWhite);
  EXPECT_EQ(canvas.Pixel(55, 15), kWhite);
}

TEST(Metafile, EnhancedFilesHaveTheirFramesSizeAndPlayIntoTheRectangle) {
  const TMetafile metafile = FromBytes(EmfBytes());
  EXPECT_EQ(metafile.Width(), ScreenDpi());
  EXPECT_EQ(metafile.Height(), ScreenDpi() / 2);
  ExpectHalves(metafile);
}

TEST(Metafile, PlainWindowsFilesAreSizedByTheirWindow) {
  const std::string wmf = WmfBytes();
  const std::string path = ScratchFile("plain.wmf");
  WriteRaw(path, wmf);
  TMetafile metafile;
  metafile.LoadFromFile(path);
  EXPECT_EQ(metafile.Width(), 100);
  EXPECT_EQ(metafile.Height(), 50);
  ExpectHalves(metafile);
  DeleteFileA(path.c_str());
}

TEST(Metafile, PlaceableFilesAreSizedByTheirBox) {
  const TMetafile metafile = FromBytes(Placeable(192, 96, 96) + WmfBytes());  // 2 x 1 inches
  EXPECT_EQ(metafile.Width(), 2 * ScreenDpi());
  EXPECT_EQ(metafile.Height(), ScreenDpi());
  ExpectHalves(metafile);
}

TEST(Metafile, DamagedFilesAreRefusedAndAReplacedPictureIsDeleted) {
  TMetafile metafile = FromBytes(WmfBytes());
  const HENHMETAFILE old = metafile.Handle();
  std::string cutEmf = EmfBytes();
  cutEmf.resize(cutEmf.size() - 8);
  std::string cutWmf = WmfBytes();
  cutWmf.resize(cutWmf.size() - 2);
  for (const std::string& bad : {cutEmf, cutWmf, std::string("not a metafile")}) {
    try {
      metafile.LoadFromBytes(bad.data(), bad.size());
      ADD_FAILURE() << "accepted a damaged metafile";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), "Metafile is not valid");
    }
  }
  const std::string next = EmfBytes();
  metafile.LoadFromBytes(next.data(), next.size());
  EXPECT_EQ(GetEnhMetaFileHeader(old, 0, nullptr), 0u) << "the replaced picture was deleted";
}

}  // namespace
