#include "framework/image.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap.h"

#include "wine_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using wine_support::Canvas;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr uint32_t kUnpainted = 0x123456;

// A 24-bit bitmap whose rows are the given 0x00RRGGBB colours.
std::unique_ptr<TBitmap> BitmapOf(const std::vector<std::vector<uint32_t>>& rows) {
  auto bitmap = std::make_unique<TBitmap>(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (size_t y = 0; y < rows.size(); ++y) {
    uint8_t* pixel = bitmap->ScanLine(static_cast<int>(y));
    for (uint32_t colour : rows[y]) {
      *pixel++ = colour & 0xFF;
      *pixel++ = (colour >> 8) & 0xFF;
      *pixel++ = (colour >> 16) & 0xFF;
    }
  }
  return bitmap;
}

uint32_t Background() {
  const COLORREF c = GetSysColor(COLOR_BTNFACE);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class ImageTest : public ::testing::Test {
protected:
  ImageTest() : form_(nullptr), image_(new TImage(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 100, 100);
    image_->SetParent(&form_);
    image_->SetBounds(5, 5, 20, 20);
    image_->Picture().SetGraphic(BitmapOf({{kRed, kGreen}, {kBlue, kWhite}}));
    form_.Handle();
  }
  // What the window paints, through the message a parent or a skinner uses to capture it.
  void Print(const Canvas& canvas) {
    SendMessageA(image_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  }
  TApplication app_;
  TWinControl form_;
  TImage* image_;
};

TEST_F(ImageTest, AStretchedPictureFillsTheControlInEqualBlocks) {
  image_->SetStretch(true);
  Canvas canvas(20, 20, kUnpainted);
  Print(canvas);
  // Enlarged, each pixel is a sharp block: no blending across the seams.
  const uint32_t blocks[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      EXPECT_EQ(canvas.Pixel(x, y), blocks[y / 10][x / 10]) << x << "," << y;
}

TEST_F(ImageTest, AnUnstretchedPictureKeepsItsSizeOnTheParentsBackgroundCutOffAtTheRight) {
  std::vector<uint32_t> row(30, kBlue);
  row[19] = kRed;
  image_->Picture().SetGraphic(BitmapOf({row, row}));
  Canvas canvas(30, 20, kUnpainted);
  Print(canvas);
  EXPECT_EQ(canvas.Pixel(0, 1), kBlue);
  EXPECT_EQ(canvas.Pixel(19, 0), kRed);
  EXPECT_EQ(canvas.Pixel(20, 0), kUnpainted);  // nothing drawn beyond the control
  for (POINT p : {POINT{0, 2}, POINT{10, 10}, POINT{19, 19}})
    EXPECT_EQ(canvas.Pixel(p.x, p.y), Background()) << p.x << "," << p.y;
}

TEST_F(ImageTest, AMouseClickRunsOnClick) {
  int clicks = 0;
  image_->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, image_);
    ++clicks;
  };
  SendMessageA(image_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(image_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageA(image_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(10, 10)), HTCLIENT);
}

TEST(PictureResourceTest, AJpegInAnRcdataResourceLoadsAndAMissingOneIsReported) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&] { ++changes; };
  picture.LoadFromResource(GetModuleHandleA(nullptr), "BANNER", MAKEINTRESOURCEA(10), "jpg");
  EXPECT_EQ(picture.Width(), 560);
  EXPECT_EQ(picture.Height(), 73);
  EXPECT_EQ(changes, 1);
  try {
    picture.LoadFromResource(GetModuleHandleA(nullptr), "NOBANNER", MAKEINTRESOURCEA(10), "jpg");
    ADD_FAILURE() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOBANNER not found");
  }
  EXPECT_EQ(picture.Width(), 560);  // the old picture stays
  EXPECT_EQ(changes, 1);
}

}  // namespace
