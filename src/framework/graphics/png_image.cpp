#include "framework/graphics/png_image.h"

#include "framework/core/box_reducer.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/graphics/picture_rows.h"
#include "framework/graphics/plain_jump.h"
#include "framework/system/file_stream.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <png.h>

namespace {

// libpng reports a fatal error through its error function and expects it not to return. It
// runs inside libpng's C frames, which C++ exceptions must not cross, so it jumps back to the
// reading function, which throws from its own frame.
struct PngErrors {
  jmp_buf escape;      // set by ReadPng
  char message[256];   // the decoder's text
};

void JumpOnError(png_structp png, png_const_charp message) {
  auto* errors = static_cast<PngErrors*>(png_get_error_ptr(png));
  std::snprintf(errors->message, sizeof errors->message, "%s", message ? message : "");
  std::longjmp(errors->escape, 1);
}

// Warnings (a damaged optional chunk, which the decoder skips) are not shown.
void IgnoreWarning(png_structp, png_const_charp) {}

// Where the bytes come from: READ fills the buffer or returns fewer at the end.
using ByteReader = std::function<size_t(void* buffer, size_t count)>;

struct ReadState {
  ByteReader* read;  // the source
};

void ReadBytes(png_structp png, png_bytep out, size_t count) {
  auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
  size_t got = 0;
  try {
    got = (*state->read)(out, count);
  } catch (const Exception&) {
    got = 0;  // exceptions must not cross libpng's frames
  }
  if (got != count)
    png_error(png, "the file ends before the picture does");
}

// Owns libpng's reader; destroyed also after a jump.
struct Reader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~Reader() {
    if (png)
      png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
};

// Lays blue, green, red, alpha over black.
void OverBlack(const uint8_t* bgra, uint8_t* bgr, png_uint_32 width) {
  for (png_uint_32 x = 0; x < width; ++x, bgra += 4, bgr += 3) {
    const unsigned a = bgra[3];
    bgr[0] = static_cast<uint8_t>((bgra[0] * a + 127) / 255);
    bgr[1] = static_cast<uint8_t>((bgra[1] * a + 127) / 255);
    bgr[2] = static_cast<uint8_t>((bgra[2] * a + 127) / 255);
  }
}

void ReadPng(ByteReader read, TPictureRows& rows) {
  // Everything that lives across the jump is declared before setjmp, so the jump skips no
  // destructor; after the jump they are destroyed by the throw as usual.
  Reader r;
  PngErrors errors{};
  ReadState state{&read};
  std::vector<uint8_t> bgra, bgr, whole;
  std::vector<png_bytep> wholeRows;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, JumpOnError, IgnoreWarning);
  if (!r.png)
    throw EOutOfResources("Out of system resources");
  if (PLAIN_SETJMP(errors.escape))
    throw EInvalidGraphic(Format("PNG error: %s", errors.message));
  r.info = png_create_info_struct(r.png);
  if (!r.info)
    png_error(r.png, "out of memory");
  png_set_read_fn(r.png, &state, ReadBytes);
  png_read_info(r.png, r.info);

  const png_uint_32 width = png_get_image_width(r.png, r.info);
  const png_uint_32 height = png_get_image_height(r.png, r.info);
  const bool interlaced = png_get_interlace_type(r.png, r.info) != PNG_INTERLACE_NONE;
  // Every form becomes 8-bit blue, green, red, alpha: one path for all of them.
  png_set_expand(r.png);
  png_set_strip_16(r.png);
  png_set_gray_to_rgb(r.png);
  png_set_bgr(r.png);
  png_set_add_alpha(r.png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  // The limit holds for the whole picture however it is read, so a picture is taken or
  // refused by its size alone.
  CheckPictureMemory(width, height, 4);
  if (png_get_rowbytes(r.png, r.info) != size_t{width} * 4)
    png_error(r.png, "unexpected row format");

  bgr.resize(size_t{width} * 3);
  rows.Begin(static_cast<int>(width), static_cast<int>(height));
  if (!interlaced) {
    bgra.resize(size_t{width} * 4);
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(r.png, bgra.data(), nullptr);
      OverBlack(bgra.data(), bgr.data(), width);
      rows.Row(static_cast<int>(y), bgr.data());
    }
  } else {
    // The passes of an interlaced picture each fill part of every row: it is read whole.
    whole.resize(size_t{width} * 4 * height);
    wholeRows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
      wholeRows[y] = whole.data() + size_t{width} * 4 * y;
    for (int pass = 0; pass < passes; ++pass)
      png_read_rows(r.png, wholeRows.data(), nullptr, height);
    for (png_uint_32 y = 0; y < height; ++y) {
      OverBlack(wholeRows[y], bgr.data(), width);
      rows.Row(static_cast<int>(y), bgr.data());
    }
  }
  png_read_end(r.png, nullptr);
}

// Keeps the rows as a bitmap, reduced to fit within a size when given one.
class BitmapRows : public TPictureRows {
public:
  BitmapRows(int maxWidth, int maxHeight) : maxWidth_(maxWidth), maxHeight_(maxHeight) {}

  void Begin(int width, int height) override {
    const int w = std::min(width, maxWidth_), h = std::min(height, maxHeight_);
    if (w < width || h < height)
      reducer_.emplace(width, height, std::max(w, 1), std::max(h, 1));
    else
      bitmap_.SetSize(width, height, 24);
  }
  void Row(int y, const uint8_t* bgr) override {
    if (reducer_)
      reducer_->AddRow(y, bgr);
    else
      std::memcpy(bitmap_.ScanLine(y), bgr, static_cast<size_t>(bitmap_.Width()) * 3);
  }
  TBitmap Take() {
    if (reducer_) {
      bitmap_.SetSize(reducer_->Width(), reducer_->Height(), 24);
      reducer_->WriteRows(bitmap_.ScanLine(0), -static_cast<ptrdiff_t>(bitmap_.Stride()));
    }
    return std::move(bitmap_);
  }

private:
  int maxWidth_, maxHeight_;               // the largest size kept
  std::optional<TBoxReducer> reducer_;     // shrinks a larger picture while it is read
  TBitmap bitmap_;                         // the picture
};

}  // namespace

void ReadPngRows(const void* data, size_t size, TPictureRows& rows) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  size_t offset = 0;
  ReadPng([&](void* buffer, size_t count) {
            const size_t n = std::min(count, size - offset);
            std::memcpy(buffer, bytes + offset, n);
            offset += n;
            return n;
          },
          rows);
}

void ReadPngRows(const std::string& path, TPictureRows& rows) {
  TFileStream file(path, TFileStream::fmOpenRead);
  ReadPng([&](void* buffer, size_t count) { return file.Read(buffer, count); }, rows);
}

void TPNGImage::LoadFromBytes(const void* data, size_t size) {
  BitmapRows rows(INT32_MAX, INT32_MAX);
  ReadPngRows(data, size, rows);
  bitmap_ = rows.Take();
}

void TPNGImage::LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight) {
  BitmapRows rows(std::max(maxWidth, 1), std::max(maxHeight, 1));
  ReadPngRows(path, rows);
  bitmap_ = rows.Take();
}
