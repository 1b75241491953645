#pragma once
#include "framework/button_layout.h"
#include "framework/glyph.h"
#include "framework/graphic_control.h"
#include "framework/published.h"

// A windowless button with a glyph and a caption, drawn in the system's look: a raised edge, or
// none when flat until the mouse is over it; sunken while pressed or down. A click runs
// OnClick. A button of a group (GroupIndex not 0) stays down when clicked and releases the
// other buttons of its group on the same parent; with AllowAllUp a click on the down button
// releases it too.
class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;
  const char* ClassName() const override { return "TSpeedButton"; }

  // The glyph strip, owned by the button; SetGlyph copies another's picture (null clears).
  TGlyph* Glyph() const { return glyph_; }
  void SetGlyph(const TGlyph* glyph) { glyph_->Assign(glyph); }
  int NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(int count) { glyph_->SetNumGlyphs(count); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  // Only a button of a group stays down; without AllowAllUp the group's down button goes up
  // only when another goes down.
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }

  // What a click does: OnClick.
  void Click();
  TNotifyEvent OnClick;

protected:
  void Paint(HDC dc) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void PressCancelled() override;

private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  bool Sunken() const { return pressed_ || down_; }
  TGlyphState GlyphState() const;
  void ReleaseGroup();

  TGlyph* glyph_;                                    // owned through the component tree
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;                                  // -1: glyph and caption centred
  int spacing_ = 4;                                  // -1: automatic
  bool flat_ = false;                                // no edge unless the mouse is over it
  bool down_ = false;                                // stays down (a group's)
  int groupIndex_ = 0;                               // 0: no group
  bool allowAllUp_ = false;                          // the group may have no button down
  bool tracking_ = false;                            // the left button went down on us
  bool pressed_ = false;                             // tracking_ with the mouse over us
  bool hot_ = false;                                 // the mouse is over us
};
