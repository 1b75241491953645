#pragma once
#include <cstdarg>
#include <string>

// Lets the compiler check the arguments of a printf-style function. MinGW's C++ runtime uses
// its own C99 printf, so the GNU flavour is the one to check against there.
#if defined(__MINGW32__)
#define TL_PRINTF_LIKE(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
#else
#define TL_PRINTF_LIKE(fmt, first) __attribute__((format(printf, fmt, first)))
#endif

// printf-style formatting into a string. Pass strings as .c_str(): the format attribute makes
// the compiler reject a std::string handed to "%s".
std::string Format(const char* fmt, ...) TL_PRINTF_LIKE(1, 2);
std::string FormatV(const char* fmt, va_list args);
