#pragma once
#include "framework/control.h"
#include "framework/glyph.h"

#include <functional>
#include <string>

// What a glyph check box keeps beside its strip: a second, simpler picture of six images
// (unchecked, checked, grayed; then the same under the mouse).
class TGlyphCheckProperties : public TComponent {
public:
  explicit TGlyphCheckProperties(TComponent* owner);
  const char* ClassName() const override { return "TGlyphCheckProperties"; }

  TGlyph* Glyph() const { return glyph_; }

  std::function<void()> OnChange;

private:
  TGlyph* glyph_;  // owned
};

// A check box or radio button that paints its own mark: from the custom glyph strip when asked
// to, else from the glyph of its Properties, else in the system's look. Custom strips hold the
// states side by side: [unchecked, checked, grayed] (a radio button has no grayed) for normal,
// under the mouse and disabled, in that order.
class TGlyphCheckBox : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TGlyphCheckBox(TComponent* owner);
  const char* ClassName() const override { return "TGlyphCheckBox"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed);
  // A radio button unchecks its checked siblings of its own class when it is checked.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radio);

  TGlyph* CustomGlyphs() const { return customGlyphs_; }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  void SetUseCustomGlyphs(bool use);
  // The colour left out of the custom strip and of the Properties glyph (a COLORREF).
  int TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(int colour);
  TGlyphCheckProperties* Properties() const { return properties_; }

  // The image of a strip of COUNT images shown for the present state, or -1 without a strip.
  int ImageIndex(int count) const;

  NotifyEvent OnClick;

  void Click() override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  void Paint(HDC dc);
  void Changed();

  TGlyph* customGlyphs_;               // owned: the strip of states
  TGlyphCheckProperties* properties_;  // owned
  int transparentColor_ = 0xFF00FF;
  bool useCustomGlyphs_ = false;
  bool checked_ = false;
  bool grayed_ = false;
  bool radioItem_ = false;
  bool hot_ = false;                   // the mouse is over the control
};
