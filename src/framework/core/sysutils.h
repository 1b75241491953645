#pragma once
#include <string>

// The one integer rule of the program's texts: optional leading spaces, an optional '+' or '-',
// then decimal digits, or hexadecimal digits after a prefix; nothing may follow. Decimal must fit
// a 32-bit signed integer; hexadecimal may use all 32 bits and is taken as their two's-complement
// value ("$FFFFFFFF" is -1), a minus sign then negates it modulo 2^32. Settings and texts take
// "$", "x", "X", "0x" or "0X" as the prefix; skin descriptions only "$".
enum class THexPrefixes { Dollar, DollarOrX };
bool TryParseInteger(const std::string& s, THexPrefixes prefixes, int& out);  // out untouched on failure

// The conversion of settings and texts (hexadecimal after any prefix).
int StrToInt(const std::string& s);              // EConvertError "'%s' is not a valid integer value"
bool TryStrToInt(const std::string& s, int& out);  // out untouched on failure
int StrToIntDef(const std::string& s, int fallback);
std::string IntToStr(int value);

// Lower-cases the ASCII letters A-Z and nothing else.
std::string AsciiLowerCase(std::string s);
// Upper-cases the ASCII letters a-z and nothing else.
std::string AsciiUpperCase(std::string s);
// Removes every character <= ' ' (control characters and space) from both ends.
std::string Trim(const std::string& s);

// Case-insensitive comparison in the ANSI code page 936 the program speaks: ASCII letters are
// compared without case, except the second byte of a double-byte character (lead byte
// 0x81..0xFE), which is compared exactly because it is not a letter there. Returns <0, 0, >0.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
