#pragma once
#include "framework/form_layout.h"

// The viewer's window: its menus, its popup menu and the skin data component configured like
// the main program's.
const TFormLayout& SkinViewLayout();
// The sample controls, one page per kind of control: on the viewer itself, or on each document
// window in MDI mode.
const TFormLayout& SampleControlsLayout();
