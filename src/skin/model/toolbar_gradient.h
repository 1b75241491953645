#pragma once
// The toolbar background made at load time, and the frame colour it is tinted with.

#include "skin/format/skin_colours.h"
#include "skin/model/skin_element_table.h"

// The colour of the top frame border, sampled a third of the way into its first frame; the
// button face when the border has no picture.
TColour BorderColour(const TSkinElementTable& elements, const TSkinColours& colours);

// Toolbar: a 10 x 40 vertical gradient from a light button face down to a tint of the frame.
void BuildToolbar(TSkinElementTable& elements, const TSkinColours& colours);
