#pragma once
// The skin's description file: which picture each element uses and how it is sliced, the
// caption buttons' places, and the colour table.

#include <string>

namespace skinart {

inline constexpr const char* kDescriptionFile = "slate.ini";

// The whole file, CR LF after every line.
std::string skin_description();

}  // namespace skinart
