// The menu item painters on memory DCs with the stored skin.

#include <gtest/gtest.h>

#include "skin/window/menu_item_painter.h"
#include "stored_skin.h"
