#pragma once
#include <string>

// Folder paths in the ANSI code page, where the second byte of a double-byte character may be
// 0x5C, the code of a backslash ("籠" is BB 5C in code page 936): only a backslash that is a
// character of its own separates.

// True when the last character of PATH is a backslash.
bool EndsInBackslash(const std::string& path);

// The folder text with one trailing backslash (a drive root already has one).
std::string WithTrailingBackslash(const std::string& folder);
