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

// A plain element: its picture, whether magenta is see-through, its slicing and more keys.
DescriptionSection element_section(const std::string& name, const std::string& file, DescriptionKeys slicing,
                                   int trans, const DescriptionKeys& extra = {});
// The six keys of one window border in [Personality]: picture, two frames, its unscaled ends
// (along its length), stretched (1) or tiled (0), and whether magenta is cut out.
DescriptionKeys border_keys(const std::string& side, const std::string& file, int start, int end, int stretch,
                            int trans);

// The whole file: the heading comment, then every section; CR LF after every line.
std::string description_text(const std::string& heading, const std::vector<DescriptionSection>& sections);

}  // namespace skinart
