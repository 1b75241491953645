#include "skin/controls/skin_up_down.h"

#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"
#include "skin/model/scratch_bitmap.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// States of a half, as the element's frames count them within one button.
constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4;
// The least gap to the border of the edit the control sits in.
constexpr int kEditInset = 3;

// The plain arrow of a half without the skin's element: a solid chevron 9 pixels wide and 4 high
// up or down (its tip at the point 2 above the centre, or 3 below that), a 3-pixel triangle
// left or right.
void DrawPlainArrow(HDC dc, const RECT& half, int direction) {
  const int cx = (half.left + half.right) / 2, cy = (half.top + half.bottom) / 2;
  if (direction < 2) {
    const int tip = direction == 0 ? cy - 2 : cy + 1;
    const int step = direction == 0 ? 1 : -1;
    for (int row = 0; row < 4; ++row) {
      MoveToEx(dc, cx - row - 1, tip + step * row, nullptr);
      LineTo(dc, cx + row + 2, tip + step * row);
    }
    return;
  }
  const int step = direction == 2 ? 1 : -1;
  for (int col = 0; col < 3; ++col) {
    MoveToEx(dc, cx - step + step * col, cy - col, nullptr);
    LineTo(dc, cx - step + step * col, cy + col + 1);
  }
}

}  // namespace

bool TSkinUpDown::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      if (!skinnedControl_) {
        RECT client{};
        GetClientRect(windowHandle_, &client);
        FillColor(reinterpret_cast<HDC>(message.WParam), client, RGB(255, 255, 255));
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOriginal(message);
      mouseState_ |= mbPressed;
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      mouseState_ &= ~mbPressed;
      CallOriginal(message);
      PaintWindow(nullptr);
      return false;
    case WM_MOUSEMOVE:
      CallOriginal(message);
      mouseState_ |= mbHover;
      TrackMouseLeave(windowHandle_);
      PaintWindow(nullptr);
      return false;
    case WM_MOUSELEAVE:
      CallOriginal(message);
      mouseState_ &= ~mbHover;
      PaintWindow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

RECT TSkinUpDown::ButtonArea(const RECT& rect) const {
  RECT area = rect;
  HWND edit = GetParent(windowHandle_);
  if (!inEdit_ || !edit)
    return area;
  RECT self{}, outer{};
  GetWindowRect(windowHandle_, &self);
  GetWindowRect(edit, &outer);
  if (self.top - outer.top < kEditInset)
    area.top += kEditInset - (self.top - outer.top);
  if (outer.bottom - self.bottom < kEditInset)
    area.bottom -= kEditInset - (outer.bottom - self.bottom);
  if (outer.right - self.right < kEditInset)
    area.right -= kEditInset - (outer.right - self.right);
  return area;
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_)
    return;
  if (inEdit_) {
    RECT client{};
    GetClientRect(windowHandle_, &client);
    FillColor(dc, client, RGB(255, 255, 255));
  }
  const RECT area = ButtonArea(rect);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width < 1 || height < 1)
    return;
  TScratchBitmap& picture = ScratchBitmap();
  picture.SetSize(width, height);
  HDC buffer = picture.Dc();
  FillFace(buffer, {0, 0, width, height});
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(windowHandle_, &cursor);
  cursor.x -= area.left;
  cursor.y -= area.top;
  isEnabled_ = !(GetWindowLongA(windowHandle_, GWL_STYLE) & WS_DISABLED);
  const bool sideBySide = horizontal_ || (GetWindowLongA(windowHandle_, GWL_STYLE) & UDS_HORZ);
  const RECT first = sideBySide ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2};
  const RECT second = sideBySide ? RECT{width / 2, 0, width, height} : RECT{0, height / 2, width, height};
  const auto state = [&](const RECT& half) {
    if (!isEnabled_)
      return kDisabled;
    if (!PtInRect(&half, cursor))
      return kNormal;
    if (mouseState_ & mbPressed)
      return kPressed;
    return mouseState_ & mbHover ? kHot : kNormal;
  };
  DrawHalf(buffer, first, sideBySide ? 2 : 0, state(first), sideBySide);
  DrawHalf(buffer, second, sideBySide ? 3 : 1, state(second), sideBySide);
  BitBlt(dc, area.left, area.top, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawHalf(HDC dc, const RECT& half, int direction, int state, bool sideBySide) {
  const TDataSkinBorder* element = (sideBySide ? skinData_->Elements().UpDownHorz : skinData_->Elements().UpDownVert).get();
  if (element && !element->Image.Empty()) {
    const int frame = state + 4 * (direction % 2);
    DrawSkinFrame(dc, half, element->Image, true, element->FrameCount, frame);
    if (!element->Image2.Empty()) {
      const int glyphWidth = element->Image2.Width() / std::max(element->FrameCount, 1);
      const int glyphHeight = element->Image2.Height();
      const int left = (half.left + half.right - glyphWidth) / 2, top = (half.top + half.bottom - glyphHeight) / 2;
      DrawSkinFrame(dc, {left, top, left + glyphWidth, top + glyphHeight}, element->Image2, true, element->FrameCount,
                    frame);
    }
    return;
  }
  HBRUSH brush = CreateSolidBrush(state == kPressed || state == kHot ? SkinColour(ciButtonShadow) : FaceColour());
  HPEN pen = CreatePen(PS_SOLID, 1, SkinColour(ciButtonDkShadow));
  HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
  Rectangle(dc, half.left, half.top, half.right, half.bottom);
  DrawPlainArrow(dc, half, direction);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}
