#include "framework/picture_page_control.h"

#include "framework/system/gdi_handles.h"

TPicturePageControl::TPicturePageControl(TComponent* owner)
    : TPageControl(owner), tabBackGround_(new TGlyph(this)), tabBackGroundActive_(new TGlyph(this)) {
  SetStyle(TTabStyle::tsTabs);
  tabBackGround_->OnChange = [this] { Changed(); };
  tabBackGroundActive_->OnChange = [this] { Changed(); };
}

void TPicturePageControl::Changed() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

TWinControl::TCreateParams TPicturePageControl::CreateParams() {
  TCreateParams params = TPageControl::CreateParams();
  params.Style |= TCS_OWNERDRAWFIXED;
  return params;
}

bool TPicturePageControl::DrawItemReflect(const DRAWITEMSTRUCT& item) {
  const TGlyph* picture = (item.itemState & ODS_SELECTED) ? tabBackGroundActive_ : tabBackGround_;
  const RECT& r = item.rcItem;
  if (picture->Empty()) {
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    const TBitmap& bitmap = picture->Bitmap();
    UniqueDC from(CreateCompatibleDC(item.hDC));
    TSelectObject select(from.Get(), bitmap.Handle());
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, from.Get(), 0, 0, bitmap.Width(),
               bitmap.Height(), SRCCOPY);
  }
  if (static_cast<int>(item.itemID) < PageCount()) {
    const std::string& caption = Pages(static_cast<int>(item.itemID))->Caption();
    RECT text = r;
    TSelectObject font(item.hDC, FontHandle());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  return true;
}
