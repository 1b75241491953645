#pragma once
#include "framework/edit.h"
#include "framework/label.h"

// An edit with its caption label above it. The label follows the edit: same parent, same
// visibility, its left edge at the edit's and its bottom 3 pixels above the edit's top.
class TLabeledEdit : public TEdit {
public:
  explicit TLabeledEdit(TComponent* owner);
  const char* ClassName() const override { return "TLabeledEdit"; }

  TLabel* EditLabel() const { return label_; }
  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;

protected:
  void HandleCreated() override { PlaceLabel(); }

private:
  void PlaceLabel();

  TLabel* label_;  // owned by this edit
};
