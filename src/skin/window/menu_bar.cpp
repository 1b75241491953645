#include "skin/window/menu_bar.h"

#include "framework/colour.h"
#include "framework/menu_item_paint.h"
#include "framework/system/gdi_handles.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"
#include "skin/model/scratch_bitmap.h"
#include "skin/window/menu_item_painter.h"
#include "skin/window/skin_manage.h"
#include "skin/window/win_skin_form.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Frames of the menu-bar picture, stacked: the active window's, then the inactive one's.
constexpr int kMenuBarFrames = 2;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

COLORREF SkinColour(const TSkinData& skin, TColourIndex index) {
  return ColorToRGB(skin.ColourTable().Colours[index]);
}

// The accelerator of a caption: the character after a single "&".
wchar_t AcceleratorOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&')
      continue;
    if (caption[i + 1] != L'&')
      return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;
  }
  return 0;
}

}  // namespace

void TMenuBtn::Paint() {
  bar_.PaintButton(*this);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData& skinData, HWND window)
    : form_(form), skinData_(skinData), window_(window) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (form_.HotObject() && std::any_of(buttons_.begin(), buttons_.end(),
                                       [&](const auto& b) { return b.get() == form_.HotObject(); }))
    form_.SetHotObject(nullptr);
}

void TWinSkinMenu::ReadMenu() {
  HMENU menu = GetMenu(window_);
  if (!menu)
    menu = nativeMenu_;  // taken away at the last read, and perhaps changed since
  if (!menu)
    return;
  nativeMenu_ = menu;
  AddItems(menu, false);
  SetMenu(window_, nullptr);
}

void TWinSkinMenu::ReadMDIMenu(HMENU menu) {
  if (!menu)
    return;
  nativeMenu_ = menu;
  AddItems(menu, true);
  SetMenu(window_, nullptr);
  LayoutMenuBar(barRect_, true);
}

void TWinSkinMenu::AddItems(HMENU menu, bool skipEmpty) {
  if (form_.HotObject())
    form_.SetHotObject(nullptr);
  buttons_.clear();
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[81] = L"";
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 80;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
      continue;
    if (skipEmpty && !text[0])
      continue;
    auto button = std::make_unique<TMenuBtn>(form_, *this);
    button->Index = static_cast<int>(buttons_.size());
    button->Caption = text;
    button->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->SubMenu = info.hSubMenu;
    button->Command = info.wID;
    button->Visible = true;
    buttons_.push_back(std::move(button));
  }
}

int TWinSkinMenu::StartX(int width) const {
  const TDataSkinObject* element = skinData_.Elements().MenuBar.get();
  if (!element || element->Image.Empty())
    return 6;
  const int start = form_.RightToLeft() ? element->Margins.Right + 8 : element->Margins.Left + 4;
  return width < start ? 12 : start;
}

// A right-to-left bar starts at the right and places each button left of the one before.
void TWinSkinMenu::PlaceButtons(HDC dc, const RECT& bar, int start) {
  const int height = Height(bar);
  const bool rightToLeft = form_.RightToLeft();
  int x = rightToLeft ? Width(bar) - start : start;
  UniqueDC measureDc;
  if (!dc) {
    measureDc.Reset(CreateCompatibleDC(nullptr));
    dc = measureDc.Get();
  }
  TSelectObject keepFont(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  for (auto& button : buttons_) {
    if (!button->Visible) {
      button->Bounds = {};
      continue;
    }
    RECT measure{};
    DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &measure,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int width = button->Caption.empty() ? 0 : Width(measure) + 10;
    const int left = rightToLeft ? x - width : x;
    if (!measureDc) {
      SetTextColor(dc, button->ItemEnabled ? SkinColour(skinData_, ciMenuBarText) : GetSysColor(COLOR_BTNSHADOW));
      RECT text{left, 0, left + width, height - 1};
      DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &text, kCaptionFlags);
    }
    button->Bounds = {left + bar.left, bar.top, left + width + bar.left, bar.bottom - 1};
    x = rightToLeft ? left : x + width;
  }
}

void TWinSkinMenu::LayoutMenuBar(const RECT& bar, bool) {
  barRect_ = bar;
  PlaceButtons(nullptr, bar, StartX(Width(bar)));
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& bar, bool active) {
  const int width = Width(bar), height = Height(bar);
  if (width <= 0 || height <= 0)
    return;
  TScratchBitmap& scratch = ScratchBitmap();
  scratch.SetSize(width, height);
  const RECT whole{0, 0, width, height};
  const TDataSkinObject* element = skinData_.Elements().MenuBar.get();
  if (element && !element->Image.Empty()) {
    const int frame = active ? 1 : 2;
    if (element->Tile == 1)
      DrawSkinElement(scratch.Dc(), whole, element->Image, true, false, false, kMenuBarFrames, frame,
                      element->Margins);
    else
      DrawTiledBar(scratch.Dc(), whole, element->Image, true, false, kMenuBarFrames, frame, element->Margins);
  } else {
    UniqueBrush brush(CreateSolidBrush(SkinColour(skinData_, ciMenubar)));
    FillRect(scratch.Dc(), &whole, brush.Get());
  }
  barRect_ = bar;
  background_.SetSize(width, height);
  {
    TMemoryDC copy(background_.Handle());
    BitBlt(copy.Get(), 0, 0, width, height, scratch.Dc(), 0, 0, SRCCOPY);
  }
  PlaceButtons(scratch.Dc(), bar, StartX(width));
  form_.PaintMenuBarButtons(scratch.Dc(), bar);
  BitBlt(dc, bar.left, bar.top, width, height, scratch.Dc(), 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
  if (background_.Empty() || !button.Visible)
    return;
  TWindowDC dc(window_, true);
  if (!dc)
    return;
  const RECT& b = button.Bounds;
  {
    TMemoryDC back(background_.Handle());
    BitBlt(dc.Get(), b.left, b.top, Width(b), Height(b), back.Get(), b.left - barRect_.left, b.top - barRect_.top,
           SRCCOPY);
  }
  if (button.MouseState == msHot || button.MouseState == msPressed) {
    UniqueBrush frame(CreateSolidBrush(SkinColour(skinData_, ciButtonHilight)));
    FrameRect(dc.Get(), &b, frame.Get());
  }
  TSelectObject keepFont(dc.Get(), MenuFont());
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), button.ItemEnabled ? SkinColour(skinData_, ciMenuBarText) : GetSysColor(COLOR_BTNSHADOW));
  RECT text = b;
  DrawTextW(dc.Get(), button.Caption.c_str(), static_cast<int>(button.Caption.size()), &text, kCaptionFlags);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT p) const {
  for (const auto& button : buttons_)
    if (button->Visible && !button->Caption.empty() && PtInRect(&button->Bounds, p))
      return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::AcceleratorButton(wchar_t character) const {
  const wchar_t wanted = static_cast<wchar_t>(std::towupper(character));
  for (const auto& button : buttons_)
    if (button->Visible && button->ItemEnabled && AcceleratorOf(button->Caption) == wanted)
      return button.get();
  return nullptr;
}
