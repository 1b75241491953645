#pragma once
// Every picture of the second skin, "Ember", and its description file.

#include <string>
#include <vector>

#include "catalog.h"

namespace skinart::ember {

inline constexpr const char* kDescriptionFile = "ember.ini";

const std::vector<SkinPicture>& skin_pictures();
// The whole description, CR LF after every line.
std::string skin_description();

}  // namespace skinart::ember
