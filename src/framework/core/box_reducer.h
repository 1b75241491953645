#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Shrinks a picture of 24-bit rows (blue, green, red) fed one row at a time, in any order, to a
// size no larger in either direction: each pixel of the result is the mean of the source pixels
// that fall on it, as a stretched drawing that averages what it drops shows it. Only the sums of
// the result are held, never the source.
class TBoxReducer {
public:
  // 0 < dstWidth <= srcWidth and 0 < dstHeight <= srcHeight.
  TBoxReducer(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight);

  // Adds source row Y (0 being the top row), srcWidth pixels.
  void AddRow(int32_t y, const uint8_t* bgr);
  // The result, dstWidth pixels of 24 bits per row: row y at topRow + y * rowStep.
  void WriteRows(uint8_t* topRow, ptrdiff_t rowStep) const;

  int32_t Width() const { return dstWidth_; }
  int32_t Height() const { return dstHeight_; }

private:
  // The result's row or column that source index I (of SRC) falls on.
  static int32_t Target(int32_t i, int32_t src, int32_t dst);

  int32_t srcHeight_;                 // source rows
  int32_t dstWidth_, dstHeight_;      // the result's size
  std::vector<int32_t> columnOf_;     // result column of each source column
  std::vector<uint32_t> columnCount_; // source columns on each result column
  std::vector<uint32_t> rowCount_;    // source rows on each result row
  std::vector<uint64_t> sums_;        // blue, green, red sums of each result pixel
};
