#include "skin/controls/skinner_kinds.h"

#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_glyph_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_mark_button.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_tab_set.h"
#include "skin/controls/skin_tabs.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_up_down.h"

TSkinControl* CreateControlSkinner(TSkinnerKind kind, TComponent* owner, const TSkinnerSettings& settings) {
  TSkinControl* skinner = nullptr;
  switch (kind) {
    case TSkinnerKind::skButton:
      skinner = new TSkinButton(owner);
      break;
    case TSkinnerKind::skBitButton: {
      auto* button = new TSkinBitButton(owner);
      button->SetGlyphPropertyName(settings.GlyphPropertyName);
      skinner = button;
      break;
    }
    case TSkinnerKind::skMenuButton:
      skinner = new TSkinMenuButton(owner);
      break;
    case TSkinnerKind::skSpeedButton: {
      auto* button = new TSkinSpeedButton(owner);
      button->SetGlyphPropertyName(settings.GlyphPropertyName);
      skinner = button;
      break;
    }
    case TSkinnerKind::skCheckBox:
      skinner = new TSkinCheckBox(owner);
      break;
    case TSkinnerKind::skRadioButton:
      skinner = new TSkinRadioButton(owner);
      break;
    case TSkinnerKind::skGroupBox:
      skinner = new TSkinGroupBox(owner);
      break;
    case TSkinnerKind::skBox:
      skinner = new TSkinBox(owner);
      break;
    case TSkinnerKind::skBoxH:
      skinner = new TSkinBoxH(owner);
      break;
    case TSkinnerKind::skTab:
      skinner = new TSkinTab(owner);
      break;
    case TSkinnerKind::skTabBtn:
      skinner = new TSkinTabBtn(owner);
      break;
    case TSkinnerKind::skTabSheet:
      skinner = new TSkinTabSheet(owner);
      break;
    case TSkinnerKind::skStatusBar:
      skinner = new TSkinStatusBar(owner);
      break;
    case TSkinnerKind::skSizer:
      skinner = new TSkinSizer(owner);
      break;
    case TSkinnerKind::skProgress:
      skinner = new TSkinProgress(owner);
      break;
    case TSkinnerKind::skTrackBar:
      skinner = new TSkinTrackBar(owner);
      break;
    case TSkinnerKind::skHeader:
      skinner = new TSkinHeader(owner);
      break;
    case TSkinnerKind::skScrollbar:
      skinner = new TSkinScrollbar(owner);
      break;
    case TSkinnerKind::skListView:
      skinner = new TSkinListView(owner);
      break;
    case TSkinnerKind::skScrollbarH:
      skinner = new TSkinScrollbarH(owner);
      break;
    case TSkinnerKind::skScControl:
      skinner = new TSkinScControl(owner);
      break;
    case TSkinnerKind::skEdit:
      skinner = new TSkinEdit(owner);
      break;
    case TSkinnerKind::skComBox: {
      auto* combo = new TSkinComBox(owner);
      combo->SetComboBoxEx(settings.IsComboBoxEx);
      skinner = combo;
      break;
    }
    case TSkinnerKind::skUpDown:
      skinner = new TSkinUpDown(owner);
      break;
    case TSkinnerKind::skDateTime:
      skinner = new TSkinDateTime(owner);
      break;
    case TSkinnerKind::skObjImage: {
      auto* strip = new TSkinObjImage(owner);
      strip->SetGlyphMode(settings.GlyphMode);
      skinner = strip;
      break;
    }
    case TSkinnerKind::skTab31:
      skinner = new TSkinTab31(owner);
      break;
    case TSkinnerKind::skAdvPage: {
      auto* pages = new TSkinAdvPage(owner);
      pages->SetAdvMode(settings.AdvMode);
      skinner = pages;
      break;
    }
    case TSkinnerKind::skMediaPlayer:
      skinner = new TSkinMP(owner);
      break;
    default:
      break;
  }
  if (skinner && settings.KindVariant)
    skinner->SetKindVariant(settings.KindVariant);
  return skinner;
}
