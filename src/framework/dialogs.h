#pragma once
#include <string>

// Information for the user: OK only, no icon, titled with the application title.
void ShowMessage(const std::string& text);
