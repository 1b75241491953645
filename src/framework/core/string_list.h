#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An ordered list of strings, duplicates allowed, not sorted; each string carries an integer
// (Objects) that callers use for a pointer or a number. Indices are 32-bit signed; an index out
// of range raises EStringListError "List index out of bounds (%d)".
class TStringList {
public:
  TStringList() = default;
  TStringList(const TStringList&) = delete;
  TStringList& operator=(const TStringList&) = delete;
  TStringList(TStringList&&) = default;
  TStringList& operator=(TStringList&&) = default;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  void Put(int index, std::string s);
  intptr_t Objects(int index) const;
  void PutObject(int index, intptr_t object);

  int Add(std::string s);  // returns the new index
  int AddObject(std::string s, intptr_t object);
  void Insert(int index, std::string s);  // 0 <= index <= Count()
  void InsertObject(int index, std::string s, intptr_t object);
  void Delete(int index);
  void Clear();
  void Exchange(int index1, int index2);
  // Replaces the contents with a copy of other's strings and objects.
  void Assign(const TStringList& other);

  // First index of s, or -1. Case-insensitive (CompareText) unless CaseSensitive is set.
  int IndexOf(const std::string& s) const;
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value) { caseSensitive_ = value; }

  // Text of the list: every string followed by CR LF; an empty list gives "".
  std::string Text() const;
  // Replaces the contents with the lines of text: a line ends at CR, LF, CR LF or where the text
  // ends; a NUL byte ends the whole text; empty lines are entries; a final line break adds none.
  void SetText(const std::string& text);

  // While the update count is above zero, OnChange is held back; the EndUpdate that brings it
  // to zero fires it once if anything changed meanwhile.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Fired after every change of the contents (outside an update).
  std::function<void()> OnChange;

private:
  struct Item {
    std::string text;     // the string
    intptr_t object = 0;  // the value associated with it
  };

  void CheckIndex(int index) const;
  void Changed();

  std::vector<Item> items_;        // the entries, in order
  int updateCount_ = 0;            // nesting depth of BeginUpdate
  bool changedInUpdate_ = false;   // a change was held back by the update count
  bool caseSensitive_ = false;     // IndexOf compares exactly
};
