#include "skin/window/popup_menu_skinner.h"

#include "framework/system/gdi_handles.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"
#include "skin/window/menu_item_painter.h"
#include "skin/window/skin_messages.h"

#include <commctrl.h>

TWinSkinPopMenu::TWinSkinPopMenu(TActiveTest isActive) : isActive_(std::move(isActive)) {}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, const TSkinData* skin, HMENU menu) {
  Detach();
  window_ = window;
  skin_ = skin;
  menu_ = menu;
  subclass_ = std::make_unique<TWindowSubclass>(
      window, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return Filter(msg, wParam, lParam, result);
      });
}

void TWinSkinPopMenu::Detach() {
  Release();
  subclass_.reset();
}

// Forgets the window but leaves the subclass in place: used from inside the window's own
// procedure, where the subclass must not go; the system removes it with the window.
void TWinSkinPopMenu::Release() {
  window_ = nullptr;
  background_.Clear();
}

bool TWinSkinPopMenu::Filter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!window_)
    return false;
  if (msg == SKM_ISSKINNED) {
    result = 1;
    return true;
  }
  if (isActive_ && !isActive_())
    return false;
  switch (msg) {
    case WM_DESTROY:
      Release();
      return false;
    case WM_ERASEBKGND:
      result = OnEraseBackground(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_NCPAINT:
      result = OnNcPaint(wParam);
      return true;
    case WM_PAINT:
      result = OnPaint(wParam, lParam);
      return true;
    case WM_PRINT:
      result = OnPrint(reinterpret_cast<HDC>(wParam), lParam);
      return true;
    default:
      return false;
  }
}

LRESULT TWinSkinPopMenu::OnEraseBackground(HDC dc) {
  // The 9x family erases over the skinned background; the NT family only with xoMenuBG off.
  if (UseWideText() && !(skin_ && skin_->Options().Contains(xoMenuBG)))
    Default(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  return 1;
}

LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM region) {
  if (region != 1 || !CanPaint())
    return Default(WM_NCPAINT, region, 0);
  BuildBackground();
  TWindowDC dc(window_, true);
  if (dc)
    PaintWhole(dc.Get());
  return 0;
}

// Where the system draws the frame inside the client area, its own paint covers the skinned
// frame: the background is made first (the item painters lay items over it) and the frame is
// painted again afterwards.
LRESULT TWinSkinPopMenu::OnPaint(WPARAM wParam, LPARAM lParam) {
  if (!CanPaint())
    return Default(WM_PAINT, wParam, lParam);
  if (background_.Empty())
    BuildBackground();
  const LRESULT result = Default(WM_PAINT, wParam, lParam);
  if (FrameInClientArea()) {
    TWindowDC dc(window_, true);
    if (dc)
      PaintFrame(dc.Get());
  }
  return result;
}

LRESULT TWinSkinPopMenu::OnPrint(HDC dc, LPARAM flags) {
  if (!CanPaint())
    return Default(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  BuildBackground();
  PaintWhole(dc);
  LRESULT result = 0;
  {
    // The items print over the background, inside the frame.
    TSaveDC keep(dc);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, kPopupFrameWidth, kPopupFrameWidth, background_.Width() - kPopupFrameWidth,
                      background_.Height() - kPopupFrameWidth);
    result = Default(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  }
  PaintFrame(dc);
  return result;
}

bool TWinSkinPopMenu::FrameInClientArea() const {
  RECT window{};
  POINT client{0, 0};
  GetWindowRect(window_, &window);
  ClientToScreen(window_, &client);
  return client.x == window.left && client.y == window.top;
}

void TWinSkinPopMenu::PaintWhole(HDC dc) const {
  if (background_.Empty())
    return;
  TMemoryDC source(background_.Handle());
  BitBlt(dc, 0, 0, background_.Width(), background_.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TWinSkinPopMenu::PaintFrame(HDC dc) const {
  TSaveDC keep(dc);
  ExcludeClipRect(dc, kPopupFrameWidth, kPopupFrameWidth, background_.Width() - kPopupFrameWidth,
                  background_.Height() - kPopupFrameWidth);
  PaintWhole(dc);
}

bool TWinSkinPopMenu::CanPaint() const {
  if (!skin_ || skin_->NoSkin())
    return false;
  const auto& element = skin_->Elements().MenuBackground;
  return element && !element->Image.Empty();
}

void TWinSkinPopMenu::BuildBackground() {
  RECT window{};
  GetWindowRect(window_, &window);
  const TDataSkinObject& element = *skin_->Elements().MenuBackground;
  const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
  background_ = BuildSkinElementBitmap(whole, element.Image, element.Margins, false,
                                       element.Tile != 0, 1, 1);
}

LRESULT TWinSkinPopMenu::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return subclass_->Default(msg, wParam, lParam);
}
