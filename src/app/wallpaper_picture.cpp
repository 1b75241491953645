#include "app/wallpaper_picture.h"

#include "framework/core/cover_scaler.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/graphics/picture_rows.h"
#include "framework/graphics/png_image.h"
#include "framework/system/file_stream.h"

#include <windows.h>

#include <cstring>
#include <optional>

namespace {

enum class TPhotoKind { Jpeg, Png };

// The kind by the file's first bytes, not its name: a photo renamed from .png to .jpg still
// shows; anything else is refused with a message saying what it is.
TPhotoKind KindOf(const std::string& path) {
  TFileStream file(path, TFileStream::fmOpenRead);
  unsigned char head[8] = {};
  const size_t got = file.Read(head, sizeof head);
  if (got == 0)
    throw EInvalidGraphic("The file is empty");
  if (got >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF)
    return TPhotoKind::Jpeg;
  static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (got == 8 && std::memcmp(head, kPngSignature, 8) == 0)
    return TPhotoKind::Png;
  if (got >= 2 && head[0] == 'B' && head[1] == 'M')
    throw EInvalidGraphic("The file holds a bitmap, not a JPEG or PNG picture");
  throw EInvalidGraphic("The file is not a JPEG or PNG picture");
}

// Scales the rows as they come into a bitmap of the screen's size.
class CoverRows : public TPictureRows {
public:
  CoverRows(int width, int height) : width_(width), height_(height) {}

  void Begin(int width, int height) override {
    scaler_.emplace(width, height, width_, height_);
    bitmap_.SetSize(width_, height_, 24);
  }
  void Row(int y, const uint8_t* bgr) override {
    scaler_->AddRow(y, bgr, bitmap_.ScanLine(0), -static_cast<ptrdiff_t>(bitmap_.Stride()));
  }
  const TBitmap& Result() const {
    if (!scaler_ || scaler_->RowsDone() != height_)
      throw EInvalidGraphic("The picture ends before its last row");
    return bitmap_;
  }

private:
  int width_, height_;                  // the screen's size
  std::optional<TCoverScaler> scaler_;  // made once the picture's size is known
  TBitmap bitmap_;                      // the wallpaper
};

}  // namespace

void WritePhotoWallpaper(const std::string& photo, int width, int height, const std::string& bmpPath) {
  CoverRows rows(width, height);
  if (KindOf(photo) == TPhotoKind::Jpeg)
    ReadJpegRows(photo, width, height, rows);
  else
    ReadPngRows(photo, rows);
  // Written beside the old one and then put in its place: a failed write leaves the old
  // wallpaper file whole.
  const std::string partial = bmpPath + ".new";
  rows.Result().SaveToFile(partial);
  if (!MoveFileExA(partial.c_str(), bmpPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    const DWORD error = GetLastError();
    DeleteFileA(partial.c_str());
    throw EFCreateError("Cannot create file \"" + bmpPath + "\". " + SysErrorMessage(error));
  }
}
