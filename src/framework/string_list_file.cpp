#include "framework/string_list_file.h"

#include "framework/system/file_stream.h"

void LoadStringListFromFile(TStringList& list, const std::string& path) {
  list.SetText(ReadWholeFile(path));
}

void SaveStringListToFile(const TStringList& list, const std::string& path) {
  WriteWholeFile(path, list.Text());
}
