#pragma once
// Whole-file reads and writes for the authoring tool; failures throw std::runtime_error naming
// the file.

#include <cstdint>
#include <filesystem>
#include <vector>

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
void WriteWholeFile(const std::filesystem::path& path, const uint8_t* bytes, size_t size);
