#pragma once
// Where the pictures of skin elements come from: entries of the skin package, and the bitmap
// resources of the skin engine itself.

#include "framework/graphics/bitmap.h"
#include "skin/format/skin_reader.h"

#include <string>

// True when the file-name part of the name (after the last "\" or ":") is not empty and ends
// in ".bmp", exactly in lower case: skins name their pictures so, and anything else is not one.
bool IsSkinBitmapName(const std::string& fileName);

// Fills the bitmap from the package entry the name names, or empties it when the name is not a
// picture name or the package has no such entry. EInvalidGraphic, with the entry's name before
// the reason, for an entry that is not a BMP file.
void LoadSkinBitmap(const TSkinReader& reader, TBitmap& bitmap, const std::string& fileName);

// Decodes every picture of the package, used or not, and keeps none: EInvalidGraphic, naming
// the first damaged one, is how a package is refused before it replaces a skin in use.
void DecodeEveryPicture(const TSkinReader& reader);

// The skin engine's own bitmap resource of that name ("TRACK", "TRACKVERT", "DURAZUREVIVU"),
// from the module the engine is linked into. EResNotFound when it is missing.
void LoadEngineBitmap(TBitmap& bitmap, const char* name);
