#pragma once
#include "framework/core/string_list.h"

#include <string>

// Text files of a string list: raw bytes in the ANSI code page, no byte-order mark.
// Loading replaces the list with the file's lines (TStringList::SetText); saving writes
// Text(), CR LF after every line, 0 bytes for an empty list. Errors are TFileStream's, so a
// file that cannot be created names its path and the system's reason.
void LoadStringListFromFile(TStringList& list, const std::string& path);
void SaveStringListToFile(const TStringList& list, const std::string& path);
