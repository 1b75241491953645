#include "skin/controls/skin_header.h"

#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {

constexpr int kNormalFrame = 1, kHotFrame = 2;
// Header items are one line, cut with an ellipsis.
constexpr UINT kItemTextFormat = DT_END_ELLIPSIS | DT_EXPANDTABS;

int AlignmentOf(int format) {
  if (format & HDF_RIGHT)
    return 2;
  if (format & HDF_CENTER)
    return 1;
  return 0;
}

}  // namespace

bool TSkinHeader::HasPicture() const {
  return skinData_ && skinData_->Elements().Headerbar && !skinData_->Elements().Headerbar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasPicture())
        return true;
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      if (!HasPicture())
        return true;
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinHeader::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMoved({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      break;
    case WM_MOUSELEAVE:
      hotItem_ = -1;
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinHeader::MouseMoved(POINT point) {
  for (size_t i = 0; i < itemRects_.size(); ++i) {
    if (!PtInRect(&itemRects_[i], point))
      continue;
    if (static_cast<int>(i) != hotItem_) {
      hotItem_ = static_cast<int>(i);
      Repaint();
    }
    break;
  }
  TrackMouseLeave(windowHandle_);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  if (!HasPicture())
    return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return;
  const TDataSkinObject& bar = *skinData_->Elements().Headerbar;
  TBitmap picture(width, height);
  TMemoryDC buffer(picture.Handle());
  HFONT font = ControlFont();
  HGDIOBJ oldFont = SelectObject(buffer.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  isEnabled_ = true;
  SetBkMode(buffer.Get(), TRANSPARENT);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(windowHandle_, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageA(windowHandle_, HDM_GETITEMCOUNT, 0, 0));
  itemRects_.assign(static_cast<size_t>(std::max(count, 0)), RECT{});
  int end = rect.left;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageA(windowHandle_, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    DrawItem(buffer.Get(), i, item, images);
    itemRects_[static_cast<size_t>(i)] = {item.left + 3, item.top, item.right - 3, item.bottom};
    end = std::max(end, static_cast<int>(item.right));
  }
  if (end < rect.right)
    DrawSkinElement(buffer.Get(), {end, rect.top, rect.right, rect.bottom}, bar.Image, false, bar.Tile != 0, false,
                    bar.FrameCount, kNormalFrame, bar.Margins);
  SelectObject(buffer.Get(), oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItem(HDC buffer, int index, const RECT& item, HIMAGELIST images) {
  const TDataSkinObject& bar = *skinData_->Elements().Headerbar;
  const int width = item.right - item.left, height = item.bottom - item.top;
  if (width <= 0 || height <= 0)
    return;
  wchar_t text[201] = {};
  HDITEMW data{};
  data.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  data.pszText = text;
  data.cchTextMax = 201;
  SendMessageW(windowHandle_, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&data));
  TBitmap picture(width, height);
  TMemoryDC itemDC(picture.Handle());
  const RECT local{0, 0, width, height};
  DrawSkinElement(itemDC.Get(), local, bar.Image, false, bar.Tile != 0, false, bar.FrameCount,
                  index == hotItem_ ? kHotFrame : kNormalFrame, bar.Margins);
  if (text[0]) {
    SelectObject(itemDC.Get(), GetCurrentObject(buffer, OBJ_FONT));
    SetTextColor(itemDC.Get(), static_cast<COLORREF>(SkinColour(ciWindowText)));
    const bool withImage = data.fmt & (HDF_IMAGE | HDF_OWNERDRAW);
    DrawIconAndText(itemDC.Get(), local, AlignmentOf(data.fmt), text, withImage ? data.iImage : -1, images,
                    kItemTextFormat);
  }
  BitBlt(buffer, item.left, item.top, width, height, itemDC.Get(), 0, 0, SRCCOPY);
}
