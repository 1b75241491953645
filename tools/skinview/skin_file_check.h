#pragma once
#include <string>

// What the viewer learns of a skin package before the skin data is asked to load it: a skin
// data component that fails to load a file has dropped its previous skin already.
struct TSkinPackageCheck {
  bool Usable = false;  // the package decompresses, parses and holds a description
  std::string Name;     // the description's [TitlebarSkin] SkinName; empty when it has none
  std::string Why;      // what is wrong, when not usable
};

// Checks the package held in BYTES (a file's whole contents, or a stored skin stream).
TSkinPackageCheck CheckSkinPackage(const std::string& bytes);
// Checks the package file FILENAME; a file that cannot be read is not usable.
TSkinPackageCheck CheckSkinPackageFile(const std::string& fileName);
