#pragma once
#include <windows.h>

#include <string>

// The shell's browse-for-folder dialog, owned by OWNER, rooted at the desktop, file-system
// folders only. Returns false when the user cancels.
//
// Tests drive the real program without a person at the dialog: when the environment variable
// TESSALOOM_BROWSE_FOLDER is set, its value is the answer and no dialog opens (empty: cancel).
bool ChooseFolder(HWND owner, const std::string& title, std::string& folder);
