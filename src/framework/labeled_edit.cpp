#include "framework/labeled_edit.h"

namespace {
constexpr int kLabelSpacing = 3;  // pixels between the label's bottom and the edit's top
}

TLabeledEdit::TLabeledEdit(TComponent* owner) : TEdit(owner), label_(new TLabel(this)) {}

void TLabeledEdit::SetParent(TWinControl* parent) {
  TEdit::SetParent(parent);
  label_->SetParent(parent);
  PlaceLabel();
}

void TLabeledEdit::SetBounds(int left, int top, int width, int height) {
  TEdit::SetBounds(left, top, width, height);
  PlaceLabel();
}

void TLabeledEdit::SetVisible(bool visible) {
  TEdit::SetVisible(visible);
  label_->SetVisible(visible);
}

void TLabeledEdit::PlaceLabel() {
  if (HandleAllocated())
    label_->Handle();  // sized to its text before it is placed
  label_->AutoSize();
  label_->SetBounds(Left(), Top() - label_->Height() - kLabelSpacing, label_->Width(), label_->Height());
}
