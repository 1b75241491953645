#pragma once
#include <windows.h>

#include <string>

// Opens ADDRESS in the user's default browser, owned by OWNER. The outcome is not checked: a
// machine without a browser simply shows nothing.
void OpenWebPage(HWND owner, const std::string& address);
