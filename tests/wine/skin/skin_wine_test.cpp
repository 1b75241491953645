// The portable skin readers and the compressor, built for Windows and run under Wine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_writer.h"
#include "sample_data.h"
#include "skin/format/skin_reader.h"

namespace {

std::vector<uint8_t> Unpacked(const std::vector<uint8_t>& compressed) {
  TMemoryStream in(compressed), out;
  TSkinReader reader;
  EXPECT_TRUE(reader.Unpack(in, out));
  return out.Contents();
}

TEST(SkinDataOnWindows, DecoderRoundTripsTextRandomAndRuns) {
  for (const auto& input : {sample::TextLike(300000, 3), sample::Random(60000, 4),
                            std::vector<uint8_t>(100000, 0x20), std::vector<uint8_t>{}}) {
    EXPECT_EQ(Unpacked(LzhCompress(input)), input) << input.size();
  }
}

TEST(SkinDataOnWindows, LoadsABuiltPackageAndExtractsByName) {
  const std::vector<uint8_t> bitmap = sample::Random(7000, 5);
  const std::string ini = "[Personality]\r\nName=Calm\r\n";
  const auto compressed = BuildCompressedPackage(
      {{"Buttons.bmp", bitmap}, {"Skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())}});
  TMemoryStream stream(compressed);
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(stream));
  EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"buttons.bmp", "skin.ini"}));
  TMemoryStream out;
  reader.ExtractEntry("BUTTONS.BMP", out);
  EXPECT_EQ(out.Contents(), bitmap);
  std::string found;
  reader.ExtractEntryContaining(".ini", out, found);
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(std::string(out.Contents().begin(), out.Contents().end()), ini);
}

}  // namespace
