#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "file_io.h"
#include "skin/format/lzh.h"
#include "lzh_encoder.h"
#include "package_writer.h"
#include "skin/format/skin_check.h"
#include "skin/format/skin_reader.h"

namespace fs = std::filesystem;

namespace {

// The program looks entries up by their ASCII-lower-cased names.
std::string AsciiLower(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z')
      ch = static_cast<char>(ch - 'A' + 'a');
  return s;
}

std::string LowerExtension(const fs::path& path) { return AsciiLower(path.extension().string()); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "skintool: %s\n", message.c_str());
  return ExitFailure;
}

// An entry name from a package is only written as a plain file name inside the target folder.
bool IsSafeFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..")
    return false;
  return std::none_of(name.begin(), name.end(), [](unsigned char ch) {
    return ch < 32 || ch == '/' || ch == '\\' || ch == ':' || ch == '*' || ch == '?' || ch == '"' ||
           ch == '<' || ch == '>' || ch == '|';
  });
}

// Names the program could not tell apart, or a bitmap it would take for the description (it
// takes the first entry whose name contains ".ini").
std::string NamingProblem(const std::vector<TPackageEntry>& entries) {
  std::vector<std::string> seen;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string lower = AsciiLower(entries[i].Name);
    if (std::find(seen.begin(), seen.end(), lower) != seen.end())
      return "two files are both named " + lower + " once lower-cased";
    if (i + 1 < entries.size() && lower.find(".ini") != std::string::npos)
      return entries[i].Name + " would be read as the description: rename it";
    seen.push_back(lower);
  }
  return {};
}

bool LoadSkin(const std::string& path, TSkinReader& reader) {
  TMemoryStream compressed(ReadWholeFile(path));
  return reader.LoadPackage(compressed);
}

}  // namespace

int PackCommand(const std::string& dir, const std::string& out) {
  std::vector<fs::path> bitmaps, descriptions;
  for (const fs::directory_entry& item : fs::directory_iterator(dir)) {
    if (!item.is_regular_file())
      continue;
    const std::string ext = LowerExtension(item.path());
    if (ext == ".bmp")
      bitmaps.push_back(item.path());
    else if (ext == ".ini")
      descriptions.push_back(item.path());
  }
  if (descriptions.size() != 1)
    return Fail(dir + " must hold exactly one .ini description file, found " +
                std::to_string(descriptions.size()));
  std::sort(bitmaps.begin(), bitmaps.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  if (bitmaps.size() + 1 > static_cast<size_t>(TSkinReader::MaxEntries))
    return Fail("a package holds at most " + std::to_string(TSkinReader::MaxEntries) + " entries");

  std::vector<TPackageEntry> entries;
  for (const fs::path& bitmap : bitmaps)
    entries.push_back({bitmap.filename().string(), ReadWholeFile(bitmap)});
  entries.push_back(
      {descriptions.front().filename().string(), ReadWholeFile(descriptions.front())});

  const std::string problem = NamingProblem(entries);
  if (!problem.empty())
    return Fail(problem);

  const std::vector<uint8_t> package = BuildPackage(entries);
  if (package.size() > static_cast<size_t>(TSkinReader::DefaultMaxPackageSize))
    return Fail("the package would be " + std::to_string(package.size()) +
                " bytes, more than the program loads");
  const std::vector<uint8_t> compressed = LzhCompress(package);
  WriteWholeFile(out, compressed);
  // The author sees what to fix; the package is written all the same, to be looked at.
  TMemoryStream written(compressed);
  for (const TSkinProblem& problem : CheckSkinFile(written))
    if (problem.Level != TSkinProblemLevel::Note)
      std::fprintf(stderr, "%s\n", problem.Line().c_str());
  std::printf("packed %zu entries, %zu bytes, into %s (%zu bytes)\n", entries.size(),
              package.size(), out.c_str(), compressed.size());
  return ExitOk;
}

int CheckCommand(const std::string& skin) {
  TMemoryStream compressed(ReadWholeFile(skin));
  const std::vector<TSkinProblem> problems = CheckSkinFile(compressed);
  for (const TSkinProblem& problem : problems)
    std::printf("%s\n", problem.Line().c_str());
  if (problems.empty())
    std::printf("%s: no problems found\n", skin.c_str());
  return HasFaults(problems) ? ExitFailure : ExitOk;
}

int ListCommand(const std::string& skin) {
  TSkinReader reader;
  if (!LoadSkin(skin, reader))
    return Fail(skin + " is not a valid skin package");
  std::printf("version %u, %d entries, %lld bytes of data\n", reader.Version(), reader.EntryCount(),
              static_cast<long long>(reader.Data().Size()));
  for (int32_t i = 0; i < reader.EntryCount(); ++i)
    std::printf("%10d  %s\n", reader.EntrySizes()[i], reader.EntryNames()[i].c_str());
  return ExitOk;
}

int ExtractCommand(const std::string& skin, const std::string& dir) {
  TSkinReader reader;
  if (!LoadSkin(skin, reader))
    return Fail(skin + " is not a valid skin package");
  fs::create_directories(dir);
  int result = ExitOk;
  TMemoryStream entry;
  for (int32_t i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.EntryNames()[i];
    if (!IsSafeFileName(name)) {
      result =
          Fail("skipped entry " + std::to_string(i) + ": '" + name + "' is not a plain file name");
      continue;
    }
    reader.ExtractEntryAt(i, entry);
    WriteWholeFile(fs::path(dir) / name, entry.Contents());
  }
  std::printf("extracted %d entries into %s\n", reader.EntryCount(), dir.c_str());
  return result;
}

int CompressCommand(const std::string& in, const std::string& out) {
  const std::vector<uint8_t> data = ReadWholeFile(in);
  WriteWholeFile(out, LzhCompress(data));
  return ExitOk;
}

int DecompressCommand(const std::string& in, const std::string& out) {
  TMemoryStream compressed(ReadWholeFile(in));
  uint8_t sizeField[4] = {};
  if (compressed.Read(sizeField, 4) != 4)
    return Fail(in + " is too short for a compressed file");
  const auto size = static_cast<int32_t>(sizeField[0] | sizeField[1] << 8 | sizeField[2] << 16 |
                                         static_cast<uint32_t>(sizeField[3]) << 24);
  if (size < 0)
    return Fail(in + " declares a negative size");

  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  if (!file)
    throw std::runtime_error("cannot create " + out);
  // The last match may run past the declared size; only the declared bytes are kept.
  int64_t remaining = size;
  TLZH decoder;
  decoder.Decode(
      size, [&](uint8_t* buffer, int32_t count) { return compressed.Read(buffer, count); },
      [&](const uint8_t* buffer, int32_t count) {
        const int64_t kept = std::min<int64_t>(count, remaining);
        file.write(reinterpret_cast<const char*>(buffer), static_cast<std::streamsize>(kept));
        remaining -= kept;
      });
  file.close();
  if (!file)
    throw std::runtime_error("cannot write " + out);
  return ExitOk;
}
