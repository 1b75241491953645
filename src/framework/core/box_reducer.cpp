#include "framework/core/box_reducer.h"

#include "framework/core/exceptions.h"

TBoxReducer::TBoxReducer(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight)
    : srcHeight_(srcHeight), dstWidth_(dstWidth), dstHeight_(dstHeight) {
  if (dstWidth <= 0 || dstHeight <= 0 || dstWidth > srcWidth || dstHeight > srcHeight)
    throw EInvalidOperation("A reduced picture must be smaller than its source");
  columnOf_.resize(static_cast<size_t>(srcWidth));
  columnCount_.assign(static_cast<size_t>(dstWidth), 0);
  rowCount_.assign(static_cast<size_t>(dstHeight), 0);
  for (int32_t x = 0; x < srcWidth; ++x) {
    columnOf_[static_cast<size_t>(x)] = Target(x, srcWidth, dstWidth);
    ++columnCount_[static_cast<size_t>(columnOf_[static_cast<size_t>(x)])];
  }
  for (int32_t y = 0; y < srcHeight; ++y)
    ++rowCount_[static_cast<size_t>(Target(y, srcHeight, dstHeight))];
  sums_.assign(static_cast<size_t>(dstWidth) * static_cast<size_t>(dstHeight) * 3, 0);
}

int32_t TBoxReducer::Target(int32_t i, int32_t src, int32_t dst) {
  return static_cast<int32_t>(static_cast<int64_t>(i) * dst / src);
}

void TBoxReducer::AddRow(int32_t y, const uint8_t* bgr) {
  if (y < 0 || y >= srcHeight_)
    throw EInvalidOperation("Row outside the picture");
  uint64_t* row = sums_.data() + static_cast<size_t>(Target(y, srcHeight_, dstHeight_)) *
                                     static_cast<size_t>(dstWidth_) * 3;
  for (size_t x = 0; x < columnOf_.size(); ++x, bgr += 3) {
    uint64_t* sum = row + static_cast<size_t>(columnOf_[x]) * 3;
    sum[0] += bgr[0];
    sum[1] += bgr[1];
    sum[2] += bgr[2];
  }
}

void TBoxReducer::WriteRows(uint8_t* topRow, ptrdiff_t rowStep) const {
  const uint64_t* sum = sums_.data();
  for (int32_t y = 0; y < dstHeight_; ++y) {
    uint8_t* out = topRow + y * rowStep;
    for (int32_t x = 0; x < dstWidth_; ++x) {
      const uint64_t count = uint64_t{columnCount_[static_cast<size_t>(x)]} *
                             rowCount_[static_cast<size_t>(y)];
      for (int c = 0; c < 3; ++c, ++sum, ++out)
        *out = static_cast<uint8_t>((*sum + count / 2) / count);
    }
  }
}
