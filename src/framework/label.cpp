#include "framework/label.h"

#include "framework/system/gdi_handles.h"

void TLabel::AutoSize() {
  if (!HandleAllocated())
    return;
  TWindowDC dc(Handle());
  TSelectObject font(dc.Get(), FontHandle());
  SIZE size = {};
  GetTextExtentPoint32A(dc.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &size);
  SetBounds(Left(), Top(), size.cx, size.cy);
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (!HandleAllocated())
    return;
  const LONG style = GetWindowLongA(Handle(), GWL_STYLE) & ~static_cast<LONG>(SS_TYPEMASK);
  SetWindowLongA(Handle(), GWL_STYLE, style | static_cast<LONG>(AlignmentStyle()));
  InvalidateRect(Handle(), nullptr, TRUE);
}

DWORD TLabel::AlignmentStyle() const {
  switch (alignment_) {
    case TAlignment::taRightJustify: return SS_RIGHT;
    case TAlignment::taCenter: return SS_CENTER;
    case TAlignment::taLeftJustify: break;
  }
  return SS_LEFT;
}

TWinControl::TCreateParams TLabel::CreateParams() {
  return {"STATIC", WS_CHILD | AlignmentStyle() | SS_NOPREFIX, 0, Caption()};
}
