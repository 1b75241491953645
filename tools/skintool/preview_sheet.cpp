#include "preview_sheet.h"

#include "framework/system/gdi_handles.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <algorithm>

namespace {

constexpr int kLabelWidth = 170;     // the label column
constexpr int kLabelIndent = 6;
constexpr int kDrawingIndent = 8;    // from the label column to the first frame
constexpr int kLineHeight = 14;      // one label line
constexpr int kBandPadding = 6;      // above and below the drawings of a band
constexpr int kFrameGap = 4;         // between frames, and between lines of frames
constexpr int kSizeGap = 20;         // between the natural and the stretched frames
constexpr int kWrapWidth = 960;      // a line of frames wraps past this width
constexpr int kRightMargin = 8;
constexpr int kStretchWide = 3;      // the larger size: three times as wide,
constexpr int kStretchHigh = 2;      // twice as high
constexpr COLORREF kLabelShade[] = {RGB(222, 226, 232), RGB(206, 211, 218)};  // alternate bands
constexpr COLORREF kLabelText = RGB(20, 24, 30);

// One frame's place, relative to the top-left of the band's drawing area.
struct TFramePlace {
  RECT Rect;
  int Frame;
};

SIZE FrameSize(const TPreviewRow& row) {
  const TBitmap& p = *row.Picture;
  if (row.Vertical)
    return {p.Width(), p.Height() / row.FrameCount};
  return {p.Width() / row.FrameCount, p.Height()};
}

SIZE Stretched(SIZE s) { return {s.cx * kStretchWide, s.cy * kStretchHigh}; }

// Every frame at its own size, then every frame stretched, in lines that wrap so that long
// strips keep the sheet narrow.
std::vector<TFramePlace> PlaceFrames(const TPreviewRow& row) {
  std::vector<TFramePlace> places;
  int x = 0, y = 0, lineHeight = 0;
  const auto put = [&](SIZE size, int frame) {
    if (x > 0 && x + size.cx > kWrapWidth) {
      x = 0;
      y += lineHeight + kFrameGap;
      lineHeight = 0;
    }
    places.push_back({RECT{x, y, x + size.cx, y + size.cy}, frame});
    x += size.cx + kFrameGap;
    lineHeight = std::max<int>(lineHeight, size.cy);
  };
  const SIZE natural = FrameSize(row);
  for (int i = 1; i <= row.FrameCount; ++i)
    put(natural, i);
  x += kSizeGap - kFrameGap;
  for (int i = 1; i <= row.FrameCount; ++i)
    put(Stretched(natural), i);
  return places;
}

SIZE DrawingExtent(const std::vector<TFramePlace>& places) {
  SIZE extent{0, 0};
  for (const TFramePlace& p : places) {
    extent.cx = std::max(extent.cx, p.Rect.right);
    extent.cy = std::max(extent.cy, p.Rect.bottom);
  }
  return extent;
}

int BandHeight(SIZE extent) {
  return std::max<int>(extent.cy, 2 * kLineHeight) + 2 * kBandPadding;
}

const char* KindName(TDrawKind kind) {
  switch (kind) {
  case TDrawKind::NineSlice: return "nine-slice";
  case TDrawKind::TiledBar: return "tiled bar";
  case TDrawKind::StretchedFrame: return "stretched frame";
  case TDrawKind::Glyph: return "centred glyph";
  case TDrawKind::ThreeSlice: return "three-slice bar";
  }
  return "";
}

void DrawFrame(HDC dc, const RECT& r, const TPreviewRow& row, int frame) {
  const TBitmap& p = *row.Picture;
  switch (row.Kind) {
  case TDrawKind::NineSlice:
    DrawSkinElement(dc, r, p, row.Vertical, row.Tile, row.Transparent, row.FrameCount, frame,
                    row.Margins);
    break;
  case TDrawKind::TiledBar:
    DrawTiledBar(dc, r, p, row.Vertical, row.Transparent, row.FrameCount, frame, row.Margins);
    break;
  case TDrawKind::StretchedFrame:
    DrawSkinFrame(dc, r, p, row.Transparent, row.FrameCount, frame);
    break;
  case TDrawKind::Glyph:
    DrawSkinGlyph(dc, r, p, row.Transparent, row.FrameCount, frame);
    break;
  case TDrawKind::ThreeSlice:
    DrawThreeSliceBar(dc, r, p, row.Margins);
    break;
  }
}

void FillRect(HDC dc, const RECT& r, COLORREF colour) {
  UniqueBrush brush(CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.Get());
}

void DrawLabel(HDC dc, const TPreviewRow& row, const RECT& band, int index) {
  FillRect(dc, RECT{band.left, band.top, kLabelWidth, band.bottom}, kLabelShade[index % 2]);
  const int top = band.top + (band.bottom - band.top - 2 * kLineHeight) / 2;
  const std::string detail = std::to_string(row.FrameCount) +
                             (row.FrameCount == 1 ? " frame, " : " frames, ") +
                             KindName(row.Kind);
  RECT line{kLabelIndent, top, kLabelWidth - kLabelIndent, top + kLineHeight};
  const UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;
  DrawTextA(dc, row.Label.c_str(), -1, &line, flags);
  OffsetRect(&line, 0, kLineHeight);
  DrawTextA(dc, detail.c_str(), -1, &line, flags);
}

// Rows of 24-bit pixels without padding are simpler for whoever reads the file back.
int PaddedWidth(int width) { return (width + 3) / 4 * 4; }

}  // namespace

TPreviewSheet DrawPreviewSheet(const std::vector<TPreviewRow>& rows) {
  TPreviewSheet sheet;
  sheet.DrawingLeft = kLabelWidth;
  std::vector<std::vector<TFramePlace>> places;
  int width = kLabelWidth + kRightMargin;
  int height = 0;
  for (const TPreviewRow& row : rows) {
    places.push_back(PlaceFrames(row));
    const SIZE extent = DrawingExtent(places.back());
    width = std::max<int>(width, kLabelWidth + kDrawingIndent + extent.cx + kRightMargin);
    sheet.Bands.push_back({height, height + BandHeight(extent), row.Label});
    height = sheet.Bands.back().Bottom;
  }
  sheet.Bitmap.SetSize(PaddedWidth(width), std::max(height, 1));

  TMemoryDC dc(sheet.Bitmap.Handle());
  FillRect(dc.Get(), RECT{0, 0, sheet.Bitmap.Width(), sheet.Bitmap.Height()}, kSheetBackground);
  TSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), kLabelText);
  for (size_t i = 0; i < rows.size(); ++i) {
    const TPreviewBand& band = sheet.Bands[i];
    DrawLabel(dc.Get(), rows[i], RECT{0, band.Top, kLabelWidth, band.Bottom}, static_cast<int>(i));
    for (TFramePlace place : places[i]) {
      OffsetRect(&place.Rect, kLabelWidth + kDrawingIndent, band.Top + kBandPadding);
      DrawFrame(dc.Get(), place.Rect, rows[i], place.Frame);
    }
  }
  GdiFlush();
  return sheet;
}
