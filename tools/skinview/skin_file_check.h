#pragma once
#include <string>

// Whether FILENAME holds a skin package that the skin data can load, checked before the skin
// data is asked to: a skin data component that fails to load a file has dropped its previous
// skin already. WHY says what is wrong.
bool CheckSkinPackage(const std::string& fileName, std::string& why);
