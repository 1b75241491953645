#pragma once
// The elements of a loaded skin: one picture strip of equal frames (numbered from 1) with the
// numbers that say how to stretch it over a rectangle, and the text colours of each state.
// The skin data component owns them; readers check that an element exists and that its Image
// is not empty before drawing it.

#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

#include <cstdint>
#include <string>

// Widths of the parts of a frame copied unscaled at each edge (nine-slice). Some elements keep
// other numbers here (the caption's text shifts, the menu bar's tile widths).
struct TMargins {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

// The caption's text colours when the skin gives none.
inline constexpr TColour kNoCaptionColour = 0x1FFFFFFF;

class TDataSkinObject {
public:
  TDataSkinObject() = default;
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject();

  TMargins Margins;                       // nine-slice edge widths
  TBitmap Image;                          // the frame strip
  int32_t Trans = 0;                      // nonzero: RGB(255, 0, 255) is transparent
  int32_t Tile = 0;                       // 1: the middle part is tiled, 0: stretched
  std::string Name;                       // the section (or border) name
  int32_t FrameCount = 1;                 // equal frames in Image
  int32_t Style = 0;                      // element-specific style number
  TColour NormalColour = kNoColour;       // text colour per state
  TColour MouseOverColour = kNoColour;
  TColour PressedColour = kNoColour;
  TColour NormalColour2 = kNoColour;      // second colour per state
  TColour MouseOverColour2 = kNoColour;
  TColour PressedColour2 = kNoColour;
};

// Borders, tabs, up-down controls, the combo button: elements with a second picture.
class TDataSkinBorder : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;

  TBitmap Image2;  // tab border, up-down glyphs, or the mirrored combo button
};

// The caption.
class TDataSkinTitle : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;

  int32_t TextAlignment = 0;
  int32_t Textbackground = 0;
  int32_t FontHeight = 14;                  // caption font height in pixels
  int32_t TXTBackleft = 0;                  // text background extents
  int32_t TXTBackRight = 0;
  TColour ActiveText = kNoCaptionColour;    // caption text of the active window
  TColour InActiveText = kNoCaptionColour;  // and of an inactive one
};

// Push buttons, check boxes and radio buttons.
class TDataSkinButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;

  TBitmap CheckImage;                // check box strip
  TBitmap RadioImage;                // radio button strip
  int32_t RadioFrameCount = 0;       // frames in RadioImage; 0 until worked out
  int32_t CheckFrameCount = 0;       // frames in CheckImage; 0 until worked out
  bool HasNormalColour2 = false;     // whether the skin gave the second colours
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// A caption button. The meaning of Action, Align and the visibilities belongs to frame painting.
class TDataSkinSysButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;

  int32_t Action = 0;        // what a click does
  int32_t Align = 0;         // which caption edge XCoord counts from
  int32_t XCoord = 0;        // position on the caption
  int32_t YCoord = 0;
  int32_t CombineOp = -1;    // stored, not drawn
  int32_t Visibility = 0;    // when the button shows
  int32_t Visibility1 = 0;
};

// The group-box caption.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;

  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};
