#include "skin/controls/combo_list_bar.h"

#include "skin/controls/scroll_bar_picture.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// A message the list gets when its selection is redrawn.
constexpr UINT kListRedraw = 0x1AE;

int Scale(long long value, long long numerator, long long denominator) {
  if (denominator <= 0)
    return 0;
  const long long product = value * numerator, half = denominator / 2;
  return static_cast<int>((product + (product >= 0 ? half : -half)) / denominator);
}

}  // namespace

int DraggedListPosition(int offset, int track, int thumb, const SCROLLINFO& info) {
  const long long range = static_cast<long long>(info.nMax) - info.nMin;
  const int room = track - thumb;
  int n = std::max(offset, 0);
  long long position;
  if (info.nPage > 0) {
    n = std::min(n, room + 1);
    position = info.nMin + Scale(n, range - info.nPage, std::max(room, 1));
    position = std::min(position, static_cast<long long>(info.nMax) - info.nPage + 1);
  } else {
    position = info.nMin + Scale(std::min(n, room), range, std::max(track, 1));
    position = std::min<long long>(position, info.nMax);
  }
  return static_cast<int>(std::max<long long>(position, info.nMin));
}

bool TComboxScrollBar::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) {
        message.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
      if (message.WParam == HTVSCROLL && DragThumb({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)})) {
        message.Result = 0;
        return false;
      }
      return true;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TComboxScrollBar::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListRedraw:
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

// The list's own loop waits for each message instead of polling; it ends on the release or
// when the list loses the capture.
bool TComboxScrollBar::DragThumb(POINT screen) {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetScrollBarInfoSafe(windowHandle_, OBJID_VSCROLL, bar))
    return false;
  const int at = screen.y - bar.rcScrollBar.top;
  if (at < bar.xyThumbTop || at >= bar.xyThumbBottom)
    return false;
  SetCapture(windowHandle_);
  const int startY = screen.y;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(windowHandle_, SB_VERT, &info);
  const int track = bar.rcScrollBar.bottom - bar.rcScrollBar.top - 2 * arrowSize_;
  const int thumb = bar.xyThumbBottom - bar.xyThumbTop;
  const int offset = bar.xyThumbTop - arrowSize_;
  int position = info.nPos;
  MSG msg;
  while (GetCapture() == windowHandle_ && GetMessageA(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      POINT cursor{};
      GetCursorPos(&cursor);
      const int next = DraggedListPosition(offset + cursor.y - startY, track, thumb, info);
      if (next != position) {
        position = next;
        SendMessageA(windowHandle_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
      }
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      SendMessageA(windowHandle_, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
      PostMessageA(windowHandle_, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (GetCapture() == windowHandle_)
    ReleaseCapture();
  return true;
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT&) {
  if (!skinData_ || !skinData_->Elements().Scrollbar || skinData_->Elements().Scrollbar->Image.Empty())
    return;
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetScrollBarInfoSafe(windowHandle_, OBJID_VSCROLL, bar) || (bar.rgstate[0] & STATE_SYSTEM_INVISIBLE))
    return;
  RECT window{};
  GetWindowRect(windowHandle_, &window);
  RECT place = bar.rcScrollBar;
  OffsetRect(&place, -window.left, -window.top);
  const int width = place.right - place.left, height = place.bottom - place.top;
  if (width <= 0 || height <= 0)
    return;
  if (picture_.Bitmap().Width() != width || picture_.Bitmap().Height() != height)
    picture_.SetSize(width, height);
  const TScrollBarPicture picture{width, height, true, arrowSize_, height, bar.xyThumbTop, bar.xyThumbBottom, spNone,
                                  false, !(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE)};
  DrawScrollBarPicture(picture_.Dc(), *skinData_, FaceColour(), picture);
  BitBlt(dc, place.left, place.top, width, height, picture_.Dc(), 0, 0, SRCCOPY);
}
