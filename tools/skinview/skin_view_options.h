#pragma once
#include <string>
#include <vector>

// skinview.exe [SKINFILE] [--mdi]
struct TSkinViewOptions {
  std::string SkinFile;  // empty: the stored skin
  bool MDI = false;      // an MDI frame with two document windows
  std::string Error;     // set when the arguments are not understood
};

// Reads the arguments that follow the program name.
TSkinViewOptions ParseSkinViewArguments(const std::vector<std::string>& arguments);

// The name of a skin whose description names none: the file name without folder and
// extension, or "default" for the stored skin.
std::string SkinDisplayName(const std::string& skinFile);
