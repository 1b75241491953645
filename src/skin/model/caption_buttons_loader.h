#pragma once
// The caption buttons of a skin: one per "Button..." section that is shown, then the three
// buttons of a maximised MDI child (restore, minimise, close), cut from one strip.

#include "skin/format/quick_ini.h"
#include "skin/model/skin_elements.h"
#include "skin/format/skin_reader.h"

#include <memory>
#include <string>
#include <vector>

using TSysButtons = std::vector<std::unique_ptr<TDataSkinSysButton>>;

// The sections that describe caption buttons, in file order.
std::vector<std::string> CaptionButtonSections(const TQuickIni& ini, const std::vector<std::string>& sections);

// Frames of a caption-button strip whose description gives none: 3 for a strip at most 3.8
// times as wide as high, else 6; always 6 for a button without an action of its own.
int32_t CaptionButtonFrameCount(const TBitmap& image, int32_t action);

// Replaces every button with those of the description, the MDI buttons last.
void LoadSysButtons(const TQuickIni& ini, const TSkinReader& reader,
                    const std::vector<std::string>& sections, TSysButtons& buttons);

// Cuts the three MDI buttons (the last three of buttons) from the "MDICONTROLS" strip.
void LoadMdiButtons(const TQuickIni& ini, const TSkinReader& reader, TSysButtons& buttons);
