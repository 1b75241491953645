#include "skin/controls/skin_track_bar.h"

#include "framework/control.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"

namespace {

// The thumb picture's frames, and the one that is drawn.
constexpr int kThumbFrames = 5, kThumbFrame = 2;

}  // namespace

bool TSkinTrackBar::BeforeMessage(TSkinMessage& message) {
  // A framework control hears of its custom drawing as the notification its parent reflects; a
  // window known by its handle only when somebody hands it the parent's WM_NOTIFY.
  if ((message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) && message.LParam) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == windowHandle_) {
      message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT)
    return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT)
    return CDRF_DODEFAULT;
  switch (draw.dwItemSpec) {
    case TBCD_THUMB:
      DrawThumb(draw.hdc);
      return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
      DrawChannel(draw.hdc);
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

bool TSkinTrackBar::IsVertical() const {
  return GetWindowLongA(windowHandle_, GWL_STYLE) & TBS_VERT;
}

void TSkinTrackBar::DrawChannel(HDC dc) const {
  RECT channel{};
  SendMessageA(windowHandle_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const TSkinElementTable& elements = skinData_->Elements();
  if (IsVertical()) {
    if (!elements.TrackVert || elements.TrackVert->Image.Empty())
      return;
    // An upright bar reports its channel lying: its coordinates come back exchanged. Only a
    // rectangle that is still lying is turned back, so a system that reports it upright works too.
    if (channel.right - channel.left > channel.bottom - channel.top)
      channel = {channel.top, channel.left, channel.bottom, channel.right};
    const TDataSkinObject& track = *elements.TrackVert;
    const int w = track.Image.Width();
    RECT dest = channel;
    if (w < channel.right - channel.left) {
      dest.left = channel.left + (channel.right - channel.left - w) / 2;
      dest.right = dest.left + w;
    }
    DrawSkinElement(dc, dest, track.Image, false, false, track.Trans != 0, 1, 1,
                    {0, track.Margins.Top, 0, track.Margins.Bottom});
    return;
  }
  if (!elements.Track || elements.Track->Image.Empty())
    return;
  const TDataSkinObject& track = *elements.Track;
  const int h = track.Image.Height();
  RECT dest = channel;
  if (h < channel.bottom - channel.top) {
    dest.top = channel.top + (channel.bottom - channel.top - h) / 2;
    dest.bottom = dest.top + h;
  }
  DrawSkinElement(dc, dest, track.Image, false, false, track.Trans != 0, 1, 1,
                  {track.Margins.Left, 0, track.Margins.Right, 0});
}

void TSkinTrackBar::DrawThumb(HDC dc) const {
  if (!IsWindow(windowHandle_))
    return;
  RECT thumb{};
  SendMessageA(windowHandle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TSkinElementTable& elements = skinData_->Elements();
  const TDataSkinObject* picture = IsVertical() && elements.TrackbarThumbVert ? elements.TrackbarThumbVert.get()
                                                                             : elements.TrackbarThumbHorz.get();
  if (picture && !picture->Image.Empty()) {
    DrawStretchedFrame(dc, thumb, kThumbFrames, kThumbFrame, picture->Image);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(SkinColour(ciButtonShadow)));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// The bar repaints only through its own drawing: a round trip of the focus makes it redraw.
void TSkinTrackBar::SkinChanged() {
  TSkinControl::SkinChanged();
  HWND focus = GetFocus();
  SetFocus(windowHandle_);
  SetFocus(focus);
}
