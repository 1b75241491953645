// The skinned frame's geometry and painting: borders, caption, caption buttons and the window
// region that gives the window the outline of its skin.
#include "framework/application.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_region.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"
#include "skin/model/scratch_bitmap.h"
#include "skin/model/transparent_blit.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <algorithm>
#include <optional>

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// A picture's frame size along its strip; 0 for an empty picture.
int FrameWidth(const TDataSkinObject& element) {
  return element.Image.Width() / std::max(element.FrameCount, 1);
}
int FrameHeight(const TDataSkinObject& element) {
  return element.Image.Height() / std::max(element.FrameCount, 1);
}

bool HasPicture(const TDataSkinObject& element) {
  return !element.Image.Empty() && element.Image.Width() > 0 && element.Image.Height() > 0;
}

}  // namespace

TDataSkinBorder& TWinSkinForm::BorderElement(int index) const {
  TSkinElementTable& elements = skinData_->Elements();
  switch (index) {
    case 1: return elements.LeftBorder;
    case 2: return elements.RightBorder;
    case 3: return elements.TopBorder;
    default: return elements.BottomBorder;
  }
}

void TWinSkinForm::LoadFrameMetrics() {
  if (!skinData_ || skinData_->NoSkin())
    return;
  if (frameKind_ == fkNoCaption) {
    borderLeft_ = borderTop_ = borderRight_ = borderBottom_ = 0;
    menuBarHeight_ = 0;
  } else {
    // Left and right borders are strips of frames side by side, top and bottom stacked ones.
    borderTop_ = FrameHeight(BorderElement(3));
    borderLeft_ = FrameWidth(BorderElement(1));
    borderRight_ = FrameWidth(BorderElement(2));
    borderBottom_ = FrameHeight(BorderElement(4));
  }
  ClearCaptionButtons();
  for (auto& element : skinData_->Elements().SysButtons) {
    auto button = std::make_unique<TWinSysButton>(*this, *element);
    if (IsIconAction(element->Action)) {
      BuildIconBitmap();
      if (element->Image.Empty())
        element->Image = iconBitmap_.Clone();
      element->FrameCount = 1;
    }
    captionButtons_.push_back(std::move(button));
  }
}

void TWinSkinForm::ClearCaptionButtons() {
  for (auto& button : captionButtons_)
    if (hotObject_ == button.get())
      hotObject_ = nullptr;
  captionButtons_.clear();
}

HICON TWinSkinForm::WindowIcon() const {
  auto icon = reinterpret_cast<HICON>(SendMessageA(handle_, WM_GETICON, ICON_SMALL, 0));
  return icon ? icon : reinterpret_cast<HICON>(SendMessageA(handle_, WM_GETICON, ICON_BIG, 0));
}

void TWinSkinForm::BuildIconBitmap() {
  smallIconSize_ = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  iconBitmap_.SetSize(smallIconSize_, height);
  TMemoryDC dc(iconBitmap_.Handle());
  RECT all{0, 0, smallIconSize_, height};
  UniqueBrush magenta(CreateSolidBrush(kColourKey));
  FillRect(dc.Get(), &all, magenta.Get());
  const HICON icon = WindowIcon();
  iconSource_ = icon;
  if (!icon)
    return;
  UniqueIcon scaled(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, smallIconSize_, height, LR_COPYFROMRESOURCE)));
  DrawIconEx(dc.Get(), 0, 0, scaled ? scaled.Get() : icon, smallIconSize_, height, 0, nullptr, DI_NORMAL);
}

// Copying an icon from its resource is slow, and the attach made the picture a moment before.
void TWinSkinForm::RefreshIconBitmap() {
  if (iconBitmap_.Empty() || WindowIcon() != iconSource_ || GetSystemMetrics(SM_CXSMICON) != smallIconSize_)
    BuildIconBitmap();
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (state_ != ssRunning && state_ != ssApplyingSkin)
    return;
  if (frameKind_ == fkNoCaption || MaximizedMDIChild() || !skinData_ || skinData_->NoSkin())
    return;
  // Nothing drawn on a hidden window is seen, and showing it asks for the frame again: an
  // activation before the first show would paint the whole frame for nobody.
  if (!dc && !IsWindowVisible(handle_))
    return;
  std::optional<TWindowDC> own;
  if (!dc) {
    own.emplace(handle_, true);
    dc = own->Get();
    if (!dc)
      return;
  }
  GetWindowRect(handle_, &windowRect_);
  const int w = Width(windowRect_), h = Height(windowRect_);
  paintWidth_ = w, paintHeight_ = h;
  try {
    if (!Minimized()) {
      DrawFrameBorder(1, {0, 0, borderLeft_, h}, dc);
      DrawFrameBorder(2, {w - borderRight_, 0, w, h}, dc);
      DrawFrameBorder(4, {borderLeft_, h - borderBottom_, w - borderRight_, h}, dc);
    }
    PaintCaption(dc);
    if (!Minimized() && menuBarHeight_ > 0) {
      RECT bar{borderLeft_, borderTop_, w - borderRight_, borderTop_ + menuBarHeight_};
      if (menuBar_)
        menuBar_->PaintMenuBar(dc, bar, active_);
      else
        FillRect(dc, &bar, skinData_->ButtonFaceBrush());
    }
  } catch (...) {
    // A broken skin must not take the window with it: what could be painted stays.
  }
  hotObject_ = nullptr;
}

void TWinSkinForm::DrawFrameBorder(int index, const RECT& rect, HDC dc) {
  if (Width(rect) < 0 || Height(rect) < 0)
    return;
  const TDataSkinBorder& border = BorderElement(index);
  const int frame = active_ || border.FrameCount <= 1 ? 1 : 2;
  const TBitmap piece = BuildSkinElementBitmap(rect, border.Image, border.Margins, index > 2,
                                               border.Tile != 1, border.FrameCount, frame);
  if (piece.Empty())
    return;
  TMemoryDC from(piece.Handle());
  BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), from.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintCaption(HDC dc) {
  const int w = paintWidth_;
  const int h = Minimized() ? paintHeight_ : borderTop_;
  if (w <= 0 || h <= 0)
    return;
  if (captionBitmap_.Width() != w || captionBitmap_.Height() != h)
    captionBitmap_.SetSize(w, h);
  TMemoryDC caption(captionBitmap_.Handle());
  RECT captionRect{borderLeft_, 0, w - borderRight_, borderTop_};
  if (Minimized()) {
    RECT all{0, 0, w, h};
    FillRect(caption.Get(), &all, skinData_->ButtonFaceBrush());
    captionRect = {0, 0, w, borderTop_};
  } else {
    BitBlt(caption.Get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
  }
  DrawFrameBorder(3, captionRect, caption.Get());
  UpdateButtonVisibility();
  DrawTitleText(caption.Get(), captionRect);
  LayoutCaptionButtons();
  PaintCaptionButtons(caption.Get());
  BitBlt(dc, 0, 0, w, h, caption.Get(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

std::wstring TWinSkinForm::WindowText() const {
  if (unicode_) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  char buffer[1000] = "";
  const LRESULT length = SendMessageA(handle_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, buffer, static_cast<int>(length), text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWinSkinForm::DrawTitleText(HDC dc, const RECT& r) {
  const TDataSkinTitle& title = skinData_->Elements().Title;
  const int textShift = title.Margins.Left, textShiftVert = title.Margins.Top,
            textRightClip = title.Margins.Right;
  const std::wstring text = captionPrefix_ + WindowText() + captionSuffix_;

  rightButtonsWidth_ = 0;
  for (const auto& button : captionButtons_)
    if (button->Visible && button->Element().Align == 1 && HasPicture(button->Element()))
      rightButtonsWidth_ = std::max(rightButtonsWidth_, button->Element().XCoord);

  HGDIOBJ oldFont = SelectObject(dc, skinData_->CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  const TColour colour = skinData_->ColourTable().Colours[active_ ? ciTitleTextActive : ciTitleTextNoActive];
  SetTextColor(dc, ResolveColour(colour));

  RECT t{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  const int a = title.TXTBackleft + title.TXTBackRight + t.right;
  t.right = a;
  const int width = Width(r);
  int x = 0;
  if (!rightToLeft_) {
    // Centred and right-aligned titles are placed within the caption, between the borders.
    switch (title.TextAlignment) {
      case 0: x = textShift; break;
      case 1: x = r.left + (width - a) / 2; break;
      case 2: x = r.right - textRightClip - a; break;
    }
  } else {
    switch (title.TextAlignment) {
      case 0: x = width - rightButtonsWidth_ - a; break;
      case 1: x = (width - rightButtonsWidth_ - a) / 2; break;
      case 2: x = textShift; break;
    }
  }
  const int y = r.top + (Height(r) - Height(t)) / 2 + textShiftVert / 2;
  OffsetRect(&t, x, y);
  if (rightToLeft_ && x < 1)
    t.left = textShift;
  if (rightToLeft_) {
    OffsetRect(&t, 10, 0);
  } else if (style_ & WS_POPUP) {
    if (r.right - rightButtonsWidth_ - 5 < t.right && rightButtonsWidth_ > 5)
      t.right = r.right - rightButtonsWidth_ - 5;
  } else {
    t.right = std::min<LONG>(t.right, r.right - textRightClip);
  }
  if (frameKind_ == fkDialog && title.TextAlignment == 0)
    t.left -= 16;
  captionTextRect_ = t;
  if (HasPicture(title))
    DrawTiledBar(dc, {t.left, r.top, t.right, r.bottom}, title.Image, true, true, 2, active_ ? 1 : 2,
                 {title.TXTBackleft, 0, title.TXTBackRight, 0});
  t.left += title.TXTBackleft;
  t.right -= title.TXTBackRight;
  UINT flags = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE;
  if (rightToLeft_)
    flags |= DT_RTLREADING | DT_RIGHT;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, flags);
  titleRect_ = t;
  SelectObject(dc, oldFont);
}

bool TWinSkinForm::IsButtonVisible(TWinSysButton& button) {
  TCaptionFacts facts;
  facts.Maximized = Maximized();
  facts.Active = active_;
  facts.MinimizeBox = captionFlags_ & cfMinimizeBox;
  facts.MaximizeBox = captionFlags_ & cfMaximizeBox;
  facts.HelpButton = captionFlags_ & cfHelpButton;
  facts.WindowMenu = captionFlags_ & cfWindowMenu;
  facts.DialogFrame = frameKind_ == fkDialog;
  facts.DialogClass = dialog_;
  TSkinManage* manager = SkinManage();
  // The maximised child's buttons go into the frame's menu bar, which needs a skinned menu bar.
  facts.MDIChildMaximizedInBar = formKind_ == fkMDIFrame && manager && manager->MDIMaximized() && menuBarHeight_ > 0;
  facts.AskWindow = [this](int visibility, int action) {
    return SendMessageA(handle_, SKM_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
  };
  bool enabled = true;
  button.Visible = CaptionButtonVisible(button.Element(), facts, enabled);
  button.Enabled = enabled;
  return button.Visible;
}

void TWinSkinForm::UpdateButtonVisibility() {
  for (auto& button : captionButtons_)
    IsButtonVisible(*button);
}

void TWinSkinForm::LayoutCaptionButtons() {
  const int w = paintWidth_;
  for (auto& button : captionButtons_) {
    const TDataSkinSysButton& element = button->Element();
    if (!button->Visible || !HasPicture(element))
      continue;
    const int bw = FrameWidth(element), bh = element.Image.Height();
    POINT at{0, 0};
    switch (element.Align) {
      case 0: at = {element.XCoord, element.YCoord}; break;
      case 1: at = {w - element.XCoord, element.YCoord}; break;
      case 2: case 8: at = {captionTextRect_.left - bw - element.XCoord, element.YCoord}; break;
      case 3: case 9: at = {captionTextRect_.right + element.XCoord, element.YCoord}; break;
      case 100: {
        const TDataSkinObject* bar = skinData_->Elements().MenuBar.get();
        at = {w - element.XCoord - borderRight_ - (bar ? bar->Margins.Left : 0),
              borderTop_ + (menuBarHeight_ - bh) / 2};
        break;
      }
    }
    button->Bounds = {at.x, at.y, at.x + bw, at.y + bh};
  }
}

void TWinSkinForm::PaintCaptionButtons(HDC dc) {
  for (auto& button : captionButtons_) {
    const TDataSkinSysButton& element = button->Element();
    if (!button->Visible || !HasPicture(element) || element.Visibility == 100)
      continue;
    if (IsIconAction(element.Action)) {
      DrawWindowIcon(dc, button->Bounds);
      continue;
    }
    const bool dimmed = element.FrameCount >= 4 && (!active_ || !button->Enabled);
    DrawSkinFrame(dc, button->Bounds, element.Image, true, element.FrameCount, dimmed ? 4 : 1);
  }
}

void TWinSkinForm::DrawSysButton(TWinSysButton& button, int frame) {
  const TDataSkinSysButton& element = button.Element();
  if (!button.Visible || !HasPicture(element) || !skinData_ || state_ != ssRunning)
    return;
  if (!button.Enabled)
    frame = element.FrameCount > 3 ? 4 : 1;
  else if (element.Visibility == 100 && frame == msHot)
    frame = 4;
  TWindowDC dc(handle_, true);
  if (!dc)
    return;
  // The caption under the button first, or a transparent frame would keep the last one's pixels.
  const RECT& b = button.Bounds;
  if (!captionBitmap_.Empty() && b.bottom <= captionBitmap_.Height()) {
    TMemoryDC caption(captionBitmap_.Handle());
    BitBlt(dc.Get(), b.left, b.top, Width(b), Height(b), caption.Get(), b.left, b.top, SRCCOPY);
  }
  if (IsIconAction(element.Action))
    DrawWindowIcon(dc.Get(), b);
  else
    DrawSkinFrame(dc.Get(), b, element.Image, true, element.FrameCount, frame);
}

// The icon goes where the skin put its button, so that what is drawn is what a click hits.
void TWinSkinForm::DrawWindowIcon(HDC dc, const RECT& rect) {
  HICON icon = WindowIcon();
  HWND application = Application ? Application->Handle() : nullptr;
  if (!icon && application)
    icon = reinterpret_cast<HICON>(SendMessageA(application, WM_GETICON, ICON_SMALL, 0));
  if (icon) {
    const int x = rect.left + (Width(rect) - smallIconSize_) / 2;
    const int y = rect.top + (Height(rect) - smallIconSize_) / 2;
    DrawIconEx(dc, x, y, icon, smallIconSize_, smallIconSize_, 0, nullptr, DI_NORMAL);
    return;
  }
  DrawTransparentBitmap(dc, rect, iconBitmap_, kColourKey);
}

UniqueRgn TWinSkinForm::BorderRegion(int index, const RECT& rect) {
  const TDataSkinBorder& border = BorderElement(index);
  const int w = Width(rect), h = Height(rect);
  bool shaped = border.Trans == 1;
  switch (index) {
    case 1: case 2: shaped = shaped && h > 1; break;
    case 4: shaped = shaped && borderBottom_ >= 2; break;
    case 3: shaped = shaped && borderTop_ > 1 && w > 0; break;
  }
  if (!shaped)
    return UniqueRgn(CreateRectRgnIndirect(&rect));
  const TBitmap piece = BuildSkinElementBitmap(rect, border.Image, border.Margins, index > 2,
                                               border.Tile != 1, border.FrameCount, 1);
  if (piece.Empty())
    return UniqueRgn(CreateRectRgnIndirect(&rect));
  UniqueRgn shape = BitmapToRegion(piece, rect.left, rect.top, 1, 1, 1, kColourKey);
  return shape ? std::move(shape) : UniqueRgn(CreateRectRgn(0, 0, 0, 0));
}

void TWinSkinForm::InvalidateFrame() {
  RECT window{}, client{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  // RedrawWindow takes client coordinates; with RDW_FRAME the parts outside the client count.
  UniqueRgn frame(CreateRectRgn(window.left - origin.x, window.top - origin.y, window.right - origin.x,
                                window.bottom - origin.y));
  UniqueRgn inside(CreateRectRgnIndirect(&client));
  if (!frame || !inside)
    return;
  CombineRgn(frame.Get(), frame.Get(), inside.Get(), RGN_DIFF);
  RedrawWindow(handle_, nullptr, frame.Get(), RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

void TWinSkinForm::BuildWindowRegion(bool redraw) {
  if (state_ == ssReleased || !skinFrame_ || !skinData_ || skinData_->NoSkin())
    return;
  RECT window{};
  GetWindowRect(handle_, &window);
  const int w = Width(window), h = Height(window);
  if (w <= 0 || h <= 0)
    return;
  if (formKind_ == fkMDIChild && (Minimized() || Maximized()))
    return;
  if (hasRegion_ && w == regionWidth_ && h == regionHeight_ && formKind_ != fkMDIChild &&
      state_ != ssApplyingSkin)
    return;
  const TSkinElementTable& elements = skinData_->Elements();
  UniqueRgn region;
  if (elements.RightBorder.Trans + elements.TopBorder.Trans + 2 * elements.LeftBorder.Trans == 0) {
    region.Reset(CreateRectRgn(0, 0, w, h));
  } else {
    region.Reset(CreateRectRgn(borderLeft_, borderTop_, w - borderRight_, h - borderBottom_));
    if (frameKind_ != fkNoCaption) {
      const RECT edges[] = {{0, 0, borderLeft_, h},
                            {w - borderRight_, 0, w, h},
                            {borderLeft_, 0, w - borderRight_, borderTop_},
                            {borderLeft_, h - borderBottom_, w - borderRight_, h}};
      const int indices[] = {1, 2, 3, 4};
      for (int i = 0; i < 4; ++i)
        if (UniqueRgn edge = BorderRegion(indices[i], edges[i]))
          CombineRgn(region.Get(), region.Get(), edge.Get(), RGN_OR);
    }
  }
  if (!region)
    return;
  // The system owns the region from here on.
  if (SetWindowRgn(handle_, region.Get(), redraw))
    region.Release();
  // Unredrawn, the window itself is painted already or about to be; only what lay under the
  // corners the shape cuts off is left to paint.
  if (!redraw)
    RedrawWindow(GetDesktopWindow(), &window, nullptr, RDW_INVALIDATE | RDW_ERASE);
  hasRegion_ = true;
  regionWidth_ = w, regionHeight_ = h;
}
