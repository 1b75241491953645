#pragma once
// Text drawing shared by the skinners: wide-character calls on the NT family, ANSI (code page
// of the system) on the 9x family.

#include <windows.h>

#include <string>

// True on the NT family, where window texts are read and drawn with the wide calls.
bool UseWideText();

// DrawTextW with the text's length on the NT family, else the text in the ANSI code page with
// DrawTextA; returns what the system call returns. rect is updated as DT_CALCRECT asks.
int DrawSkinText(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// The text converted from the system's ANSI code page.
std::wstring AnsiToWide(const std::string& text);
