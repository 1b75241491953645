#pragma once
// The combo-box pictures made at load time from the sunken edit edge and the drop-down button:
// the composite strips of a whole combo box, and the strip of drop-down arrows.

#include "skin/format/skin_colours.h"
#include "skin/model/skin_element_table.h"

// Width and height of one composite frame: an edit box with its button at the right.
inline constexpr int kComboFrameWidth = 50;
inline constexpr int kComboFrameHeight = 21;
// Size of one frame of the arrow strip.
inline constexpr int kComboArrowSize = 17;

// With both SunkEdge and ComboButton: ComboButton becomes the composite strip (Style 2) and
// SunkEdge its mirror image, for right-to-left boxes.
void BuildComboStrips(TSkinElementTable& elements);

// ComboxArrow: the button strip with the colour key replaced by the button face, or, after
// BuildComboStrips, the arrows cut from the composite strip.
void BuildComboArrow(TSkinElementTable& elements, const TSkinColours& colours);
