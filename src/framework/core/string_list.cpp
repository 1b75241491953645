#include "framework/core/string_list.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/sysutils.h"

#include <utility>

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError(Format("List index out of bounds (%d)", index));
}

void TStringList::Changed() {
  if (updateCount_ > 0) {
    changedInUpdate_ = true;
    return;
  }
  if (OnChange)
    OnChange();
}

void TStringList::EndUpdate() {
  if (updateCount_ == 0)
    return;
  if (--updateCount_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    Changed();
  }
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, std::string s) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)].text = std::move(s);
  Changed();
}

intptr_t TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, intptr_t object) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

int TStringList::Add(std::string s) { return AddObject(std::move(s), 0); }

int TStringList::AddObject(std::string s, intptr_t object) {
  const int index = Count();
  InsertObject(index, std::move(s), object);
  return index;
}

void TStringList::Insert(int index, std::string s) { InsertObject(index, std::move(s), 0); }

void TStringList::InsertObject(int index, std::string s, intptr_t object) {
  if (index < 0 || index > Count())
    throw EStringListError(Format("List index out of bounds (%d)", index));
  items_.insert(items_.begin() + index, Item{std::move(s), object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty())
    return;
  items_.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
  Changed();
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this)
    return;
  items_ = other.items_;
  Changed();
}

int TStringList::IndexOf(const std::string& s) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const bool equal = caseSensitive_ ? items_[i].text == s : SameText(items_[i].text, s);
    if (equal)
      return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Text() const {
  size_t length = 0;
  for (const Item& item : items_)
    length += item.text.size() + 2;
  std::string text;
  text.reserve(length);
  for (const Item& item : items_) {
    text += item.text;
    text += "\r\n";
  }
  return text;
}

void TStringList::SetText(const std::string& text) {
  const size_t nul = text.find('\0');
  const size_t size = nul == std::string::npos ? text.size() : nul;
  std::vector<Item> lines;
  size_t start = 0;
  while (start < size) {
    size_t stop = start;
    while (stop < size && text[stop] != '\r' && text[stop] != '\n')
      ++stop;
    lines.push_back(Item{text.substr(start, stop - start), 0});
    if (stop < size)
      stop += (text[stop] == '\r' && stop + 1 < size && text[stop + 1] == '\n') ? 2 : 1;
    start = stop;
  }
  items_ = std::move(lines);
  Changed();
}
