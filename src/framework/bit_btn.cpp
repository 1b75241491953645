#include "framework/bit_btn.h"

#include "framework/button_content.h"
#include "framework/image_list.h"

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(new TGlyph(this)) {
  glyph_->OnChange = [this] { Repaint(); };
}

void TBitBtn::Repaint() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Repaint();
}

void TBitBtn::SetMargin(int margin) {
  margin_ = margin;
  Repaint();
}

void TBitBtn::SetSpacing(int spacing) {
  spacing_ = spacing;
  Repaint();
}

void TBitBtn::SetImages(TImageList* images) {
  if (images_)
    images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_)
    images_->FreeNotification(this);
  Repaint();
}

void TBitBtn::SetImageIndex(int index) {
  imageIndex_ = index;
  Repaint();
}

void TBitBtn::SetDisabledIndex(int index) {
  disabledIndex_ = index;
  Repaint();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
  TButton::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    Repaint();
  }
}

void TBitBtn::PaintFace(HDC dc, const RECT& rect, UINT state) {
  const bool pushed = state & ODS_SELECTED;
  const bool enabled = !(state & ODS_DISABLED);
  RECT face = rect;
  // The default button has a dark frame around its face.
  if (Default()) {
    FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  TButtonContent content;
  const int listIndex = enabled || disabledIndex_ < 0 ? imageIndex_ : disabledIndex_;
  if (images_ && imageIndex_ >= 0 && listIndex < images_->Count()) {
    HIMAGELIST list = images_->Handle();
    const bool blend = !enabled && disabledIndex_ < 0;
    content.ImageSize = {images_->Width(), images_->Height()};
    content.DrawImage = [list, listIndex, blend](HDC target, POINT at) {
      ImageList_DrawEx(list, listIndex, target, at.x, at.y, 0, 0, CLR_NONE, CLR_DEFAULT,
                       ILD_TRANSPARENT | (blend ? ILD_BLEND50 : 0));
    };
  } else {
    SetGlyphImage(content, *glyph_, enabled ? TGlyphState::gsUp : TGlyphState::gsDisabled);
  }
  content.Caption = Caption();
  content.Font = FontHandle();
  content.Enabled = enabled;
  content.Layout = layout_;
  content.Margin = margin_;
  content.Spacing = spacing_;
  RECT inside = face;
  InflateRect(&inside, -2, -2);
  if (pushed)
    OffsetRect(&inside, 1, 1);
  DrawButtonContent(dc, inside, content);
  if (state & ODS_FOCUS) {
    InflateRect(&inside, -1, -1);
    DrawFocusRect(dc, &inside);
  }
}

bool TBitBtn::DrawItemReflect(const DRAWITEMSTRUCT& item) {
  PaintFace(item.hDC, item.rcItem, item.itemState);
  return true;
}

LRESULT TBitBtn::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  // An owner-drawn button takes a quick second click as a double click and would not press:
  // every click presses it, as on a standard push button.
  if (msg == WM_LBUTTONDBLCLK)
    msg = WM_LBUTTONDOWN;
  return TButton::DefaultHandler(msg, wParam, lParam);
}
