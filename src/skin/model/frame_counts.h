#pragma once
// The frame counts the drawing code expects of each element, whatever the description said,
// except for the few elements whose description decides.

#include "skin/format/quick_ini.h"
#include "skin/model/skin_element_table.h"

// Check-box and radio-button strips without a frame count: the strip's width in glyphs of 13
// (a strip lower than 16) or 16 pixels, at least 4.
int32_t GlyphStripFrameCount(const TBitmap& strip);

void SetFrameCounts(const TQuickIni& ini, TSkinElementTable& elements);
