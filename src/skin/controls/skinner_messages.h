#pragma once
// Private messages a skinned window or control answers.
#include <windows.h>

// To a skinned control: switch its skinning off (wParam 0) or on again (wParam > 0).
inline constexpr UINT SKM_SETACTIVE = 0x3506;
// A skinned window or control answers 1, so nothing is skinned twice.
inline constexpr UINT SKM_ISSKINNED = 0x3523;
