#include "framework/scroll_bar.h"

#include <algorithm>

void TScrollBar::SetMin(int min) {
  min_ = min;
  ApplyScrollInfo();
}

void TScrollBar::SetMax(int max) {
  max_ = max;
  ApplyScrollInfo();
}

void TScrollBar::SetPageSize(int pageSize) {
  pageSize_ = std::max(pageSize, 0);
  ApplyScrollInfo();
}

void TScrollBar::SetPosition(int position) {
  position_ = position;
  ApplyScrollInfo();
}

// With a page, the thumb ends at Max when the position is Max - PageSize + 1.
int TScrollBar::LastPosition() const {
  return std::max(min_, pageSize_ > 0 ? max_ - pageSize_ + 1 : max_);
}

void TScrollBar::ApplyScrollInfo() {
  position_ = std::clamp(position_, min_, LastPosition());
  if (!HandleAllocated())
    return;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
  info.nMin = min_;
  info.nMax = std::max(min_, max_);
  info.nPage = static_cast<UINT>(pageSize_);
  info.nPos = position_;
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

TWinControl::TCreateParams TScrollBar::CreateParams() {
  const DWORD kind = kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
  return {"SCROLLBAR", WS_CHILD | WS_TABSTOP | kind, 0, ""};
}

void TScrollBar::HandleCreated() { ApplyScrollInfo(); }

long long TScrollBar::ScrolledTo(WORD code) {
  switch (code) {
    case SB_LINEUP: return static_cast<long long>(position_) - smallChange_;
    case SB_LINEDOWN: return static_cast<long long>(position_) + smallChange_;
    case SB_PAGEUP: return static_cast<long long>(position_) - largeChange_;
    case SB_PAGEDOWN: return static_cast<long long>(position_) + largeChange_;
    case SB_TOP: return min_;
    case SB_BOTTOM: return LastPosition();
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The message holds 16 bits of the position; the window holds all of them.
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS};
      GetScrollInfo(Handle(), SB_CTL, &info);
      return info.nTrackPos;
    }
    default: return position_;
  }
}

void TScrollBar::Scroll(WORD code) {
  const int before = position_;
  SetPosition(static_cast<int>(std::clamp<long long>(ScrolledTo(code), min_, LastPosition())));
  if (position_ != before && OnChange)
    OnChange(this);
}

LRESULT TScrollBar::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == CN_HSCROLL || msg == CN_VSCROLL) {
    Scroll(LOWORD(wParam));
    return 0;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
