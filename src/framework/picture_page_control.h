#pragma once
#include "framework/glyph.h"
#include "framework/page_control.h"

// A page control that draws its tabs itself over two pictures it is given, one for the tabs and
// one for the active tab, each stretched to the tab; without a picture, a tab is plain face
// colour. The tabs' text is the pages' captions, centred.
class TPicturePageControl : public TPageControl {
public:
  explicit TPicturePageControl(TComponent* owner);
  const char* ClassName() const override { return "TPicturePageControl"; }

  TGlyph* TabBackGround() const { return tabBackGround_; }
  TGlyph* TabBackGroundActive() const { return tabBackGroundActive_; }

protected:
  TCreateParams CreateParams() override;
  bool DrawItemReflect(const DRAWITEMSTRUCT& item) override;

private:
  void Changed();

  TGlyph* tabBackGround_;        // owned
  TGlyph* tabBackGroundActive_;  // owned
};
