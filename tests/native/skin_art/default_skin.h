#pragma once
// The default skin as the program sees it: the package read by TSkinReader and its description
// read by TQuickIni.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/format/quick_ini.h"
#include "skin/format/skin_reader.h"

namespace skin_art {

inline std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot open ") + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DefaultSkin : public ::testing::Test {
protected:
  void SetUp() override {
    TMemoryStream compressed(ReadFile(DEFAULT_SKIN));
    ASSERT_TRUE(reader.LoadPackage(compressed));
    TMemoryStream text;
    reader.ExtractEntryContaining(".ini", text, descriptionName);
    ASSERT_GT(text.Size(), 0);
    const std::vector<uint8_t> bytes = text.ReadRest();
    ini.LoadFromStream(std::string(bytes.begin(), bytes.end()));
  }

  // The bytes of a picture the description names, or nothing.
  std::vector<uint8_t> Entry(const std::string& name) const {
    TMemoryStream out;
    reader.ExtractEntry(name, out);
    return out.ReadRest();
  }

  TSkinReader reader;
  TQuickIni ini;
  std::string descriptionName;
};

}  // namespace skin_art
