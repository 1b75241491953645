#pragma once
#include "framework/control.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A line of static text; its background is its parent's colour.
class TLabel : public TWinControl {
public:
  explicit TLabel(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TLabel"; }
  // Sizes the label to its text in its font, as a label of automatic size does.
  void AutoSize();
  // Where the text sits in the label's width.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override { AutoSize(); }

private:
  DWORD AlignmentStyle() const;

  TAlignment alignment_ = TAlignment::taLeftJustify;
};
