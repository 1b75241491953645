#include "framework/graphics/jpeg_image.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <csetjmp>
#include <cstdio>
#include <limits>

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

// Owns the decompressor; a zeroed one may be destroyed before it was created.
struct Decompressor {
  jpeg_decompress_struct cinfo{};
  JpegErrors errors{};
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
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

}  // namespace

TBitmap DecodeJpeg(const void* data, size_t size) {
  // Everything that lives across the jump is declared before setjmp, so the jump skips no
  // destructor; after the jump they are destroyed by the throw as usual.
  Decompressor d;
  TBitmap bitmap;
  d.cinfo.err = jpeg_std_error(&d.errors.base);
  d.errors.base.error_exit = JumpOnError;
  d.errors.base.emit_message = IgnoreMessage;
  if (setjmp(d.errors.escape))
    throw EInvalidGraphic(Format("JPEG error #%d: %s", d.errors.code, d.errors.message));

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
