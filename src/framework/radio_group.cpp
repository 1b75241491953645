#include "framework/radio_group.h"

#include "framework/radio_button.h"
#include "framework/system/gdi_handles.h"

#include <algorithm>

namespace {

// Inside the frame: clear of its edges, and below the caption that runs along its top.
constexpr int kSideMargin = 8;
constexpr int kBottomMargin = 4;

int CaptionHeight(HFONT font) {
  TWindowDC screen(nullptr);
  TSelectObject select(screen.Get(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.Get(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

void TCustomRadioGroup::SetItems(const std::vector<std::string>& items) {
  for (TRadioButton* button : buttons_)
    delete button;
  buttons_.clear();
  items_ = items;
  if (itemIndex_ >= static_cast<int>(items_.size()))
    itemIndex_ = -1;
  for (size_t i = 0; i < items_.size(); ++i) {
    auto* button = new TRadioButton(this);
    button->SetCaption(items_[i]);
    button->SetChecked(static_cast<int>(i) == itemIndex_);
    button->OnClick = [this](TComponent* sender) { ButtonClicked(sender); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  ArrangeButtons();
}

void TCustomRadioGroup::SetColumns(int columns) {
  columns_ = std::max(columns, 1);
  ArrangeButtons();
}

void TCustomRadioGroup::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()))
    index = -1;
  itemIndex_ = index;
  for (size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->SetChecked(static_cast<int>(i) == index);
}

void TCustomRadioGroup::ButtonClicked(TComponent* button) {
  const auto found = std::find(buttons_.begin(), buttons_.end(), button);
  if (found == buttons_.end())
    return;
  itemIndex_ = static_cast<int>(found - buttons_.begin());
  if (OnClick)
    OnClick(this);
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

// Rows of equal height fill the frame; a column holds as many items as there are rows.
void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty())
    return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int top = CaptionHeight(FontHandle());
  const int columnWidth = (Width() - 2 * kSideMargin) / columns_;
  const int rowHeight = std::max((Height() - top - kBottomMargin) / rows, 1);
  for (int i = 0; i < count; ++i)
    buttons_[static_cast<size_t>(i)]->SetBounds(kSideMargin + (i / rows) * columnWidth, top + (i % rows) * rowHeight,
                                                 columnWidth, rowHeight);
}

LRESULT TCustomRadioGroup::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TCustomGroupBox::DefaultHandler(msg, wParam, lParam);
  if (msg == WM_SIZE)
    ArrangeButtons();
  return result;
}
