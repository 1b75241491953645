#include "framework/graphics/jpeg_image.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/graphics/picture_rows.h"
#include "framework/graphics/plain_jump.h"
#include "framework/system/file_stream.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit and expects it not to return. It runs inside
// libjpeg's C frames, which C++ exceptions must not cross, so it jumps back to the decoding
// function, which throws from its own frame.
struct JpegErrors {
  jpeg_error_mgr base;             // libjpeg's part; first, so the pointers convert
  jmp_buf escape;                  // set by DecodeJpeg
  int code;                        // the error's number
  char message[JMSG_LENGTH_MAX];   // and its text
};

void JumpOnError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  errors->code = cinfo->err->msg_code;
  (*cinfo->err->format_message)(cinfo, errors->message);
  std::longjmp(errors->escape, 1);
}

// Warnings (corrupt data the decoder steps over) and trace messages are not shown.
void IgnoreMessage(j_common_ptr, int) {}

// Owns the decompressor, its errors routed to JumpOnError; a zeroed one may be destroyed
// before it was created.
struct Decompressor {
  jpeg_decompress_struct cinfo{};
  JpegErrors errors{};
  Decompressor() {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = IgnoreMessage;
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  // The error the decoder reported, once it has jumped back.
  [[noreturn]] void ThrowError() const {
    throw EInvalidGraphic(Format("JPEG error #%d: %s", errors.code, errors.message));
  }
};

// Adobe's CMYK pictures store the inks inverted (0 = full ink), others plainly.
void CmykToBgr(const JSAMPLE* cmyk, uint8_t* bgr, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const unsigned c = inverted ? cmyk[0] : 255 - cmyk[0];
    const unsigned m = inverted ? cmyk[1] : 255 - cmyk[1];
    const unsigned y = inverted ? cmyk[2] : 255 - cmyk[2];
    const unsigned k = inverted ? cmyk[3] : 255 - cmyk[3];
    bgr[0] = static_cast<uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<uint8_t>((c * k + 127) / 255);
  }
}

// Feeds the decompressor from a file, a buffer at a time. At the end of the file (or a read
// that fails) it hands over an end-of-picture marker, as libjpeg's own sources do, and notes
// that the file ended early.
struct FileSource {
  jpeg_source_mgr base;        // libjpeg's part; first, so the pointers convert
  TFileStream* file;           // the open file
  bool endedEarly;             // the data ran out before the decoder was done
  JOCTET buffer[64 * 1024];    // the bytes last read

  static void Init(j_decompress_ptr) {}
  static boolean Fill(j_decompress_ptr cinfo) {
    auto* self = reinterpret_cast<FileSource*>(cinfo->src);
    size_t got = 0;
    try {
      got = self->file->Read(self->buffer, sizeof self->buffer);
    } catch (const Exception&) {
      got = 0;  // exceptions must not cross libjpeg's frames: a failed read ends the data
    }
    if (got == 0) {
      self->endedEarly = true;
      self->buffer[0] = 0xFF;
      self->buffer[1] = JPEG_EOI;
      got = 2;
    }
    self->base.next_input_byte = self->buffer;
    self->base.bytes_in_buffer = got;
    return TRUE;
  }
  static void Skip(j_decompress_ptr cinfo, long count) {
    auto* self = reinterpret_cast<FileSource*>(cinfo->src);
    while (count > static_cast<long>(self->base.bytes_in_buffer)) {
      count -= static_cast<long>(self->base.bytes_in_buffer);
      Fill(cinfo);
    }
    if (count > 0) {
      self->base.next_input_byte += count;
      self->base.bytes_in_buffer -= static_cast<size_t>(count);
    }
  }
  static void Term(j_decompress_ptr) {}
};

// The smallest scale n/8 at which a WIDTH x HEIGHT picture still covers the cover size.
unsigned CoverScale(JDIMENSION width, JDIMENSION height, int coverWidth, int coverHeight) {
  if (coverWidth <= 0 || coverHeight <= 0)
    return 8;
  for (unsigned n = 1; n < 8; ++n)
    if ((uint64_t{width} * n + 7) / 8 >= static_cast<uint64_t>(coverWidth) &&
        (uint64_t{height} * n + 7) / 8 >= static_cast<uint64_t>(coverHeight))
      return n;
  return 8;
}

}  // namespace

void ReadJpegRows(const std::string& path, int coverWidth, int coverHeight, TPictureRows& rows) {
  TFileStream file(path, TFileStream::fmOpenRead);
  // As in DecodeJpeg, everything living across the jump is declared before setjmp; the source
  // outlives the decompressor that reads from it.
  auto source = std::make_unique<FileSource>();
  Decompressor d;
  std::vector<uint8_t> bgr, cmykRow;
  if (PLAIN_SETJMP(d.errors.escape))
    d.ThrowError();

  jpeg_create_decompress(&d.cinfo);
  d.cinfo.mem->max_memory_to_use = static_cast<long>(kMaxPictureMemory);
  source->file = &file;
  source->endedEarly = false;
  source->base.init_source = FileSource::Init;
  source->base.fill_input_buffer = FileSource::Fill;
  source->base.skip_input_data = FileSource::Skip;
  source->base.resync_to_restart = jpeg_resync_to_restart;
  source->base.term_source = FileSource::Term;
  source->base.next_input_byte = nullptr;
  source->base.bytes_in_buffer = 0;
  d.cinfo.src = &source->base;
  jpeg_read_header(&d.cinfo, TRUE);
  const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
  d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  d.cinfo.scale_num = CoverScale(d.cinfo.image_width, d.cinfo.image_height, coverWidth, coverHeight);
  d.cinfo.scale_denom = 8;
  jpeg_calc_output_dimensions(&d.cinfo);

  const JDIMENSION width = d.cinfo.output_width, height = d.cinfo.output_height;
  CheckPictureMemory(width, 1, 4);  // a row, in the widest form the decoder hands out
  bgr.resize(size_t{width} * 3);
  cmykRow.resize(cmyk ? size_t{width} * 4 : 0);
  rows.Begin(static_cast<int>(width), static_cast<int>(height));
  jpeg_start_decompress(&d.cinfo);
  while (d.cinfo.output_scanline < height && !source->endedEarly) {
    const int y = static_cast<int>(d.cinfo.output_scanline);
    JSAMPROW row = cmyk ? cmykRow.data() : bgr.data();
    jpeg_read_scanlines(&d.cinfo, &row, 1);
    if (cmyk)
      CmykToBgr(cmykRow.data(), bgr.data(), width, d.cinfo.saw_Adobe_marker);
    rows.Row(y, bgr.data());
  }
  // Rows the data did not reach would come out grey: the picture is incomplete.
  if (source->endedEarly)
    throw EInvalidGraphic("JPEG file is truncated");
  jpeg_finish_decompress(&d.cinfo);
}

TBitmap DecodeJpeg(const void* data, size_t size) {
  // Everything that lives across the jump is declared before setjmp, so the jump skips no
  // destructor; after the jump they are destroyed by the throw as usual.
  Decompressor d;
  TBitmap bitmap;
  if (PLAIN_SETJMP(d.errors.escape))
    d.ThrowError();

  jpeg_create_decompress(&d.cinfo);
  const unsigned long length =
      size > std::numeric_limits<unsigned long>::max() ? 0 : static_cast<unsigned long>(size);
  jpeg_mem_src(&d.cinfo, static_cast<const unsigned char*>(data), length);
  jpeg_read_header(&d.cinfo, TRUE);
  const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
  d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_calc_output_dimensions(&d.cinfo);

  const JDIMENSION width = d.cinfo.output_width, height = d.cinfo.output_height;
  if (width > static_cast<JDIMENSION>(std::numeric_limits<int>::max()) ||
      height > static_cast<JDIMENSION>(std::numeric_limits<int>::max()))
    throw EOutOfResources("Out of system resources");
  bitmap.SetSize(static_cast<int>(width), static_cast<int>(height), 24);

  jpeg_start_decompress(&d.cinfo);
  JSAMPARRAY cmykRow = cmyk ? (*d.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.cinfo),
                                                          JPOOL_IMAGE, width * 4, 1)
                            : nullptr;
  while (d.cinfo.output_scanline < height) {
    const int y = static_cast<int>(d.cinfo.output_scanline);
    JSAMPROW row = cmyk ? cmykRow[0] : bitmap.ScanLine(y);
    jpeg_read_scanlines(&d.cinfo, &row, 1);
    if (cmyk)
      CmykToBgr(cmykRow[0], bitmap.ScanLine(y), width, d.cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&d.cinfo);
  return bitmap;
}
