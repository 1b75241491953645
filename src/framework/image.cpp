#include "framework/image.h"

#include "framework/system/gdi_handles.h"

TImage::TImage(TComponent* owner) : TWinControl(owner) {
  picture_.OnChange = [this] { Repaint(); };
}

LRESULT TImage::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      return HandlePaint();
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_ENABLE:
    case WM_SETTEXT: {
      // The static paints its text at once on these, over the picture: paint it back.
      const LRESULT result = TWinControl::DefaultHandler(msg, wParam, lParam);
      Repaint();
      return result;
    }
    default:
      return TWinControl::DefaultHandler(msg, wParam, lParam);
  }
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_)
    return;
  stretch_ = stretch;
  Repaint();
}

void TImage::Repaint() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, FALSE);
}

TWinControl::TCreateParams TImage::CreateParams() {
  // SS_NOTIFY: the static reports clicks (STN_CLICKED) and is not transparent to the mouse.
  return {"STATIC", WS_CHILD | SS_NOTIFY, 0, ""};
}

void TImage::CommandNotify(WORD code) {
  if (code == STN_CLICKED && OnClick)
    OnClick(this);
}

LRESULT TImage::HandlePaint() {
  TPaintScope paint(Handle());
  PaintTo(paint.Get());
  return 0;
}

// The parent chooses the background, as it does for any static: a skinned or coloured form
// answers with its own brush.
HBRUSH TImage::BackgroundBrush(HDC dc) {
  HWND self = Handle();
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      GetParent(self), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(self)));
  return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void TImage::PaintTo(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  if (client.right <= 0 || client.bottom <= 0)
    return;
  UniqueDC memory(CreateCompatibleDC(dc));
  UniqueBitmap canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!memory || !canvas) {
    // Short of GDI memory: draw straight onto the target rather than show nothing.
    FillRect(dc, &client, BackgroundBrush(dc));
    picture_.Draw(dc, client, stretch_);
    return;
  }
  TSelectObject select(memory.Get(), canvas.Get());
  FillRect(memory.Get(), &client, BackgroundBrush(memory.Get()));
  picture_.Draw(memory.Get(), client, stretch_);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}
