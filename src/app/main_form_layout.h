#pragma once
#include "framework/form_layout.h"

// The main window's stored layout: every control with its place, texts and handlers.
const TFormLayout& MainFormLayout();
