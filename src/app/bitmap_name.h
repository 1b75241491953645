#pragma once
#include <string>

// True when a file name is taken as a bitmap by the folder scan: its last three characters,
// ASCII-lower-cased, are "bmp". No dot is required before them, so "x.abmp" and "nobmp" count.
bool IsBitmapName(const std::string& name);
