#pragma once
// Tabs and their pane, group boxes, status-bar panels, header items and toolbar buttons.

#include "art_kit.h"

namespace skinart {

// Five frames: normal, selected, hot, disabled, selected and focused.
Bitmap24 draw_tabs();
// One frame drawn opaque under the pages: the pane's border on the face colour.
Bitmap24 draw_tab_pane();
// One frame: the plate behind a group box's caption.
Bitmap24 draw_group_box_label();
// Two frames (normal, disabled): the rounded edge, open in the middle.
Bitmap24 draw_group_box_edge();
// Three frames: lowered, raised, no bevel.
Bitmap24 draw_status_bar_edges();
// Five frames: normal, hot, pressed, disabled, sorted.
Bitmap24 draw_header_items();
// Five frames: normal, pressed, disabled, hot, checked.
Bitmap24 draw_toolbar_buttons();

}  // namespace skinart
