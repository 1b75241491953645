#pragma once
// Check boxes and radio buttons that paint their own mark from a glyph strip they are given: the
// skinner builds that strip from the skin's check or radio pictures and hands it over; it takes
// none of the control's messages.

#include "skin/controls/skin_control.h"

// Which strip a control takes, chosen by discovery.
enum TGlyphMode {
  gmCheckStrip = 1,     // nine images in "CustomGlyphs"
  gmRadioStrip = 2,     // six images in "CustomGlyphs"
  gmPropertiesGlyph = 3,  // six images in the "Glyph" of the control's "Properties"
};

// The strip of GLYPHMODE built from the skin's check picture (FRAMES frames) or radio picture;
// empty when the picture is empty or its frames cannot fill the strip.
TBitmap BuildGlyphStrip(int glyphMode, const TBitmap& picture, int frames);

class TSkinObjImage : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  const char* ClassName() const override { return "TSkinObjImage"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void Detach() override;
  void SkinChanged() override;

  int GlyphMode() const { return glyphMode_; }
  void SetGlyphMode(int mode) { glyphMode_ = mode; }

private:
  // Gives the control the strip of the present skin.
  void AssignStrip();

  int glyphMode_ = 0;  // a TGlyphMode
};
