#include "skin/data/caption_hint.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"
#include "framework/gdi_handles.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr const char* kHintClass = "THintWindow";
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
constexpr int kPadding = 2;  // between the border and the text

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

HFONT HintFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void RegisterHintClass(WNDPROC proc) {
  WNDCLASSA existing{};
  if (GetClassInfoA(ModuleInstance(), kHintClass, &existing))
    return;
  WNDCLASSA cls{};
  cls.style = CS_SAVEBITS;
  cls.lpfnWndProc = proc;
  cls.hInstance = ModuleInstance();
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
  cls.lpszClassName = kHintClass;
  if (!RegisterClassA(&cls))
    throw EOutOfResources("Out of system resources");
}

}  // namespace

LRESULT CALLBACK TCaptionHint::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  CallGuarded([&] {
    auto* self = reinterpret_cast<TCaptionHint*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (msg) {
      case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        result = DefWindowProcA(window, msg, wParam, lParam);
        break;
      case WM_PAINT:
        if (self)
          self->Paint(window);
        else
          result = DefWindowProcA(window, msg, wParam, lParam);
        break;
      case WM_NCHITTEST:
        result = HTTRANSPARENT;  // the mouse stays with the caption button under the hint
        break;
      default:
        result = DefWindowProcA(window, msg, wParam, lParam);
    }
  });
  return result;
}

HWND TCaptionHint::EnsureWindow() {
  if (window_)
    return window_.Get();
  RegisterHintClass(&TCaptionHint::WindowProc);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER,
                                0, 0, 0, 0, nullptr, nullptr, ModuleInstance(), this);
  if (!window)
    throw EOutOfResources("Out of system resources");
  window_.Reset(window);
  return window;
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
  if (window_)
    ShowWindow(window_.Get(), SW_HIDE);
}

void TCaptionHint::Paint(HWND window) const {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT rect;
  GetClientRect(window, &rect);
  InflateRect(&rect, -kPadding, -kPadding);
  TSelectObject font(dc, HintFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  DrawTextA(dc, text_.c_str(), -1, &rect, kTextFormat);
  EndPaint(window, &ps);
}
