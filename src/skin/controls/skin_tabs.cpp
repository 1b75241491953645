#include "skin/controls/skin_tabs.h"

#include "framework/control.h"
#include "framework/page_control.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// The pane picture's edges when the Tabs element carries it as its second picture.
constexpr TMargins kTabBorderMargins{4, 5, 4, 4};

struct TTabItem {
  std::wstring Text;
  int Image = -1;
};

// A tab's text and image index, read the way the window stores them.
TTabItem ReadTabItem(HWND tabs, bool unicode, int index) {
  TTabItem item;
  if (unicode) {
    wchar_t text[80] = {};
    TCITEMW data{};
    data.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    data.pszText = text;
    data.cchTextMax = 80;
    if (SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&data))) {
      item.Text = text;
      item.Image = data.iImage;
    }
  } else {
    char text[80] = {};
    TCITEMA data{};
    data.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    data.pszText = text;
    data.cchTextMax = 80;
    if (SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&data))) {
      item.Text = AnsiToWide(text);
      item.Image = data.iImage;
    }
  }
  return item;
}

// The display area of the control as it reports it, grown by 4: where the pane goes.
RECT PaneRect(HWND tabs, const RECT& rect) {
  RECT pane = rect;
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pane));
  InflateRect(&pane, 4, 4);
  return pane;
}

// The part of RECT outside PANE on the tabs' side.
RECT StripRect(const RECT& rect, const RECT& pane, TTabOrientation side) {
  switch (side) {
    case toBottom:
      return {rect.left, pane.bottom, rect.right, rect.bottom};
    case toLeft:
      return {rect.left, rect.top, pane.left, rect.bottom};
    case toRight:
      return {pane.right, rect.top, rect.right, rect.bottom};
    default:
      return {rect.left, rect.top, rect.right, pane.top};
  }
}

// A tab's rectangle moved into the strip buffer, where tabs always lie horizontally; tabs of
// the left and right sides are turned into place with the buffer afterwards.
RECT TabInBuffer(RECT r, TTabOrientation side, const RECT& pane, int bufferWidth, int controlWidth) {
  switch (side) {
    case toBottom:
      OffsetRect(&r, 0, -(pane.bottom + 1));
      return r;
    case toLeft:
      return {bufferWidth - r.bottom, r.left, bufferWidth - r.top, r.right};
    case toRight:
      return {r.top - 1, controlWidth - r.right, r.bottom - 1, controlWidth - r.left};
    default:
      OffsetRect(&r, 0, 1);
      return r;
  }
}

COLORREF ColourOf(TColour colour) {
  return static_cast<COLORREF>(ResolveColour(colour));
}

// The page control's font when the window has none of its own.
HFONT OrDefaultFont(HFONT font) {
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

TTabOrientation TabOrientationOf(DWORD style) {
  if (style & TCS_VERTICAL)
    return (style & TCS_RIGHT) ? toRight : toLeft;
  return (style & TCS_BOTTOM) ? toBottom : toTop;
}

// ---- Ordinary tabs ---------------------------------------------------------------------------

void TSkinTab::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (!windowHandle_)
    return;
  FinishAttach();
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  isFocused_ = GetFocus() == window;
  FinishAttach();
}

void TSkinTab::FinishAttach() {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  isEnabled_ = !(style & WS_DISABLED);
  // Close boxes only on a page control whose tabs are on top: the box sits at the tab's corner.
  closeBoxes_ = Owner() && Owner()->Tag() == kCloseBoxTag && Owner()->InheritsFrom("TPageControl") &&
                TabOrientationOf(style) == toTop;
  PreparePictures();
  isActive_ = true;
}

void TSkinTab::SkinChanged() {
  PreparePictures();
  TSkinControl::SkinChanged();
}

void TSkinTab::PreparePictures() {
  orientation_ = TabOrientationOf(static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE)));
  tabImage_.Clear();
  paneImage_.Clear();
  const TDataSkinBorder* tabs = skinData_ ? skinData_->Elements().Tabs.get() : nullptr;
  if (!tabs)
    return;
  if (!tabs->Image.Empty()) {
    tabImage_ = tabs->Image.Clone();
    tabImage_.SetBitCount(24);
  }
  const TDataSkinObject* pane = skinData_->Elements().TabPane.get();
  if (tabs->Style == 0 && !tabs->Image2.Empty())
    paneImage_ = tabs->Image2.Clone();
  else if (tabs->Style == 1 && pane && !pane->Image.Empty())
    paneImage_ = pane->Image.Clone();
  if (!paneImage_.Empty())
    paneImage_.SetBitCount(24);
  switch (orientation_) {
    case toBottom:
      if (!tabImage_.Empty())
        FlipBitmap(tabImage_);
      if (!paneImage_.Empty())
        FlipBitmap(paneImage_);
      break;
    case toLeft:
      if (!paneImage_.Empty())
        RotateLeft(paneImage_);
      break;
    case toRight:
      if (!paneImage_.Empty())
        RotateRight(paneImage_);
      break;
    default:
      break;
  }
}

void TSkinTab::FindSpinChild() {
  spinChild_ = FindWindowExA(windowHandle_, nullptr, "msctls_updown32", nullptr);
  // Arrows made anew (the control may destroy them when the tabs fit) get a skinner anew.
  if (spinSkinner_ && spinSkinner_->Handle() != spinChild_) {
    delete spinSkinner_;
    spinSkinner_ = nullptr;
  }
  if (spinChild_ && !spinSkinner_) {
    spinSkinner_ = new TSkinUpDown(this);
    spinSkinner_->AttachWindow(spinChild_, skinData_, ownerForm_, drawCanvas_);
  }
}

bool TSkinTab::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // A skin without tab pictures leaves the control its own look.
      if (tabImage_.Empty() && paneImage_.Empty())
        return true;
      PaintMessage(message);
      return false;
    case WM_LBUTTONDOWN:
      if (closeBoxes_ && ClickCloseBox({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)})) {
        message.Result = 0;
        return false;
      }
      return TSkinControl::BeforeMessage(message);
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

// From the last tab down, so that closing a page leaves the indices still to test in place.
bool TSkinTab::ClickCloseBox(POINT point) {
  bool hit = false;
  const std::vector<RECT> boxes = tabRects_;
  for (int index = static_cast<int>(boxes.size()) - 1; index >= 0; --index) {
    if (!PtInRect(&boxes[static_cast<size_t>(index)], point))
      continue;
    hit = true;
    // The form the page control is skinned with: an MDI document's, not its frame's.
    HWND form = ownerForm_ ? ownerForm_->HostWindow() : GetAncestor(windowHandle_, GA_ROOT);
    const LRESULT answer = SendMessageA(form, SKM_CLOSETAB, reinterpret_cast<WPARAM>(windowHandle_), index);
    if (answer != 0)
      continue;
    auto* pages = dynamic_cast<TPageControl*>(skinnedControl_);
    if (pages && index < pages->PageCount())
      delete pages->Pages(index);
  }
  if (hit)
    Repaint();
  return hit;
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
  RECT pane = PaneRect(windowHandle_, rect);
  switch (orientation_) {
    case toBottom: pane.bottom -= 1; break;
    case toLeft: pane.left += 1; break;
    case toRight: pane.right -= 1; break;
    default: pane.top += 1; break;
  }
  tabRects_.clear();
  if (!tabImage_.Empty()) {
    const RECT strip = StripRect(rect, pane, orientation_);
    const int stripWidth = strip.right - strip.left, stripHeight = strip.bottom - strip.top;
    const bool sideways = orientation_ == toLeft || orientation_ == toRight;
    const int bufferWidth = sideways ? stripHeight : stripWidth, bufferHeight = sideways ? stripWidth : stripHeight;
    if (bufferWidth > 0 && bufferHeight > 0) {
      TBitmap buffer(bufferWidth, bufferHeight);
      {
        TMemoryDC bufferDC(buffer.Handle());
        const RECT whole{0, 0, bufferWidth, bufferHeight};
        FillParentColor(bufferDC.Get(), whole);
        HGDIOBJ oldFont = SelectObject(bufferDC.Get(), OrDefaultFont(ControlFont()));
        DrawTabs(bufferDC.Get(), bufferWidth, rect.right - rect.left, pane);
        SelectObject(bufferDC.Get(), oldFont);
      }
      if (orientation_ == toLeft)
        RotateLeft(buffer);
      else if (orientation_ == toRight)
        RotateRight(buffer);
      const int saved = SaveDC(dc);
      FindSpinChild();
      if (spinChild_ && IsWindowVisible(spinChild_)) {
        RECT spin{};
        GetWindowRect(spinChild_, &spin);
        MapWindowPoints(nullptr, windowHandle_, reinterpret_cast<POINT*>(&spin), 2);
        ExcludeClipRect(dc, spin.left, spin.top, spin.right, spin.bottom);
      }
      TMemoryDC bufferDC(buffer.Handle());
      BitBlt(dc, strip.left, strip.top, stripWidth, stripHeight, bufferDC.Get(), 0, 0, SRCCOPY);
      RestoreDC(dc, saved);
    }
  }
  if (!paneImage_.Empty() && skinData_->Elements().Tabs) {
    const TDataSkinBorder& tabs = *skinData_->Elements().Tabs;
    const TDataSkinObject* panePart = skinData_->Elements().TabPane.get();
    const TMargins margins = tabs.Style != 0 && panePart ? panePart->Margins : kTabBorderMargins;
    try {
      DrawSkinElement(dc, pane, paneImage_, false, false, false, 1, 1, margins);
    } catch (...) {
      // A pane that cannot be built leaves the control's own; the tabs are drawn already.
    }
  }
}

void TSkinTab::DrawTabs(HDC buffer, int bufferWidth, int controlWidth, const RECT& pane) {
  const TDataSkinBorder& tabs = *skinData_->Elements().Tabs;
  const int count = static_cast<int>(SendMessageA(windowHandle_, TCM_GETITEMCOUNT, 0, 0));
  const int focused = static_cast<int>(SendMessageA(windowHandle_, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(windowHandle_, TCM_GETIMAGELIST, 0, 0));
  isEnabled_ = !(GetWindowLongA(windowHandle_, GWL_STYLE) & WS_DISABLED);
  tabRects_.assign(static_cast<size_t>(std::max(count, 0)), RECT{});
  HPEN pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  HGDIOBJ oldPen = SelectObject(buffer, pen);
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageA(windowHandle_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    const TTabItem data = ReadTabItem(windowHandle_, isUnicode_, i);
    const RECT r = TabInBuffer(item, orientation_, pane, bufferWidth, controlWidth);
    const int frame = i == focused ? 2 : 1;
    DrawSkinElement(buffer, r, tabImage_, false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount, frame,
                    tabs.Margins);
    if (closeBoxes_) {
      const RECT box{r.right - 8, r.top + 2, r.right - 2, r.top + 8};
      MoveToEx(buffer, box.left, box.top, nullptr);
      LineTo(buffer, box.right, box.top);
      LineTo(buffer, box.right, box.bottom);
      LineTo(buffer, box.left, box.bottom);
      LineTo(buffer, box.left, box.top);
      LineTo(buffer, box.right, box.bottom);
      MoveToEx(buffer, box.right, box.top, nullptr);
      LineTo(buffer, box.left, box.bottom);
      tabRects_[static_cast<size_t>(i)] = box;
    }
    SetTextColor(buffer, ColourOf(frame == 2 ? tabs.MouseOverColour2 : tabs.NormalColour2));
    DrawIconAndText(buffer, r, 1, data.Text, data.Image, images);
  }
  SelectObject(buffer, oldPen);
}

// ---- Button-style tabs -----------------------------------------------------------------------

bool TSkinTabBtn::BeforeMessage(TSkinMessage& message) {
  if (message.Msg == WM_PAINT && !skinData_->Elements().Buttons.Image.Empty()) {
    PaintMessage(message);
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinTabBtn::DrawControl(HDC dc, const RECT& rect) {
  const TDataSkinButton& buttons = skinData_->Elements().Buttons;
  if (buttons.Image.Empty())
    return;
  isEnabled_ = !(GetWindowLongA(windowHandle_, GWL_STYLE) & WS_DISABLED);
  const RECT pane = PaneRect(windowHandle_, rect);
  const RECT strip{rect.left, rect.top, rect.right, pane.top + 1};
  const int width = strip.right - strip.left, height = strip.bottom - strip.top;
  if (width <= 0 || height <= 0)
    return;
  TBitmap picture(width, height);
  TMemoryDC buffer(picture.Handle());
  FillFace(buffer.Get(), {0, 0, width, height});
  HGDIOBJ oldFont = SelectObject(buffer.Get(), OrDefaultFont(ControlFont()));
  const int count = static_cast<int>(SendMessageA(windowHandle_, TCM_GETITEMCOUNT, 0, 0));
  // Arrow keys move the focus between button tabs without choosing a page: the pressed button is
  // the page shown, the focus a dotted frame inside the button that has it.
  const int selected = static_cast<int>(SendMessageA(windowHandle_, TCM_GETCURSEL, 0, 0));
  const int focused = GetFocus() == windowHandle_ ? static_cast<int>(SendMessageA(windowHandle_, TCM_GETCURFOCUS, 0, 0))
                                                  : -1;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(windowHandle_, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageA(windowHandle_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
      continue;
    OffsetRect(&r, -strip.left, 1 - strip.top);
    const int frame = i == selected ? 2 : 1;
    DrawElementFrame(buffer.Get(), r, buttons.FrameCount, frame, buttons);
    COLORREF text = RGB(0, 0, 0);
    if (frame == 1 && buttons.HasNormalColour2)
      text = ColourOf(buttons.NormalColour2);
    else if (frame == 2 && buttons.HasPressedColour2)
      text = ColourOf(buttons.PressedColour2);
    SetTextColor(buffer.Get(), text);
    const TTabItem data = ReadTabItem(windowHandle_, isUnicode_, i);
    DrawIconAndText(buffer.Get(), r, 1, data.Text, data.Image, images);
    if (i == focused && !HasOption(xoNoFocusRect)) {
      RECT focus = r;
      InflateRect(&focus, -3, -3);
      DrawFocusRect(buffer.Get(), &focus);
    }
  }
  SelectObject(buffer.Get(), oldFont);
  BitBlt(dc, strip.left, strip.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
  // Button tabs have no pane: around the page lies the skin's face, not the system's colour.
  RECT page = rect;
  SendMessageA(windowHandle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, page.left, page.top, page.right, page.bottom);
  FillFace(dc, {rect.left, strip.bottom, rect.right, rect.bottom});
  RestoreDC(dc, saved);
}

// ---- Pages -----------------------------------------------------------------------------------

bool TSkinTabSheet::BeforeMessage(TSkinMessage& message) {
  if (!TSkinControl::BeforeMessage(message))
    return false;
  if (kindVariant_ != 0)
    return true;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(windowHandle_, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, skinData_->ButtonFaceBrush());
      message.Result = 1;
      return false;
    }
    default:
      return true;
  }
}

void TSkinTabSheet::DrawControl(HDC dc, const RECT& rect) {
  FillFace(dc, rect);
}
