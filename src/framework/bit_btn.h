#pragma once
#include "framework/button.h"
#include "framework/button_layout.h"
#include "framework/glyph.h"

class TImageList;

// A push button that draws its own face in the system's look, with a glyph (or an image of an
// image list) beside its caption. Disabled, it shows the strip's disabled image when there is
// one, or the list's DisabledIndex image.
class TBitBtn : public TButton {
public:
  explicit TBitBtn(TComponent* owner);
  const char* ClassName() const override { return "TBitBtn"; }

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
  // An image list whose ImageIndex image is shown instead of the glyph; not owned, and
  // forgotten when it is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int DisabledIndex() const { return disabledIndex_; }
  void SetDisabledIndex(int index);

  // The whole face into DC: what the button shows in STATE (ODS_* flags).
  void PaintFace(HDC dc, const RECT& rect, UINT state);

protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  bool DrawItemReflect(const DRAWITEMSTRUCT& item) override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void Repaint();

  TGlyph* glyph_;                                    // owned through the component tree
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;                                  // -1: glyph and caption centred
  int spacing_ = 4;                                  // -1: automatic
  TImageList* images_ = nullptr;                     // not owned
  int imageIndex_ = -1;                              // -1: the glyph
  int disabledIndex_ = -1;                           // -1: the list's image drawn blended
};
