#include "description_text.h"

namespace skinart {

DescriptionKeys margin_keys(int left, int top, int right, int bottom) {
    return {{"LeftWidth", std::to_string(left)},
            {"TopHeight", std::to_string(top)},
            {"RightWidth", std::to_string(right)},
            {"BottomHeight", std::to_string(bottom)}};
}

DescriptionKeys joined(DescriptionKeys a, const DescriptionKeys& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string description_text(const std::string& heading, const std::vector<DescriptionSection>& sections) {
    std::string text = "; " + heading + "\r\n";
    for (const DescriptionSection& section : sections) {
        text += "\r\n";
        if (!section.note.empty()) text += "; " + section.note + "\r\n";
        text += "[" + section.name + "]\r\n";
        for (const auto& [key, value] : section.keys) text += key + " = " + value + "\r\n";
    }
    return text;
}

}  // namespace skinart
