#include "catalog.h"

#include "button_art.h"
#include "caption_button_art.h"
#include "container_art.h"
#include "edit_art.h"
#include "frame_art.h"
#include "menu_art.h"
#include "range_art.h"
#include "scroll_art.h"

namespace skinart {

const std::vector<SkinPicture>& skin_pictures() {
    static const std::vector<SkinPicture> pictures = {
        {"left.bmp", draw_left_border},
        {"right.bmp", draw_right_border},
        {"top.bmp", draw_top_border},
        {"bottom.bmp", draw_bottom_border},
        {"textback.bmp", draw_title_back},
        {"menubar.bmp", draw_menubar},
        {"closebutton.bmp", draw_close_button},
        {"maxbutton.bmp", draw_maximise_button},
        {"restorebutton.bmp", draw_restore_button},
        {"minbutton.bmp", draw_minimise_button},
        {"mdicontrols.bmp", draw_mdi_controls},
        {"buttons.bmp", draw_push_buttons},
        {"checkbox.bmp", draw_check_marks},
        {"radiobutton.bmp", draw_radio_marks},
        {"progress.bmp", draw_progress},
        {"progresschunk.bmp", draw_progress_chunk},
        {"tabs.bmp", draw_tabs},
        {"tabpane.bmp", draw_tab_pane},
        {"groupbox.bmp", draw_group_box_label},
        {"groupboxedge.bmp", draw_group_box_edge},
        {"statusbaredges.bmp", draw_status_bar_edges},
        {"headerbar.bmp", draw_header_items},
        {"toolbars.bmp", draw_toolbar_buttons},
        {"sunkedge.bmp", draw_sunken_edge},
        {"combobutton.bmp", draw_combo_button},
        {"extraimages.bmp", draw_extra_images},
        {"scrollbar.bmp", draw_scroll_parts},
        {"scrolltrack.bmp", draw_scroll_track},
        {"scrollthumb.bmp", draw_scroll_thumb},
        {"menuitem.bmp", draw_menu_item},
        {"menubackground.bmp", draw_menu_background},
        {"track.bmp", [] { return draw_track(false); }},
        {"trackvert.bmp", [] { return draw_track(true); }},
        {"thumbhorz.bmp", [] { return draw_track_thumb(ThumbShape::Box); }},
        {"thumbvert.bmp", [] { return draw_track_thumb(ThumbShape::BoxVertical); }},
        {"thumbleft.bmp", [] { return draw_track_thumb(ThumbShape::PointLeft); }},
        {"thumbright.bmp", [] { return draw_track_thumb(ThumbShape::PointRight); }},
        {"thumbup.bmp", [] { return draw_track_thumb(ThumbShape::PointUp); }},
        {"thumbdown.bmp", [] { return draw_track_thumb(ThumbShape::PointDown); }},
        {"updown.bmp", draw_up_down_buttons},
        {"updownvertglyph.bmp", [] { return draw_up_down_glyphs(false); }},
        {"updownhorzglyph.bmp", [] { return draw_up_down_glyphs(true); }},
    };
    return pictures;
}

}  // namespace skinart
