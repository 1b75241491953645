#include "skin/data/caption_hint.h"

#include "framework/system/gdi_handles.h"

namespace {

constexpr const char* kHintClass = "THintWindow";
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
constexpr int kPadding = 2;  // between the border and the text

HFONT HintFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

LRESULT TCaptionHint::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const {
  switch (msg) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse stays with the caption button under the hint
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

HWND TCaptionHint::EnsureWindow() {
  // Made again when something else destroyed it.
  if (!Handle())
    window_.emplace(TMessageWindowClass{.name = kHintClass,
                                        .style = CS_SAVEBITS,
                                        .cursor = LoadCursor(nullptr, IDC_ARROW),
                                        .background = GetSysColorBrush(COLOR_INFOBK)},
                    TMessageWindowStyle{.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                                        .style = WS_POPUP | WS_BORDER,
                                        .parent = nullptr},
                    [this](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
                      return HandleMessage(window, msg, wParam, lParam);
                    });
  return window_->Handle();
}

RECT TCaptionHint::CalcHintRect(int maxWidth, const std::string& text) {
  RECT rect{0, 0, maxWidth, 0};
  TWindowDC screen(nullptr);
  TSelectObject font(screen.Get(), HintFont());
  DrawTextA(screen.Get(), text.c_str(), -1, &rect, kTextFormat | DT_CALCRECT);
  // Room for the border and the padding on every side.
  const int frame = 2 * (kPadding + GetSystemMetrics(SM_CXBORDER));
  rect.right += frame;
  rect.bottom += 2 * (kPadding + GetSystemMetrics(SM_CYBORDER));
  return rect;
}

void TCaptionHint::ActivateHint(const RECT& rect, const std::string& text) {
  HWND window = EnsureWindow();
  text_ = text;
  SetWindowPos(window, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window, nullptr, TRUE);
}

void TCaptionHint::Hide() {
  if (HWND window = Handle())
    ShowWindow(window, SW_HIDE);
}

void TCaptionHint::Paint(HWND window) const {
  // The scope puts the font, background mode and text colour back before the DC is released.
  TPaintScope paint(window);
  RECT rect;
  GetClientRect(window, &rect);
  InflateRect(&rect, -kPadding, -kPadding);
  SelectObject(paint.Get(), HintFont());
  SetBkMode(paint.Get(), TRANSPARENT);
  SetTextColor(paint.Get(), GetSysColor(COLOR_INFOTEXT));
  DrawTextA(paint.Get(), text_.c_str(), -1, &rect, kTextFormat);
}
