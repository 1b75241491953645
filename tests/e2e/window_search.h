#pragma once
// Finding the windows of another process by class and text. Class names compare without
// regard to letter case, texts exactly (both in the ANSI code page).
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string ClassNameOf(HWND window);

// The window's text as the system keeps it; no message reaches the window, so this works on a
// window whose thread is busy.
std::string TextOf(HWND window);

// The window's own style bits; WS_VISIBLE here says nothing about its ancestors.
DWORD StyleOf(HWND window);

// Top-level windows of process PID whose class is CLASS_NAME (any class for "").
std::vector<HWND> TopLevelWindows(DWORD pid, const std::string& className);

// The shown top-level windows of process PID, any class.
std::vector<HWND> ShownTopLevelWindows(DWORD pid);

// The window with the keyboard focus in the thread of WINDOW; null when none has it.
HWND FocusedWindow(HWND window);

// The first visible top-level window of PID with that class and CAPTION; nullptr if none.
HWND FindShownTopLevel(DWORD pid, const std::string& className, const std::string& caption);

// Every descendant of PARENT (children of children included) of that class.
std::vector<HWND> Descendants(HWND parent, const std::string& className);

// The descendant of that class whose text is TEXT; nullptr if none.
HWND FindDescendant(HWND parent, const std::string& className, const std::string& text);

// The shown scroll-bar overlay of the skin lying along WINDOW's right edge over its whole height
// (inside its border), among MAIN's descendants; null if none. The native bar's own rectangle
// cannot be asked for from outside.
HWND VerticalOverlay(HWND main, HWND window);

}  // namespace e2e
