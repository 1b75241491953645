#pragma once
// What the "Buttons" page needs beyond the layout: glyph strips drawn in code, a drop-down menu
// button class, the skin's class-list lines that give the framework's glyph, speed and radio
// controls their skinners, and the settings a layout cannot make (text on the left of a box).

#include <string>
#include <vector>

class TForm;

// Registers the drop-down button class ("TMenuButton") for layouts; once per process.
void RegisterSampleButtonClasses();

// Class-list lines for the sample controls, to put before a skin data component's own.
const std::vector<std::string>& SampleSkin3rdLines();

// Gives the glyph buttons of FORM's "Buttons" page their pictures and the left-text check box
// its style; the drop-down button opens FORM's popup menu.
void PrepareSampleButtons(TForm& form);
