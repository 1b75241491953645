#pragma once
// The elements of one loaded skin. The created-once elements exist from the start and are
// refilled by every load; every other slot is released and re-created by each load and stays
// empty when the skin does not provide that element.

#include "skin/model/skin_elements.h"

#include <memory>
#include <vector>

struct TSkinElementTable {
  TDataSkinButton Buttons{"Buttons"};      // push buttons, check boxes, radio buttons
  TDataSkinTitle Title{"Title"};           // the caption
  TDataSkinBorder LeftBorder{"Left"};      // the four frame borders
  TDataSkinBorder RightBorder{"Right"};
  TDataSkinBorder TopBorder{"Top"};
  TDataSkinBorder BottomBorder{"Bottom"};
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;  // caption buttons, then 3 MDI

  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;  // Image2: the mirrored button
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;   // Image2: the arrow glyphs
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;        // the track bar's channel
  std::unique_ptr<TDataSkinObject> TrackVert;

  // Generated at load time; created at the first load and kept from then on.
  std::unique_ptr<TDataSkinObject> Toolbar;      // the toolbar gradient
  std::unique_ptr<TDataSkinObject> ComboxArrow;  // the combo box's drop-down arrows
};
