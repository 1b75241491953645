#include "framework/core/cover_scaler.h"

#include <algorithm>
#include <stdexcept>

// One source pixel stands for num/den target pixels (the cover scale). Target pixel i starts
// at source coordinate (i + crop) * den / num, crop being half the target pixels cut off, so
// at (2 * i * den + src * num - dst * den) / (2 * num); its cell runs from there to where
// pixel i + 1 starts, at least one source pixel.
TCoverScaler::Cells TCoverScaler::CellsOf(int32_t src, int32_t dst, int64_t num, int64_t den) {
  Cells cells;
  cells.begin.resize(static_cast<size_t>(dst));
  cells.end.resize(static_cast<size_t>(dst));
  const int64_t cut = src * num - dst * den;  // >= 0: the scaled picture covers the target
  for (int64_t i = 0; i < dst; ++i) {
    const int64_t first = (cut + 2 * i * den) / (2 * num);
    const int64_t last = (cut + 2 * (i + 1) * den) / (2 * num);
    const int32_t b = static_cast<int32_t>(std::min<int64_t>(first, src - 1));
    const int32_t e = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(last, b + 1), src));
    cells.begin[static_cast<size_t>(i)] = b;
    cells.end[static_cast<size_t>(i)] = e;
  }
  return cells;
}

TCoverScaler::TCoverScaler(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight)
    : dstWidth_(dstWidth), dstHeight_(dstHeight) {
  if (srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0)
    throw std::invalid_argument("TCoverScaler: sizes must be above 0");
  // The cover scale is the larger of dstWidth/srcWidth and dstHeight/srcHeight, kept as a
  // fraction so that the side it is taken from maps exactly.
  int64_t num = dstWidth, den = srcWidth;
  if (int64_t{dstHeight} * srcWidth > int64_t{dstWidth} * srcHeight) {
    num = dstHeight;
    den = srcHeight;
  }
  columns_ = CellsOf(srcWidth, dstWidth, num, den);
  rows_ = CellsOf(srcHeight, dstHeight, num, den);
  sums_.assign(static_cast<size_t>(dstWidth) * 3, 0);
}

void TCoverScaler::AddRow(int32_t y, const uint8_t* bgr, uint8_t* topRow, ptrdiff_t rowStep) {
  if (nextRow_ >= dstHeight_ || y < rows_.begin[static_cast<size_t>(nextRow_)])
    return;  // above the crop, or below it once every row is written
  for (int32_t x = 0; x < dstWidth_; ++x) {
    const size_t xi = static_cast<size_t>(x);
    uint64_t* sum = &sums_[xi * 3];
    for (int32_t s = columns_.begin[xi]; s < columns_.end[xi]; ++s) {
      const uint8_t* p = bgr + static_cast<size_t>(s) * 3;
      sum[0] += p[0];
      sum[1] += p[1];
      sum[2] += p[2];
    }
  }
  if (y + 1 >= rows_.end[static_cast<size_t>(nextRow_)])
    EmitRows(topRow, rowStep);
}

// Writes the gathered row as every target row whose cell it is (an enlarged picture's rows
// repeat), then starts the next.
void TCoverScaler::EmitRows(uint8_t* topRow, ptrdiff_t rowStep) {
  const size_t r = static_cast<size_t>(nextRow_);
  const int32_t cellBegin = rows_.begin[r], cellEnd = rows_.end[r];
  const uint64_t cellRows = static_cast<uint64_t>(cellEnd - cellBegin);
  uint8_t* out = topRow + rowStep * nextRow_;
  for (int32_t x = 0; x < dstWidth_; ++x) {
    const size_t xi = static_cast<size_t>(x);
    const uint64_t count = cellRows * static_cast<uint64_t>(columns_.end[xi] - columns_.begin[xi]);
    for (size_t c = 0; c < 3; ++c)
      out[xi * 3 + c] = static_cast<uint8_t>((sums_[xi * 3 + c] + count / 2) / count);
  }
  ++nextRow_;
  while (nextRow_ < dstHeight_ && rows_.begin[static_cast<size_t>(nextRow_)] == cellBegin &&
         rows_.end[static_cast<size_t>(nextRow_)] == cellEnd) {
    std::copy(out, out + static_cast<size_t>(dstWidth_) * 3, topRow + rowStep * nextRow_);
    ++nextRow_;
  }
  std::fill(sums_.begin(), sums_.end(), uint64_t{0});
}
