#pragma once
#include <windows.h>

#include <string_view>

// The bytes of the module's resource NAME of TYPE (either may be an integer resource), valid
// for the module's life. EResNotFound "Resource %s not found" when there is none.
std::string_view ResourceBytes(HINSTANCE instance, const char* name, const char* type);
