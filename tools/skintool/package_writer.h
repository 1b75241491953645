#pragma once
// Builds skin packages: the header, an information block of the version's size, the entry
// names and sizes, then the entries' bytes.

#include <cstdint>
#include <string>
#include <vector>

struct TPackageEntry {
  std::string Name;
  std::vector<uint8_t> Bytes;
};

inline constexpr uint32_t CurrentPackageVersion = 70000;

// Throws std::invalid_argument for an unknown version, more entries than a package holds, or a
// name that is empty or holds a line break.
std::vector<uint8_t> BuildPackage(const std::vector<TPackageEntry>& entries,
                                  uint32_t version = CurrentPackageVersion);

// The package as a skin file holds it: compressed.
std::vector<uint8_t> BuildCompressedPackage(const std::vector<TPackageEntry>& entries,
                                            uint32_t version = CurrentPackageVersion);
