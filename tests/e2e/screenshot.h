#pragma once
// A picture of what the screen shows, for a person to look at after a run.
#include <windows.h>

#include <string>

namespace e2e {

// Writes the screen area of WINDOW as a 24-bit bitmap file at PATH. Best effort: a failure
// leaves no file and is not reported, since no test depends on the picture.
void SaveScreenshot(HWND window, const std::string& path);

}  // namespace e2e
