#include "framework/graphics/bitmap.h"

#include "framework/core/bmp_format.h"
#include "framework/core/box_reducer.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/system/file_stream.h"
#include "framework/system/resource.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace {

[[noreturn]] void OutOfResources() { throw EOutOfResources("Out of system resources"); }

// A side of a picture reduced to fit MAX: as it is when it fits.
int32_t Fit(int32_t side, int max) { return std::min<int32_t>(side, std::max(max, 1)); }

// Bytes of pixel rows read from a file at a time.
constexpr size_t kRowsReadSize = 1 << 20;

}  // namespace

TBitmap::TBitmap(int width, int height, int bitCount) { SetSize(width, height, bitCount); }

TBitmap::TBitmap(TBitmap&& other) noexcept
    : handle_(std::move(other.handle_)),
      memory_(std::move(other.memory_)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      bitCount_(std::exchange(other.bitCount_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      palette_(std::move(other.palette_)) {
  other.palette_.clear();
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    handle_ = std::move(other.handle_);
    memory_ = std::move(other.memory_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bitCount_ = std::exchange(other.bitCount_, 0);
    stride_ = std::exchange(other.stride_, 0);
    palette_ = std::move(other.palette_);
    other.palette_.clear();
  }
  return *this;
}

void TBitmap::Create(int width, int height, int bitCount, std::vector<uint32_t> palette) {
  if (width < 0 || height < 0)
    throw EInvalidOperation(Format("Invalid bitmap size %d x %d", width, height));
  if (width == 0 || height == 0) {
    Clear();
    return;
  }
  const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
  if (stride * static_cast<uint64_t>(height) > std::numeric_limits<int32_t>::max())
    OutOfResources();

  const size_t colors = bitCount <= 8 ? size_t{1} << bitCount : 0;
  palette.resize(colors);
  // Zeroed, as a new section is: black, and the row padding defined.
  std::unique_ptr<uint8_t[]> memory(new (std::nothrow) uint8_t[stride * height]());
  if (!memory)
    OutOfResources();

  handle_.Reset();
  memory_ = std::move(memory);
  bits_ = memory_.get();
  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  stride_ = static_cast<size_t>(stride);
  palette_ = std::move(palette);
}

void TBitmap::MakeSection() const {
  const size_t colors = palette_.size();
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width_;
  header->biHeight = height_;  // bottom-up, the form every GDI call takes
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bitCount_);
  header->biCompression = BI_RGB;
  header->biClrUsed = static_cast<DWORD>(colors);
  // 0x00RRGGBB in memory is an RGBQUAD: blue, green, red, 0.
  if (colors)
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), palette_.data(), colors * 4);

  void* bits = nullptr;
  UniqueBitmap handle(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()),
                                       DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!handle || !bits)
    OutOfResources();
  std::memcpy(bits, memory_.get(), stride_ * static_cast<size_t>(height_));
  handle_ = std::move(handle);
  bits_ = static_cast<uint8_t*>(bits);
  memory_.reset();
}

HBITMAP TBitmap::Handle() const {
  if (!handle_ && bits_)
    MakeSection();
  return handle_.Get();
}

void TBitmap::SetSize(int width, int height, int bitCount) {
  if (bitCount != 24 && bitCount != 32)
    throw EInvalidOperation(Format("Unsupported pixel format (%d bits)", bitCount));
  Create(width, height, bitCount, {});
}

void TBitmap::SetBitCount(int bitCount) {
  if (bitCount != 24 && bitCount != 32)
    throw EInvalidOperation(Format("Unsupported pixel format (%d bits)", bitCount));
  if (Empty() || bitCount == bitCount_)
    return;
  TBitmap converted(width_, height_, bitCount);
  for (int y = 0; y < height_; ++y)
    ConvertDibRow(ScanLine(y), bitCount_, palette_, converted.ScanLine(y), bitCount, width_);
  *this = std::move(converted);
}

void TBitmap::Clear() {
  handle_.Reset();
  memory_.reset();
  bits_ = nullptr;
  width_ = height_ = bitCount_ = 0;
  stride_ = 0;
  palette_.clear();
}

TBitmap TBitmap::Clone() const {
  TBitmap copy;
  if (!Empty()) {
    copy.Create(width_, height_, bitCount_, palette_);
    std::memcpy(copy.bits_, ScanLine(height_ - 1), stride_ * static_cast<size_t>(height_));
  }
  return copy;
}

uint8_t* TBitmap::ScanLine(int y) {
  return const_cast<uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(y));
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_)
    throw EInvalidOperation(Format("Scan line index out of range (%d)", y));
  if (handle_)
    GdiFlush();
  return bits_ + static_cast<size_t>(height_ - 1 - y) * stride_;
}

void TBitmap::LoadDib(const BmpLayout& layout, const uint8_t* data) {
  TBitmap loaded;
  loaded.Create(layout.width, layout.height, layout.DecodedBitCount(), layout.palette);
  // The section is bottom-up: the top row is the last in memory.
  DecodeBmpPixels(layout, data, loaded.ScanLine(0), -static_cast<ptrdiff_t>(loaded.stride_));
  *this = std::move(loaded);
}

void TBitmap::LoadFromBytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  LoadDib(ParseBmpFile(bytes, size), bytes);
}

void TBitmap::LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight) {
  TFileStream file(path, TFileStream::fmOpenRead);
  const int64_t size = file.Size();
  std::vector<uint8_t> head(static_cast<size_t>(std::min<int64_t>(size, kBmpMaxHeadSize)));
  head.resize(file.Read(head.data(), head.size()));
  const BmpLayout layout = ParseBmpFileHead(head.data(), head.size(), static_cast<uint64_t>(size));
  const int32_t width = Fit(layout.width, maxWidth), height = Fit(layout.height, maxHeight);
  if (width == layout.width && height == layout.height) {
    LoadFromFile(path);
    return;
  }
  if (layout.compression == kBmpRle8 || layout.compression == kBmpRle4) {
    // Run-length rows have no fixed place in the file: decoded whole, only the reduction kept.
    TBitmap whole;
    whole.LoadFromFile(path);
    *this = whole.ReducedWithin(maxWidth, maxHeight);
    return;
  }
  TBoxReducer reducer(layout.width, layout.height, width, height);
  const size_t storedStride = DibStride(layout.width, layout.bitCount);
  const int32_t rowsPerRead =
      static_cast<int32_t>(std::clamp<size_t>(kRowsReadSize / storedStride, 1, INT32_MAX));
  std::vector<uint8_t> stored(storedStride * static_cast<size_t>(std::min(rowsPerRead, layout.height)));
  std::vector<uint8_t> decoded(DibStride(layout.width, layout.DecodedBitCount()));
  std::vector<uint8_t> bgr(static_cast<size_t>(layout.width) * 3);
  file.Seek(static_cast<int64_t>(layout.bitsOffset), TFileStream::soBeginning);
  for (int32_t first = 0; first < layout.height; first += rowsPerRead) {
    const int32_t rows = std::min(rowsPerRead, layout.height - first);
    file.ReadBuffer(stored.data(), storedStride * static_cast<size_t>(rows));
    for (int32_t r = 0; r < rows; ++r) {
      DecodeBmpRow(layout, stored.data() + static_cast<size_t>(r) * storedStride, decoded.data());
      ConvertDibRow(decoded.data(), layout.DecodedBitCount(), layout.palette, bgr.data(), 24,
                    layout.width);
      const int32_t row = first + r;
      reducer.AddRow(layout.topDown ? row : layout.height - 1 - row, bgr.data());
    }
  }
  *this = FromReducer(reducer);
}

TBitmap TBitmap::ReducedWithin(int maxWidth, int maxHeight) const {
  const int32_t width = Fit(width_, maxWidth), height = Fit(height_, maxHeight);
  if (Empty() || (width == width_ && height == height_))
    return Clone();
  TBoxReducer reducer(width_, height_, width, height);
  std::vector<uint8_t> bgr(static_cast<size_t>(width_) * 3);
  for (int y = 0; y < height_; ++y) {
    ConvertDibRow(ScanLine(y), bitCount_, palette_, bgr.data(), 24, width_);
    reducer.AddRow(y, bgr.data());
  }
  return FromReducer(reducer);
}

TBitmap TBitmap::FromReducer(const TBoxReducer& reducer) {
  TBitmap reduced(reducer.Width(), reducer.Height(), 24);
  reducer.WriteRows(reduced.ScanLine(0), -static_cast<ptrdiff_t>(reduced.stride_));
  return reduced;
}

void TBitmap::LoadFromResource(HINSTANCE instance, const char* name) {
  const std::string_view data = ResourceBytes(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  LoadDib(ParseDib(bytes, data.size()), bytes);
}

std::string TBitmap::SaveToBytes() const {
  if (Empty())
    throw EInvalidOperation("Cannot save an empty bitmap");
  return EncodeBmpFile(width_, height_, bitCount_, palette_, ScanLine(0),
                       -static_cast<ptrdiff_t>(stride_));
}

void TBitmap::SaveToFile(const std::string& path) const { WriteWholeFile(path, SaveToBytes()); }

void TBitmap::Draw(HDC dc, const RECT& rect) const {
  if (Empty())
    return;
  UniqueDC source(CreateCompatibleDC(dc));
  if (!source)
    OutOfResources();
  TSelectObject select(source.Get(), Handle());
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w == width_ && h == height_) {
    BitBlt(dc, rect.left, rect.top, w, h, source.Get(), 0, 0, SRCCOPY);
    return;
  }
  // HALFTONE averages the pixels it drops; it needs the brush origin reset after it is set.
  // Enlarging drops none: each pixel becomes a block, as Windows shows it, where Wine's
  // HALFTONE would blur the whole picture into gradients.
  TSaveDC keep(dc);
  if (w < width_ || h < height_) {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
  }
  StretchBlt(dc, rect.left, rect.top, w, h, source.Get(), 0, 0, width_, height_, SRCCOPY);
}
