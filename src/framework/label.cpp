#include "framework/label.h"

#include "framework/gdi_handles.h"

void TLabel::AutoSize() {
  if (!HandleAllocated())
    return;
  TWindowDC dc(Handle());
  TSelectObject font(dc.Get(), FontHandle());
  SIZE size = {};
  GetTextExtentPoint32A(dc.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &size);
  SetBounds(Left(), Top(), size.cx, size.cy);
}

TWinControl::TCreateParams TLabel::CreateParams() {
  return {"STATIC", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, Caption()};
}
