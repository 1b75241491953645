#pragma once
// The skin engine's private window messages, shared by the manager, the frame skinner, the menu
// skinners and the control skinners.

#include "skin/controls/skinner_messages.h"

#include <windows.h>

// To a framework form's skinner: apply the changed skin.
inline constexpr UINT SKM_SKINCHANGED = 0x3401;
// The frame skinner paints the frame.
inline constexpr UINT SKM_REDRAWFRAME = 0x3502;
// Posted (wParam 0, lParam 1000) right after a frame skinner is attached; the skinner finishes
// its set-up when it arrives.
inline constexpr UINT SKM_INITSKIN = 0x3503;
// Posted to the window with the action of a caption button the skinner does not handle itself.
inline constexpr UINT SKM_BUTTONCLICK = 0x3514;
// Asks the window whether a caption button shows: wParam its visibility, lParam its action.
inline constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
// Posted to the MDI client: redraw the frame window and its children.
inline constexpr UINT SKM_MDIREFRESH = 0x3516;
// Open the menu-bar item under the point in lParam.
inline constexpr UINT SKM_MENUATPOINT = 0x3518;
// Sent to the skinned window itself (wParam 0, lParam kSkinAppliedMark) after set-up and after
// a skin change.
inline constexpr UINT SKM_SKINAPPLIED = 0xBC4E;
// Through a framework form's message hooks: answers kSkinAppliedMark when lParam is that mark,
// else 1.
inline constexpr UINT SKM_SKINQUERY = 0xBC4D;
