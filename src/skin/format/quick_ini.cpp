#include "skin/format/quick_ini.h"

#include "framework/core/sysutils.h"

#include <stdexcept>

namespace {

bool IsHeader(const std::string& line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

// Key of a key line: the text before its first "=", trimmed and lower-cased.
std::string KeyOf(const std::string& line) {
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : AsciiLower(TrimBlanks(std::string_view(line).substr(0, eq)));
}

}  // namespace

std::string TrimBlanks(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
  return std::string(s.substr(begin, end - begin));
}

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
  const std::string header = "[" + section + "]";
  for (const TSection& s : sections_)
    if (EqualsIgnoringAsciiCase(s.Header, header))
      return s.Line;
  return -1;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  const std::string wanted = AsciiLower(key);
  const int32_t header = SectionIndex(section);
  if (lines_.empty() || header < 0 || wanted.empty())
    return defaultValue;
  for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
    if (KeyOf(lines_[i]) != wanted)
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
