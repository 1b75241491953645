#pragma once
// Ember's controls: push buttons, check and radio marks, scroll bars, edits and combo boxes,
// tabs, panels, progress and track bars. Frame orders are the engine's, as for the default skin.

#include "art_kit.h"
#include "bitmap24.h"

namespace skinart::ember {

Bitmap24 draw_push_buttons();
// Four frames each, in the plain order: unchecked, checked, unchecked disabled, checked disabled.
Bitmap24 draw_check_marks();
Bitmap24 draw_radio_marks();
Bitmap24 draw_progress();
Bitmap24 draw_progress_chunk();
Bitmap24 draw_tabs();
Bitmap24 draw_tab_pane();
Bitmap24 draw_group_box_label();
Bitmap24 draw_group_box_edge();
Bitmap24 draw_status_bar_edges();
Bitmap24 draw_header_items();
Bitmap24 draw_toolbar_buttons();
Bitmap24 draw_sunken_edge();
Bitmap24 draw_combo_button();
Bitmap24 draw_extra_images();
Bitmap24 draw_up_down_buttons();
Bitmap24 draw_up_down_glyphs(bool horizontal);
// Square arrows and dot grips, a track with a groove, a slim thumb.
Bitmap24 draw_scroll_parts();
Bitmap24 draw_scroll_track();
Bitmap24 draw_scroll_thumb();
Bitmap24 draw_track(bool vertical_bar);
Bitmap24 draw_track_thumb(int width, int height, Direction points, bool pointed);

}  // namespace skinart::ember
