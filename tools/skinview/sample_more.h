#pragma once
// The "More" page: tabs on every side, a page control with close boxes, an old-style tab set,
// progress and track bars, a header, a size grip, check boxes and radio buttons with glyph
// strips, a media-player bar and a page control that draws its tabs over pictures.

#include "framework/form_layout.h"
#include "skin/data/skin_data.h"

#include <string>
#include <vector>

class TForm;

// Registers the glyph-strip check box and radio button classes for layouts; once per process.
void RegisterSampleMoreClasses();

// The page and its controls, for the sample controls' page control "Pages".
std::vector<TLayoutComponent> MorePageLayout();

// Class-list lines for the page's controls, to put before a skin data component's own.
const std::vector<std::string>& SampleMoreSkin3rdLines();

// The viewer's own choice of skinner, asked before the skin's rules: a header control, which
// no rule skins by itself, gets the header skinner.
TSkinData::TSkinControlEvent SampleMoreSkinnerChoice();

// What a layout cannot make: the size grip in the window's corner, made when the page is first
// shown (made then, it is skinned like any grip a program adds to a skinned window).
void PrepareSampleMore(TForm& form);
