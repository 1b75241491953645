#include "skin/controls/skin_status_bar.h"

#include "framework/control.h"
#include "framework/status_bar.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>

#include <algorithm>

namespace {

enum TPanelFrame { pfLowered = 1, pfRaised = 2, pfNone = 3 };

// The frame of ExtraImages that shows a size grip.
constexpr int kSizeGripFrame = 5;

// One picture for every status bar: bars are painted one at a time on the GUI thread.
TBitmap& SharedBuffer() {
  static TBitmap buffer;
  return buffer;
}

// A panel's text and its drawing type (SBT_ bits), however the window stores its text.
std::wstring PanelText(HWND bar, WPARAM part, int& type) {
  const LRESULT answer = SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0);
  type = HIWORD(answer);
  if (type & SBT_OWNERDRAW)
    return {};
  std::wstring text(static_cast<size_t>(LOWORD(answer)) + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

// The bar's own convention: a text opening with one tab is centred, with two right-aligned.
UINT TakeAlignment(std::wstring& text) {
  UINT format = DT_LEFT;
  if (text.rfind(L"\t\t", 0) == 0) {
    format = DT_RIGHT;
    text.erase(0, 2);
  } else if (text.rfind(L"\t", 0) == 0) {
    format = DT_CENTER;
    text.erase(0, 1);
  }
  return format;
}

UINT MirrorAlignment(UINT format) {
  if (format == DT_LEFT)
    return DT_RIGHT;
  if (format == DT_RIGHT)
    return DT_LEFT;
  return format;
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

// ---- Status bar ------------------------------------------------------------------------------

bool TSkinStatusBar::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

// The last panel is drawn on to the bar's right end, past the part the control repaints for a
// new text; without this the rest of the stretch would keep the old text.
void TSkinStatusBar::AfterMessage(TSkinMessage& message) {
  if (message.Msg == SB_SETTEXTA || message.Msg == SB_SETTEXTW) {
    const int part = LOBYTE(LOWORD(message.WParam));
    const int count = static_cast<int>(SendMessageA(windowHandle_, SB_GETPARTS, 0, 0));
    RECT panel{};
    if (part == count - 1 && SendMessageA(windowHandle_, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&panel))) {
      RECT client{};
      GetClientRect(windowHandle_, &client);
      panel.right = client.right;
      InvalidateRect(windowHandle_, &panel, FALSE);
    }
  }
  TSkinControl::AfterMessage(message);
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || !skinData_)
    return;
  TBitmap& picture = SharedBuffer();
  if (picture.Width() != width || picture.Height() != height)
    picture.SetSize(width, height);
  TMemoryDC buffer(picture.Handle());
  SetStretchBltMode(buffer.Get(), COLORONCOLOR);
  const RECT local{0, 0, width, height};
  FillFace(buffer.Get(), local);
  HFONT font = ControlFont();
  HGDIOBJ oldFont = SelectObject(buffer.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  if (const TDataSkinObject* edges = skinData_->Elements().StatusBarEdges.get())
    SetTextColor(buffer.Get(), static_cast<COLORREF>(ResolveColour(edges->NormalColour2)));
  isEnabled_ = !(GetWindowLongA(windowHandle_, GWL_STYLE) & WS_DISABLED);
  const auto* framework = dynamic_cast<TStatusBar*>(skinnedControl_);
  const bool simple = SendMessageA(windowHandle_, SB_ISSIMPLE, 0, 0) || (framework && framework->PanelCount() == 0);
  if (simple)
    DrawSimpleText(buffer.Get(), local);
  else
    DrawPanels(buffer.Get(), local);
  DrawSizeGrip(buffer.Get(), local);
  SelectObject(buffer.Get(), oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawSimpleText(HDC buffer, const RECT& rect) {
  const bool rightToLeft = GetWindowLongA(windowHandle_, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL);
  int type = 0;
  const bool isSimple = SendMessageA(windowHandle_, SB_ISSIMPLE, 0, 0) != 0;
  std::wstring text = PanelText(windowHandle_, isSimple ? SB_SIMPLEID : 0, type);
  DrawPanelFrame(buffer, rect, pfLowered);
  if (text.empty())
    text = L" ";
  RECT box = rect;
  InflateRect(&box, -2, 0);
  DrawCaptionText(buffer, box, rightToLeft ? DT_RIGHT : DT_LEFT, isEnabled_, text);
}

void TSkinStatusBar::DrawPanels(HDC buffer, const RECT& rect) {
  const int count = static_cast<int>(SendMessageA(windowHandle_, SB_GETPARTS, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT panel{};
    if (!SendMessageA(windowHandle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel)))
      continue;
    panel.right += 2;
    if (i == count - 1)
      panel.right = rect.right;
    int type = 0;
    std::wstring text = PanelText(windowHandle_, static_cast<WPARAM>(i), type);
    const int frame = (type & SBT_NOBORDERS) ? pfNone : (type & SBT_POPOUT) ? pfRaised : pfLowered;
    DrawPanelFrame(buffer, panel, frame);
    if (type & SBT_OWNERDRAW)
      continue;
    UINT format = TakeAlignment(text);
    if (type & SBT_RTLREADING)
      format = MirrorAlignment(format);
    if (text.empty())
      text = L" ";
    InflateRect(&panel, -2, 0);
    DrawCaptionText(buffer, panel, format, isEnabled_, text);
  }
}

void TSkinStatusBar::DrawPanelFrame(HDC buffer, const RECT& rect, int frame) const {
  const TDataSkinObject* edges = skinData_->Elements().StatusBarEdges.get();
  if (edges && !edges->Image.Empty()) {
    DrawSkinElement(buffer, rect, edges->Image, false, edges->Tile != 0, false, 3, frame, edges->Margins);
    return;
  }
  if (frame == pfNone || rect.right <= rect.left || rect.bottom <= rect.top)
    return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF topLeft = frame == pfLowered ? shadow : light, bottomRight = frame == pfLowered ? light : shadow;
  Line(buffer, rect.left, rect.bottom - 1, rect.left, rect.top, topLeft);
  Line(buffer, rect.left, rect.top, rect.right, rect.top, topLeft);
  Line(buffer, rect.right - 1, rect.top, rect.right - 1, rect.bottom, bottomRight);
  Line(buffer, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, bottomRight);
}

void TSkinStatusBar::DrawSizeGrip(HDC buffer, const RECT& rect) const {
  const TDataSkinObject* extra = skinData_->Elements().ExtraImages.get();
  if (!(GetWindowLongA(windowHandle_, GWL_STYLE) & SBARS_SIZEGRIP) || !extra || extra->Image.Empty())
    return;
  const int frames = std::max(extra->FrameCount, 1);
  const int w = extra->Image.Width() / frames, h = extra->Image.Height();
  const RECT box{rect.right - 1 - w, rect.bottom - 1 - h, rect.right - 1, rect.bottom - 1};
  DrawStretchedFrame(buffer, box, frames, kSizeGripFrame, extra->Image);
}

// ---- Size grip -------------------------------------------------------------------------------

bool TSkinSizer::IsSizeGrip() const {
  return GetWindowLongA(windowHandle_, GWL_STYLE) & (SBS_SIZEGRIP | SBS_SIZEBOX);
}

bool TSkinSizer::BeforeMessage(TSkinMessage& message) {
  if (message.Msg == WM_ERASEBKGND && IsSizeGrip()) {
    RECT client{};
    GetClientRect(windowHandle_, &client);
    FillFace(reinterpret_cast<HDC>(message.WParam), client);
    message.Result = 1;
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) {
  if (IsSizeGrip())
    FillFace(dc, rect);
}
