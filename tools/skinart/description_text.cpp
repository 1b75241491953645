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

DescriptionSection element_section(const std::string& name, const std::string& file, DescriptionKeys slicing,
                                   int trans, const DescriptionKeys& extra) {
    return {name, joined(joined({{"Image", file}, {"Trans", std::to_string(trans)}}, slicing), extra)};
}

DescriptionKeys border_keys(const std::string& side, const std::string& file, int start, int end, int stretch,
                            int trans) {
    return {{side, file},
            {side + "Frame", "2"},
            {side + "TopHeight", std::to_string(start)},
            {side + "BotHeight", std::to_string(end)},
            {side + "Stretch", std::to_string(stretch)},
            {side + "Trans", std::to_string(trans)}};
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
