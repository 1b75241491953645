#pragma once
#include <string>

// The folder of the running executable, ending in a backslash.
std::string ExeFolder();
// The running executable's full path.
std::string ExePath();
