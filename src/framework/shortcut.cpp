#include "framework/shortcut.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TShiftState ModifierOf(const std::string& name) {
  if (name == "ctrl" || name == "control")
    return ssCtrl;
  if (name == "shift")
    return ssShift;
  if (name == "alt")
    return ssAlt;
  return 0;
}

WORD KeyOf(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
  if (name.size() >= 2 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    char* end = nullptr;
    const long n = std::strtol(name.c_str() + 1, &end, 10);
    return *end == '\0' && n >= 1 && n <= 24 ? static_cast<WORD>(VK_F1 + n - 1) : 0;
  }
  static const std::pair<const char*, WORD> kNamed[] = {
      {"enter", VK_RETURN}, {"return", VK_RETURN}, {"esc", VK_ESCAPE},   {"escape", VK_ESCAPE},
      {"tab", VK_TAB},      {"space", VK_SPACE},   {"bksp", VK_BACK},    {"backspace", VK_BACK},
      {"ins", VK_INSERT},   {"insert", VK_INSERT}, {"del", VK_DELETE},   {"delete", VK_DELETE},
      {"home", VK_HOME},    {"end", VK_END},       {"pgup", VK_PRIOR},   {"pageup", VK_PRIOR},
      {"pgdn", VK_NEXT},    {"pagedown", VK_NEXT}, {"left", VK_LEFT},    {"right", VK_RIGHT},
      {"up", VK_UP},        {"down", VK_DOWN},
  };
  for (const auto& [keyName, key] : kNamed)
    if (name == keyName)
      return key;
  return 0;
}

}  // namespace

TShortCut TextToShortCut(const std::string& text) {
  TShortCut shortCut;
  const std::string lower = Lower(text);
  size_t start = 0;
  for (;;) {
    const size_t plus = lower.find('+', start);
    const std::string part = lower.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    if (plus == std::string::npos) {
      shortCut.Key = KeyOf(part);
      return shortCut.Key ? shortCut : TShortCut{};
    }
    const TShiftState modifier = ModifierOf(part);
    if (!modifier)
      return {};
    shortCut.Shift |= modifier;
    start = plus + 1;
  }
}

char MenuAccelerator(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] != '&')
      return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}
