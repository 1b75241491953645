#include "skin/format/quick_ini.h"

#include "framework/core/sysutils.h"

#include <stdexcept>

namespace {

bool IsHeader(const std::string& line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

char AsciiLowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compared in place: a skin load makes hundreds of look-ups, each comparing many lines, and a
// copy per comparison cost more than the rest of the look-up.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLowerChar(a[i]) != AsciiLowerChar(b[i]))
      return false;
  return true;
}

std::string_view TrimmedView(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
  return s.substr(begin, end - begin);
}

// Key of a key line: the text before its first "=", trimmed; empty for a line without "=".
std::string_view KeyOf(std::string_view line) {
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : TrimmedView(line.substr(0, eq));
}

}  // namespace

std::string TrimBlanks(std::string_view s) { return std::string(TrimmedView(s)); }

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

void TQuickIni::LoadFromStream(std::string_view text) {
  lines_.clear();
  sections_.clear();
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::string line = TrimBlanks(text.substr(pos, end - pos));
    if (!line.empty() && line.front() != ';') {
      if (IsHeader(line))
        sections_.push_back({line, static_cast<int32_t>(lines_.size())});
      lines_.push_back(std::move(line));
    }
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

int32_t TQuickIni::SectionIndex(const std::string& section) const {
  // Every header is "[" name "]", so it matches when the name between the brackets does.
  for (const TSection& s : sections_)
    if (s.Header.size() == section.size() + 2 &&
        EqualsIgnoringAsciiCase(std::string_view(s.Header).substr(1, section.size()), section))
      return s.Line;
  return -1;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  if (observer_)
    observer_(section, key);
  const int32_t header = SectionIndex(section);
  if (lines_.empty() || header < 0 || key.empty())
    return defaultValue;
  for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
    if (!EqualsIgnoringAsciiCase(KeyOf(lines_[i]), key))
      continue;
    // The first line with the key decides, even when its value is empty.
    std::string value = TrimBlanks(std::string_view(lines_[i]).substr(lines_[i].find('=') + 1));
    return value.empty() ? defaultValue : value;
  }
  return defaultValue;
}

int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key,
                               int32_t defaultValue) const {
  std::string s = ReadString(section, key, "");
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
    s.replace(0, 2, "$");
  int32_t value;
  return TryParseInteger(s, THexPrefixes::Dollar, value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>* list) const {
  if (!list)
    throw std::logic_error("The parameter Strings is unassigned!");
  list->clear();
  for (const TSection& s : sections_)
    list->push_back(TrimBlanks(std::string_view(s.Header).substr(1, s.Header.size() - 2)));
}
