#pragma once
#include "framework/published.h"

#include <vector>

// The framework's classes with their published properties, as a layout and a skinner see them.
std::vector<TPublishedClass> StandardClasses();
