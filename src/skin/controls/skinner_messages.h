#pragma once
// Private messages a skinned window or control answers.
#include <windows.h>

// To a skinned control: switch its skinning off (wParam 0) or on again (wParam > 0).
inline constexpr UINT SKM_SETACTIVE = 0x3506;
// A skinned window or control answers 1, so nothing is skinned twice.
inline constexpr UINT SKM_ISSKINNED = 0x3523;
// Posted to the skinned window by a scroll-bar skinner: free the skinner of the control whose
// window is in wParam and attach a fresh one of its class.
inline constexpr UINT SKM_RESKINSCROLL = 0x3517;
// The mark that the skin engine's paint requests carry in lParam and their answers return.
inline constexpr LPARAM kSkinAppliedMark = 0x41A2;
// With lParam kSkinAppliedMark: paint the frame (a form's, or a list's or memo's border) into
// the DC in wParam; answers kSkinAppliedMark.
inline constexpr UINT SKM_PAINTFRAMETO = 0xBC4B;
// With lParam kSkinAppliedMark, to a skinned edit: paint the edit itself into the DC in wParam;
// answers kSkinAppliedMark.
inline constexpr UINT SKM_PAINTCONTROLTO = 0xBC4A;
