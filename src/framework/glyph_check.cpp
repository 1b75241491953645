#include "framework/glyph_check.h"

#include "framework/own_paint.h"
#include "framework/system/gdi_handles.h"

#include <algorithm>

namespace {

constexpr int kMarkSize = 13;  // the system look's mark
constexpr int kTextGap = 4;    // between the mark and the caption

}  // namespace

TGlyphCheckProperties::TGlyphCheckProperties(TComponent* owner) : TComponent(owner), glyph_(new TGlyph(this)) {
  glyph_->OnChange = [this] {
    if (OnChange)
      OnChange();
  };
}

TGlyphCheckBox::TGlyphCheckBox(TComponent* owner)
    : TWinControl(owner), customGlyphs_(new TGlyph(this)), properties_(new TGlyphCheckProperties(this)) {
  SetBounds(0, 0, 120, 17);
  customGlyphs_->OnChange = [this] { Changed(); };
  properties_->OnChange = [this] { Changed(); };
}

void TGlyphCheckBox::Changed() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TGlyphCheckBox::SetChecked(bool checked) {
  if (checked == checked_)
    return;
  checked_ = checked;
  grayed_ = false;
  if (checked_ && radioItem_ && Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TGlyphCheckBox*>(Parent()->Controls(i));
      if (sibling && sibling != this && sibling->radioItem_)
        sibling->SetChecked(false);
    }
  Changed();
}

void TGlyphCheckBox::SetGrayed(bool grayed) {
  grayed_ = grayed && !radioItem_;
  Changed();
}

void TGlyphCheckBox::SetRadioItem(bool radio) {
  radioItem_ = radio;
  if (radio)
    grayed_ = false;
  Changed();
}

void TGlyphCheckBox::SetUseCustomGlyphs(bool use) {
  useCustomGlyphs_ = use;
  Changed();
}

void TGlyphCheckBox::SetTransparentColor(int colour) {
  transparentColor_ = colour;
  Changed();
}

int TGlyphCheckBox::ImageIndex(int count) const {
  const int states = radioItem_ ? 2 : 3;
  if (count < states)
    return -1;
  const int state = grayed_ ? 2 : checked_ ? 1 : 0;
  const int rows = count / states;
  int row = 0;
  if (!Enabled() && rows > 2)
    row = 2;
  else if (hot_ && rows > 1)
    row = 1;
  return row * states + state;
}

void TGlyphCheckBox::Click() {
  if (radioItem_)
    SetChecked(true);
  else
    SetChecked(!checked_);
  if (OnClick)
    OnClick(this);
}

void TGlyphCheckBox::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  EraseBackground(dc);
  // The custom strip holds nine images (six for a radio button), the Properties glyph six.
  const TGlyph* source = nullptr;
  int count = 0;
  if (useCustomGlyphs_ && !customGlyphs_->Empty()) {
    source = customGlyphs_;
    count = radioItem_ ? 6 : 9;
  } else if (!properties_->Glyph()->Empty()) {
    source = properties_->Glyph();
    count = 6;
  }
  int markWidth = kMarkSize, markHeight = kMarkSize;
  const int index = source ? ImageIndex(count) : -1;
  if (index >= 0) {
    const TBitmap& strip = source->Bitmap();
    markWidth = strip.Width() / count;
    markHeight = strip.Height();
    const int top = (client.bottom - markHeight) / 2;
    UniqueDC from(CreateCompatibleDC(dc));
    TSelectObject picture(from.Get(), strip.Handle());
    TransparentBlt(dc, 0, top, markWidth, markHeight, from.Get(), index * markWidth, 0, markWidth, markHeight,
                   static_cast<UINT>(transparentColor_));
  } else {
    RECT mark{0, (client.bottom - kMarkSize) / 2, kMarkSize, (client.bottom - kMarkSize) / 2 + kMarkSize};
    UINT state = radioItem_ ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (checked_ || grayed_)
      state |= DFCS_CHECKED;
    if (!Enabled() || grayed_)
      state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &mark, DFC_BUTTON, state);
  }
  RECT text{markWidth + kTextGap, 0, client.right, client.bottom};
  TSelectObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT TGlyphCheckBox::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (AnswerOwnPaint(Handle(), msg, wParam, painted, [this](HDC dc) { Paint(dc); }))
    return painted;
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Changed();
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      Changed();
      break;
    case WM_LBUTTONUP:
      if (Enabled())
        Click();
      break;
    case WM_ENABLE:
      Changed();
      break;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
