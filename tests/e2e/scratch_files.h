#pragma once
// Scratch folders and raw file access that bypass the program under test.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Windows form of a path given with forward slashes (Wine maps the Linux root to Z:).
std::string WindowsPath(std::string path);

// A ends in no backslash; the result is A + "\" + NAME.
std::string JoinPath(const std::string& a, const std::string& name);

// Deletes PATH and everything below it, hidden and read-only entries included.
void RemoveTree(const std::string& path);

// Creates PATH and its missing parents.
void MakeFolders(const std::string& path);

// An empty folder at PATH, whatever was there before.
void MakeEmptyFolder(const std::string& path);

std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void SetHidden(const std::string& path);
bool FileExists(const std::string& path);

// The lines of a list file whose every line ends in CR LF; nullopt when a line ending differs.
std::optional<std::vector<std::string>> CrLfLines(const std::string& bytes);

// LINES, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// A complete, valid 2 x 2 24-bit bitmap file of one grey SHADE.
std::string TinyBitmap(uint8_t shade);

}  // namespace e2e
