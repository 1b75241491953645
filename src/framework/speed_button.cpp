#include "framework/speed_button.h"

#include "framework/button_content.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(new TGlyph(this)) {
  glyph_->OnChange = [this] { Invalidate(); };
}

TSpeedButton::~TSpeedButton() {
  NotifyDestroying();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0)
    down = false;
  if (down == down_ || (down_ && !allowAllUp_))
    return;
  down_ = down;
  Invalidate();
  if (down_)
    ReleaseGroup();
}

void TSpeedButton::SetGroupIndex(int index) {
  groupIndex_ = index;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    Invalidate();
  } else if (down_) {
    ReleaseGroup();
  }
}

void TSpeedButton::ReleaseGroup() {
  TWinControl* parent = Parent();
  if (!parent)
    return;
  for (int i = 0; i < parent->GraphicControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->GraphicControls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
  }
}

void TSpeedButton::Click() {
  if (OnClick)
    OnClick(this);
}

TGlyphState TSpeedButton::GlyphState() const {
  if (!Enabled())
    return TGlyphState::gsDisabled;
  if (pressed_)
    return TGlyphState::gsPressed;
  return down_ ? TGlyphState::gsDown : TGlyphState::gsUp;
}

void TSpeedButton::Paint(HDC dc) {
  RECT face{0, 0, Width(), Height()};
  if (!flat_) {
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &face, Sunken() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else if (Sunken()) {
    DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && Enabled()) {
    DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);
  }
  TButtonContent content;
  SetGlyphImage(content, *glyph_, GlyphState());
  content.Caption = Caption();
  content.Font = FontHandle();
  content.Enabled = Enabled();
  content.Layout = layout_;
  content.Margin = margin_;
  content.Spacing = spacing_;
  // A sunken face moves its content by a pixel, as a pushed button does.
  if (Sunken())
    OffsetRect(&face, 1, 1);
  DrawButtonContent(dc, face, content);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState, int, int) {
  if (button != TMouseButton::mbLeft || !Enabled())
    return;
  tracking_ = pressed_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState, int x, int y) {
  if (!tracking_ || Inside(x, y) == pressed_)
    return;
  pressed_ = !pressed_;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState, int x, int y) {
  if (button != TMouseButton::mbLeft || !tracking_)
    return;
  tracking_ = pressed_ = false;
  Invalidate();
  if (!Inside(x, y))
    return;
  if (groupIndex_ != 0)
    SetDown(!down_);
  Click();  // last: OnClick may free the button
}

void TSpeedButton::MouseEnter() {
  hot_ = true;
  if (flat_)
    Invalidate();
}

void TSpeedButton::MouseLeave() {
  hot_ = false;
  if (flat_)
    Invalidate();
}

void TSpeedButton::PressCancelled() {
  if (!tracking_)
    return;
  tracking_ = pressed_ = false;
  Invalidate();
}
