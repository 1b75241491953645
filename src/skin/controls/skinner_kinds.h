#pragma once
// The kinds of control skinner control discovery chooses from, and the one place that makes
// them: a kind whose skinner is not built yet makes nothing, so discovery already chooses it and
// attaches nothing.

#include <string>

class TComponent;
class TSkinControl;

enum class TSkinnerKind {
  skButton, skBitButton, skMenuButton, skSpeedButton,
  skCheckBox, skRadioButton, skGroupBox, skBox, skBoxH,
  skScrollbar, skListView, skScControl, skEdit, skComBox, skUpDown, skDateTime,
  skTab, skTabBtn, skTab31, skTabSheet, skAdvPage, skStatusBar, skProgress, skTrackBar,
  skHeader, skSizer, skObjImage, skMediaPlayer,
  skScrollbarH,
};

// What discovery sets on a skinner before it attaches it; each kind takes what concerns it.
struct TSkinnerSettings {
  int KindVariant = 0;
  int GlyphMode = 0;              // glyph-strip check boxes and radio buttons: 1, 2 or 3
  int AdvMode = 0;                // add-on page controls
  bool IsComboBoxEx = false;
  std::string GlyphPropertyName;  // glyph buttons: the picture's property, "" for "Glyph"
};

// A new skinner of KIND owned by OWNER (the control it will skin, or null for a window known by
// its handle), or null while that kind does not exist.
TSkinControl* CreateControlSkinner(TSkinnerKind kind, TComponent* owner, const TSkinnerSettings& settings = {});
