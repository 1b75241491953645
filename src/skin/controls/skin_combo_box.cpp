#include "skin/controls/skin_combo_box.h"

#include "skin/controls/combo_list_bar.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/optional_user32.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// Frames of the button.
constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4;
// ComboButton.Style: 1 a flat button strip, 2 the whole box drawn from one picture.
constexpr int kFlatStyle = 1, kWholeStyle = 2;

bool ComboInfo(HWND combo, COMBOBOXINFO& info) {
  info = {};
  info.cbSize = sizeof info;
  return OptionalUser32().GetComboBoxInfo && OptionalUser32().GetComboBoxInfo(combo, &info);
}

void FrameWith(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (skinnedControl_)
    BindParts(true);
}

// A combo known only by its handle (a foreign dialog's) keeps the system's list: its drop-down
// list gets no thumb-drag loop of ours, and a simple combo's list is a child window that
// discovery finds and skins on its own.
void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  BindParts(false);
}

void TSkinComBox::BindParts(bool skinList) {
  comboStyle_ = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  COMBOBOXINFO info;
  const bool known = ComboInfo(windowHandle_, info);
  if (known)
    listWindow_ = info.hwndList;
  if ((comboStyle_ & 3) != CBS_SIMPLE) {
    if (skinList && known && listWindow_ && !dropListSkinner_) {
      dropListSkinner_ = new TComboxScrollBar(this);
      dropListSkinner_->AttachWindow(listWindow_, skinData_, ownerForm_, drawCanvas_);
    }
    SubclassEdit();
    return;
  }
  const DWORD listStyle = listWindow_ ? static_cast<DWORD>(GetWindowLongA(listWindow_, GWL_STYLE)) : 0;
  if (skinList && known && !listScrollSkinner_ && !(listStyle & WS_POPUP) && (listStyle & WS_CHILD)) {
    listScrollSkinner_ = new TSkinScrollbarH(this);
    listScrollSkinner_->AttachWindow(listWindow_, skinData_, ownerForm_, drawCanvas_);
  }
}

// The edit field of a drop-down combo paints over the button's neighbourhood and takes the
// clicks on the text: the combo's picture follows both.
void TSkinComBox::SubclassEdit() {
  HWND edit = GetTopWindow(windowHandle_);
  if (!edit || editHook_)
    return;
  editWindow_ = edit;
  editHook_ = std::make_unique<TWindowSubclass>(
      edit, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) { return EditFilter(msg, wParam, lParam, result); });
}

bool TSkinComBox::EditFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = editHook_->Default(msg, wParam, lParam);
  if (!isActive_)
    return true;
  switch (msg) {
    case WM_PAINT:
      PaintWindow(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouseState_ |= mbPressed;
      Repaint();
      break;
    case WM_LBUTTONUP:
      mouseState_ &= ~mbPressed;
      Repaint();
      break;
    case WM_NCDESTROY:
      editHook_->Remove();
      break;
    default:
      break;
  }
  return true;
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  editHook_.reset();
  FreeListSkinner(listScrollSkinner_);
  listScrollSkinner_ = nullptr;
  FreeListSkinner(dropListSkinner_);
  dropListSkinner_ = nullptr;
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == listScrollSkinner_)
    listScrollSkinner_ = nullptr;
  if (component == dropListSkinner_)
    dropListSkinner_ = nullptr;
}

void TSkinComBox::FreeListSkinner(TSkinControl* skinner) {
  if (!skinner)
    return;
  if (skinner->LifeState() != lsWindowGone)
    skinner->Detach();
  delete skinner;
}

void TSkinComBox::SetHover(bool hover) {
  if (hover == Hover())
    return;
  if (hover)
    mouseState_ |= mbHover;
  else
    mouseState_ &= ~mbHover;
  Repaint();
}

void TSkinComBox::OnMouseMove(POINT point) {
  const bool enabled = IsWindowEnabled(windowHandle_);
  // The point is in client coordinates, the button in window coordinates.
  RECT window{};
  GetWindowRect(windowHandle_, &window);
  ClientToScreen(windowHandle_, &point);
  point.x -= window.left;
  point.y -= window.top;
  SetHover(enabled && PtInRect(&buttonRect_, point));
  TrackMouseLeave(windowHandle_);
}

void TSkinComBox::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE:
      OnMouseMove({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      break;
    case WM_MOUSELEAVE:
      SetHover(false);
      break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Repaint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouseState_ |= mbPressed;
      Repaint();
      break;
    case WM_LBUTTONUP:
      mouseState_ &= ~mbPressed;
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

int TSkinComBox::StateFrame() const {
  if (comboStyle_ & WS_DISABLED)
    return kDisabled;
  if (mouseState_ & mbPressed)
    return kPressed;
  const HWND focus = GetFocus();
  if (Hover() || (focus && (focus == windowHandle_ || GetParent(focus) == windowHandle_)))
    return kHot;
  return kNormal;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = skinData_ ? skinData_->Elements().ComboButton.get() : nullptr;
  if (!button || button->Image.Empty())
    return;
  comboStyle_ = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_STYLE));
  comboExStyle_ = static_cast<DWORD>(GetWindowLongA(windowHandle_, GWL_EXSTYLE));
  COMBOBOXINFO info;
  if (ComboInfo(windowHandle_, info)) {
    // The system's button rectangle is in client coordinates.
    buttonRect_ = info.rcButton;
    RECT window{};
    GetWindowRect(windowHandle_, &window);
    MapWindowPoints(windowHandle_, nullptr, reinterpret_cast<POINT*>(&buttonRect_), 2);
    OffsetRect(&buttonRect_, -window.left, -window.top);
    if (info.stateButton & STATE_SYSTEM_INVISIBLE)
      return;
  }
  const int frame = StateFrame();
  if (button->Style == kFlatStyle) {
    DrawFlat(dc, rect, frame);
    return;
  }
  if (isComboBoxEx_) {
    DrawComboBoxEx(dc, rect, frame);
    return;
  }
  if (button->Style == kWholeStyle) {
    const bool mirrored = comboExStyle_ & WS_EX_LEFTSCROLLBAR;
    const TDataSkinObject* whole = mirrored ? skinData_->Elements().SunkEdge.get() : button;
    if (whole && !whole->Image.Empty())
      DrawSkinElement(dc, rect, whole->Image, false, false, true, whole->FrameCount, frame, whole->Margins);
    return;
  }
  DrawUsual(dc, rect, frame);
}

// The usual form: the sunken edge around the text area, which the clip keeps untouched, and the
// button on the right (on the left, mirrored, for right-to-left boxes).
void TSkinComBox::DrawUsual(HDC dc, const RECT& rect, int frame) {
  const TDataSkinBorder& button = *skinData_->Elements().ComboButton;
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = comboExStyle_ & WS_EX_LEFTSCROLLBAR;
  RECT text, b, glyph;
  if (left) {
    text = {w + 4, 2, rect.right - 2, rect.bottom - 2};
    b = {0, 0, w + 2, rect.bottom};
    glyph = {2, 0, w + 2, rect.bottom};
  } else {
    text = {2, 2, rect.right - w - 4, rect.bottom - 2};
    b = {rect.right - w - 2, 0, rect.right, rect.bottom};
    glyph = {b.left, 0, rect.right - 2, rect.bottom};
  }
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  if (const TDataSkinObject* edge = skinData_->Elements().SunkEdge.get(); edge && !edge->Image.Empty())
    DrawElementFrame(dc, rect, edge->FrameCount, frame, *edge);
  const TBitmap& picture = left && !button.Image2.Empty() ? button.Image2 : button.Image;
  DrawStretchedFrame(dc, b, button.FrameCount, frame, picture);
  buttonRect_ = b;
  if (const TDataSkinObject* extra = skinData_->Elements().ExtraImages.get(); extra && !extra->Image.Empty()) {
    const int gw = extra->Image.Width() / std::max(extra->FrameCount, 1), gh = extra->Image.Height();
    const int x = (glyph.left + glyph.right - gw) / 2, y = (glyph.top + glyph.bottom - gh) / 2;
    DrawStretchedFrame(dc, {x, y, x + gw, y + gh}, extra->FrameCount, frame, extra->Image);
  }
  RestoreDC(dc, saved);
}

void TSkinComBox::DrawFlat(HDC dc, const RECT& rect, int frame) {
  const TDataSkinBorder& button = *skinData_->Elements().ComboButton;
  const bool left = comboExStyle_ & WS_EX_LEFTSCROLLBAR;
  HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT r = rect;
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, current);
  InflateRect(&r, -1, -1);
  const int strip = GetSystemMetrics(SM_CYVTHUMB);
  RECT bar = r;
  if (left)
    bar.right = bar.left + strip;
  else
    bar.left = bar.right - strip;
  FillRect(dc, &bar, current);
  FrameWith(dc, rect, SkinColour(ciButtonShadow));
  const int frameWidth = button.Image.Width() / std::max(button.FrameCount, 1);
  buttonRect_ = r;
  if (left)
    buttonRect_.right = buttonRect_.left + frameWidth;
  else
    buttonRect_.left = buttonRect_.right - frameWidth;
  if (button.Image.Height() < strip)
    buttonRect_.bottom = buttonRect_.top + button.Image.Height();
  DrawStretchedFrame(dc, buttonRect_, button.FrameCount, frame, button.Image);
}

void TSkinComBox::DrawComboBoxEx(HDC dc, const RECT& rect, int frame) {
  RECT outer{}, client{};
  GetWindowRect(windowHandle_, &outer);
  GetClientRect(windowHandle_, &client);
  if (client.right < outer.right - outer.left || client.bottom < outer.bottom - outer.top) {
    RECT r = rect;
    FrameWith(dc, r, SkinColour(ciButtonShadow));
    InflateRect(&r, -1, -1);
    FrameWith(dc, r, RGB(255, 255, 255));
  }
  const TDataSkinObject* arrow = skinData_->Elements().ComboxArrow.get();
  if (!editWindow_ || !arrow || arrow->Image.Empty())
    return;
  RECT field{};
  GetWindowRect(editWindow_, &field);
  OffsetRect(&field, -outer.left, -outer.top);
  FillFace(dc, field);
  DrawStretchedFrame(dc, field, arrow->FrameCount, frame, arrow->Image);
}
