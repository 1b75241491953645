#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Read-only reader of a skin description: keeps the meaningful lines of an INI-style text,
// indexes its section headers and answers section, string and integer look-ups. Look-ups are
// linear scans; a description holds a few hundred lines and is read once per skin load.
class TQuickIni {
public:
  struct TSection {
    std::string Header;  // trimmed header line, brackets included
    int32_t Line;        // index of the header in Lines
  };

  // Replaces everything with the lines of TEXT (the bytes of the description entry).
  void LoadFromStream(std::string_view text);

  // Line index of the first header "[" + SECTION + "]" (ASCII case-insensitive), or -1.
  int32_t SectionIndex(const std::string& section) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  // Replaces LIST with the section names in file order, duplicates included. A null list is a
  // programming error and throws std::logic_error.
  void ReadSections(std::vector<std::string>* list) const;

  // Called with every section and key asked for, before the answer is looked up: for the test
  // that holds the engine's look-ups against the names the skin check knows.
  void SetLookupObserver(std::function<void(const std::string& section, const std::string& key)> observer) {
    observer_ = std::move(observer);
  }

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::vector<TSection>& Sections() const { return sections_; }

private:
  std::vector<std::string> lines_;     // every kept line, trimmed, in file order
  std::vector<TSection> sections_;     // one entry per header line, in file order
  std::function<void(const std::string&, const std::string&)> observer_;  // empty but in that test
};

// Helpers shared with the element model: the description's own text rules.
std::string TrimBlanks(std::string_view s);          // drops chars <= 32 at both ends
std::string AsciiLower(std::string s);               // A-Z only; GBK bytes stay as they are
std::string AsciiUpper(std::string s);               // a-z only
