#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Scales a picture of 24-bit rows (blue, green, red), fed top row first, so that it covers a
// target size while keeping its aspect, and keeps the centre of it: the sides that stick out
// are cut off evenly. Each target pixel is the mean of the source pixels of its cell (a cell is
// at least one pixel, so an enlarged picture repeats its pixels). Only two rows of sums are
// held, never the source.
class TCoverScaler {
public:
  // All sizes above 0.
  TCoverScaler(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight);

  // Adds source row Y, srcWidth pixels; rows come in order from 0. Each target row is written
  // to topRow + row * rowStep as soon as its last source row has come.
  void AddRow(int32_t y, const uint8_t* bgr, uint8_t* topRow, ptrdiff_t rowStep);

  int32_t Width() const { return dstWidth_; }
  int32_t Height() const { return dstHeight_; }
  // Target rows written so far.
  int32_t RowsDone() const { return nextRow_; }

private:
  // The cells of one direction: target index i takes source indices [begin[i], end[i]).
  struct Cells {
    std::vector<int32_t> begin, end;
  };
  static Cells CellsOf(int32_t src, int32_t dst, int64_t num, int64_t den);
  void EmitRows(uint8_t* topRow, ptrdiff_t rowStep);

  int32_t dstWidth_, dstHeight_;  // the target's size
  Cells columns_, rows_;          // cells across and down
  int32_t nextRow_ = 0;           // the first target row not yet written
  std::vector<uint64_t> sums_;    // blue, green, red sums of the row being gathered
};
