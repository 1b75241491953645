#pragma once
// The text of a skin description: sections of keys in the order written, each with an optional
// comment for whoever edits the file. Shared by the skins the generator draws.

#include <string>
#include <utility>
#include <vector>

namespace skinart {

using DescriptionKeys = std::vector<std::pair<std::string, std::string>>;

struct DescriptionSection {
    std::string name;
    DescriptionKeys keys;
    std::string note = {};  // a comment line above the section
};

// Nine-slice margins of an element, in the order the keys are usually written.
DescriptionKeys margin_keys(int left, int top, int right, int bottom);
DescriptionKeys joined(DescriptionKeys a, const DescriptionKeys& b);

// The whole file: the heading comment, then every section; CR LF after every line.
std::string description_text(const std::string& heading, const std::vector<DescriptionSection>& sections);

}  // namespace skinart
