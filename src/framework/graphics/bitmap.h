#pragma once
#include "framework/system/gdi_handles.h"
#include "framework/graphics/graphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct BmpLayout;
class TBoxReducer;

// A device-independent bitmap with direct access to its pixel rows. Pixel formats: 1, 4 and 8
// bits per pixel with a colour table, as loaded; 24 (blue, green, red) and 32 (blue, green, red,
// fourth byte) as loaded or created. Movable, not copyable (Clone).
//
// The pixels stay in plain memory until the picture's handle is first asked for; then they move
// into a DIB section, which holds them from there on. Making and freeing a section is a system
// call that costs far more than a small picture's pixels (most of a skin load under Wine), and
// many pictures are only ever read or copied by rows, or never drawn at all.
class TBitmap : public TGraphic {
public:
  TBitmap() = default;
  // A black bitmap of the size; bitCount 24 or 32.
  TBitmap(int width, int height, int bitCount = 24);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;

  // Replaces the picture with a black one of the size; bitCount 24 or 32. A size of 0 makes the
  // bitmap empty. EOutOfResources when the system cannot make it.
  void SetSize(int width, int height, int bitCount = 24);
  // Converts the pixels to 24 or 32 bits per pixel (the fourth byte of 32 is 0 unless the
  // source had one).
  void SetBitCount(int bitCount);
  void Clear();
  TBitmap Clone() const;

  bool Empty() const override { return bits_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int BitCount() const { return bitCount_; }  // 0 when empty
  // The DIB section, made now if the picture has none yet (EOutOfResources when the system
  // cannot make it); null when empty. Rows taken by ScanLine before the first call are no
  // longer the picture's after it.
  HBITMAP Handle() const;
  // Whether the DIB section has been made.
  bool HasHandle() const { return static_cast<bool>(handle_); }
  // Colour table of an indexed bitmap, 0x00RRGGBB entries; empty for 24 and 32 bits.
  const std::vector<uint32_t>& Palette() const { return palette_; }

  // Row y, 0 being the top row; Stride() bytes long. Pending GDI drawing into the bitmap's
  // section is finished first. EInvalidOperation for a row outside the bitmap.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  size_t Stride() const { return stride_; }

  // A BMP file image (file header included); EInvalidGraphic("Bitmap image is not valid")
  // when it is damaged or truncated.
  void LoadFromBytes(const void* data, size_t size) override;
  // A BMP file larger than maxWidth x maxHeight is kept reduced to fit, 24 bits per pixel; an
  // uncompressed one is read a few rows at a time, so it is never whole in memory.
  void LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight) override;
  // A copy no larger than maxWidth x maxHeight: reduced to fit, 24 bits per pixel, each pixel
  // the mean of those it stands for; unchanged when it fits.
  TBitmap ReducedWithin(int maxWidth, int maxHeight) const;
  // A bitmap resource (RT_BITMAP); EResNotFound "Resource %s not found" when there is none.
  void LoadFromResource(HINSTANCE instance, const char* name);
  // The picture as a BMP file image (40-byte header, bottom-up), and as a file.
  std::string SaveToBytes() const;
  void SaveToFile(const std::string& path) const;

  void Draw(HDC dc, const RECT& rect) const override;

private:
  void Create(int width, int height, int bitCount, std::vector<uint32_t> palette);
  void MakeSection() const;
  void LoadDib(const BmpLayout& layout, const uint8_t* data);
  static TBitmap FromReducer(const TBoxReducer& reducer);

  mutable UniqueBitmap handle_;                 // the DIB section, once made
  mutable std::unique_ptr<uint8_t[]> memory_;   // the pixels until the section is made
  mutable uint8_t* bits_ = nullptr;             // the pixels, bottom row first, in either
  int width_ = 0;                  // size in pixels
  int height_ = 0;
  int bitCount_ = 0;               // bits per pixel
  size_t stride_ = 0;              // bytes per row
  std::vector<uint32_t> palette_;  // colour table of indexed formats
};
