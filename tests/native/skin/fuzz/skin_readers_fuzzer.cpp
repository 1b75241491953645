// Feeds untrusted bytes to the package reader and the description reader. The first byte picks
// what the rest is: 0 (even) a compressed skin as a file holds it, 1 (odd) a package that is
// compressed here first, so the fuzzer reaches the header and table checks directly.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lzh_encoder.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin_reader.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void ExerciseDescription(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromStream(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  Check(sections.size() == ini.Sections().size());
  for (const std::string& section : sections) {
    const int32_t line = ini.SectionIndex(section);
    Check(line >= -1 && line < static_cast<int32_t>(ini.Lines().size()));
    for (const std::string& l : ini.Lines()) {
      const std::string key = l.substr(0, l.find('='));
      ini.ReadString(section, key, "d");
      ini.ReadInteger(section, key, 7);
    }
  }
}

void ExercisePackage(TMemoryStream& compressed) {
  TSkinReader reader;
  reader.SetMaxPackageSize(1 << 16);  // keeps each run short; the checks do not depend on it
  if (!reader.LoadPackage(compressed))
    return;
  Check(reader.EntryCount() == static_cast<int32_t>(reader.EntryNames().size()));
  Check(reader.EntryCount() <= TSkinReader::MaxEntries);
  int64_t total = 0;
  TMemoryStream entry;
  for (int32_t i = 0; i < reader.EntryCount(); ++i) {
    reader.ExtractEntryAt(i, entry);
    Check(entry.Size() == reader.EntrySizes()[i]);
    total += entry.Size();
    reader.ExtractEntry(reader.EntryNames()[i], entry);
  }
  Check(total <= reader.Data().Size());
  std::string found;
  reader.ExtractEntryContaining(".ini", entry, found);
  ExerciseDescription(std::string_view(reinterpret_cast<const char*>(entry.Memory()),
                                       static_cast<size_t>(entry.Size())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const std::vector<uint8_t> rest(data + 1, data + size);
  TMemoryStream compressed(data[0] % 2 == 0 ? rest : LzhCompress(rest));
  ExercisePackage(compressed);
  ExerciseDescription(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
  return 0;
}
