#include "skin/format/skin_reader.h"

#include "skin/format/lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_writer.h"

namespace {

void PutLE32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A package laid out by hand, so its fields can disagree with each other.
std::vector<uint8_t> RawPackage(uint32_t version, int32_t namesLength, const std::string& names,
                                const std::vector<int32_t>& sizes, const std::vector<uint8_t>& data,
                                size_t infoBytes) {
  std::vector<uint8_t> out;
  PutLE32(out, version);
  PutLE32(out, static_cast<uint32_t>(namesLength));
  out.resize(16 + infoBytes, 0xEE);
  out.insert(out.end(), names.begin(), names.end());
  for (int32_t s : sizes) PutLE32(out, static_cast<uint32_t>(s));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<uint8_t> RawPackage(const std::string& names, const std::vector<int32_t>& sizes,
                                const std::vector<uint8_t>& data) {
  return RawPackage(70000, static_cast<int32_t>(names.size()), names, sizes, data, 69);
}

bool Load(TSkinReader& reader, const std::vector<uint8_t>& package) {
  TMemoryStream compressed(LzhCompress(package));
  return reader.LoadPackage(compressed);
}

// The entry as a copy; the reader's own bytes of it must be the same.
std::string Entry(const TSkinReader& reader, const std::string& name) {
  TMemoryStream out;
  reader.ExtractEntry(name, out);
  EXPECT_EQ(out.Position(), 0);
  std::string copy(out.Contents().begin(), out.Contents().end());
  EXPECT_EQ(std::string(reader.EntryBytes(name)), copy) << name;
  return copy;
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

const std::vector<TPackageEntry> kEntries = {
    {"Buttons.BMP", Bytes("BM-buttons")}, {"frametop.bmp", Bytes("BM-top")}, {"Skin.ini", Bytes("[Personality]")}};

// Captures what the reader shows for an unknown version.
class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TSkinReader::Notify = [this](const std::string& m) { messages.push_back(m); };
  }
  void TearDown() override { TSkinReader::Notify = nullptr; }
  std::vector<std::string> messages;
};

TEST_F(SkinReaderTest, EveryVersionCodeHasItsInformationBlockSize) {
  const std::pair<uint32_t, int64_t> versions[] = {{20000, 16}, {30000, 272}, {40000, 96},
                                                   {50000, 64}, {60000, 133}, {70000, 85}};
  for (const auto& [version, namesStart] : versions) {
    SCOPED_TRACE(version);
    const auto package = BuildPackage(kEntries, version);
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, package));
    EXPECT_EQ(reader.Version(), version);
    EXPECT_EQ(reader.NamesLength(), 37);
    EXPECT_EQ(package[namesStart], 'B');
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"buttons.bmp", "frametop.bmp", "skin.ini"}));
    EXPECT_EQ(reader.EntrySizes()[1], 6);
    const int64_t dataStart = namesStart + 37 + 4 * 3;
    EXPECT_EQ(reader.Data().Size(), static_cast<int64_t>(package.size()) - dataStart);
    EXPECT_EQ(Entry(reader, "frametop.bmp"), "BM-top");
    EXPECT_EQ(Entry(reader, "skin.ini"), "[Personality]");
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinReaderTest, TheInformationBlockIsSkippedUnread) {
  // Filled with line breaks and letters, so reading it as names would show.
  std::vector<uint8_t> package = RawPackage("a.bmp\r\n", {2}, Bytes("xy"));
  for (size_t i = 16; i < 85; ++i) package[i] = i % 2 ? '\n' : 'Q';
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, package));
  EXPECT_EQ(reader.EntryNames(), std::vector<std::string>{"a.bmp"});
  EXPECT_EQ(Entry(reader, "a.bmp"), "xy");
}

TEST_F(SkinReaderTest, ExactNameLookupLowerCasesTheRequest) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildPackage(kEntries)));
  EXPECT_EQ(Entry(reader, "Buttons.BMP"), "BM-buttons");
  EXPECT_EQ(Entry(reader, "buttons.bmp"), "BM-buttons");
  EXPECT_EQ(Entry(reader, "buttons"), "");
  EXPECT_EQ(Entry(reader, "nothing.bmp"), "");
}

TEST_F(SkinReaderTest, FragmentLookupIsCaseSensitiveAndTakesTheFirstInTableOrder) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildPackage(kEntries)));
  TMemoryStream out;
  out.Write("stale", 5);
  std::string found = "unchanged";
  reader.ExtractEntryContaining(".INI", out, found);
  EXPECT_EQ(out.Size(), 0);
  EXPECT_EQ(found, "unchanged");
  reader.ExtractEntryContaining("", out, found);
  EXPECT_EQ(found, "unchanged");
  reader.ExtractEntryContaining(".bmp", out, found);
  EXPECT_EQ(found, "buttons.bmp");
  reader.ExtractEntryContaining(".ini", out, found);
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(std::string(out.Contents().begin(), out.Contents().end()), "[Personality]");
  EXPECT_EQ(out.Position(), 0);
}

TEST_F(SkinReaderTest, NamesSplitOnEveryLineBreakAndOnlyLettersAreLowerCased) {
  // CR LF, lone LF, lone CR, an empty line, a GBK name, and a final break that adds nothing.
  const std::string names = "One.BMP\r\ntwo.bmp\nThree\r\r\xC6\xA4\xB7\xF4.BMP\r\n";
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, RawPackage(names, {1, 2, 3, 0, 1}, Bytes("abbcccd"))));
  EXPECT_EQ(reader.EntryNames(),
            (std::vector<std::string>{"one.bmp", "two.bmp", "three", "", "\xC6\xA4\xB7\xF4.bmp"}));
  EXPECT_EQ(Entry(reader, "THREE"), "ccc");
  EXPECT_EQ(Entry(reader, "\xC6\xA4\xB7\xF4.bmp"), "d");
  TMemoryStream out;
  reader.ExtractEntryAt(1, out);
  EXPECT_EQ(std::string(out.Contents().begin(), out.Contents().end()), "bb");
  reader.ExtractEntryAt(5, out);
  EXPECT_EQ(out.Size(), 0);
}

TEST_F(SkinReaderTest, DuplicateNamesAnswerWithTheFirst) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, RawPackage("a\r\nA\r\n", {1, 1}, Bytes("12"))));
  EXPECT_EQ(Entry(reader, "a"), "1");
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheMessageAndKeepsTheLoadedSkin) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildPackage(kEntries)));
  auto package = BuildPackage(kEntries);
  package[0] = 0x1F;  // 69919
  EXPECT_FALSE(Load(reader, package));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(reader.Version(), 70000u);
  EXPECT_EQ(reader.EntryCount(), 3);
  EXPECT_EQ(Entry(reader, "skin.ini"), "[Personality]");
}

TEST_F(SkinReaderTest, AnEmptyCompressedSkinIsAnUnknownVersion) {
  for (const std::vector<uint8_t>& compressed : {std::vector<uint8_t>{0, 0, 0, 0}, std::vector<uint8_t>{}}) {
    TMemoryStream stream(compressed);
    TSkinReader reader;
    EXPECT_FALSE(reader.LoadPackage(stream));
  }
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(SkinReaderTest, DamagedPackagesAreRefusedAndLeaveTheReaderAsItWas) {
  const std::string many = [] {
    std::string s;
    for (int i = 0; i < 1002; ++i) s += "e" + std::to_string(i) + "\r\n";
    return s;
  }();
  const struct {
    const char* what;
    std::vector<uint8_t> package;
  } cases[] = {
      {"1002 entries", RawPackage(many, std::vector<int32_t>(1002, 0), {})},
      {"negative size", RawPackage("a\r\nb\r\n", {-1, 2}, Bytes("x"))},
      {"sizes past the data", RawPackage("a\r\nb\r\n", {1, 2}, Bytes("xy"))},
      {"sizes that wrap", RawPackage("a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, Bytes("xy"))},
      {"size table cut short", RawPackage(70000, 6, "a\r\nb\r\n", {1}, {}, 69)},
      {"names past the end", RawPackage(70000, 100, "a\r\n", {}, {}, 69)},
      {"negative names length", RawPackage(70000, -3, "a\r\n", {1}, Bytes("x"), 69)},
      {"header alone", RawPackage(70000, 0, "", {}, {}, 0)},
  };
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildPackage(kEntries)));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(Load(reader, c.package));
    EXPECT_EQ(reader.EntryCount(), 3);
    EXPECT_EQ(reader.EntryNames().size(), 3u);
    EXPECT_EQ(Entry(reader, "buttons.bmp"), "BM-buttons");
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinReaderTest, AcceptsTheLimitsThemselves) {
  std::string names;
  for (int i = 0; i < 1001; ++i) names += "e" + std::to_string(i) + "\r\n";
  std::vector<int32_t> sizes(1001, 0);
  sizes[1000] = 2;
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, RawPackage(names, sizes, Bytes("ok"))));
  EXPECT_EQ(reader.EntryCount(), 1001);
  EXPECT_EQ(Entry(reader, "e1000"), "ok");
  ASSERT_TRUE(Load(reader, RawPackage("", {}, {})));
  EXPECT_EQ(reader.EntryCount(), 0);
}

TEST_F(SkinReaderTest, RefusesDeclaredSizesThatAreNegativeOrAboveTheLimit) {
  TSkinReader reader;
  reader.SetMaxPackageSize(1000);
  const std::vector<uint8_t> declared[] = {{0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0x7F}, {0xE9, 0x03, 0, 0}};
  for (const auto& size : declared) {
    TMemoryStream stream(size);
    EXPECT_FALSE(reader.LoadPackage(stream));
  }
  TSkinReader defaults;
  TMemoryStream above({0x01, 0x00, 0x00, 0x04});  // 64 MiB + 1
  EXPECT_FALSE(defaults.LoadPackage(above));
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinReaderTest, ATruncatedStreamDecodesBoundedWithZeroBitsAndThePackageIsRefused) {
  std::vector<TPackageEntry> entries = kEntries;
  entries.push_back({"big.bmp", std::vector<uint8_t>(20000, 'z')});
  entries.push_back({"x.ini", Bytes("tail")});
  const auto package = BuildPackage(entries);
  auto compressed = LzhCompress(package);
  compressed.resize(compressed.size() - 12);

  // The decoder stops at the declared size, filling in zero bits, and says the input ran out.
  std::vector<uint8_t> decoded;
  size_t offset = 4;
  const bool whole = TLZH().Decode(
      static_cast<int32_t>(package.size()),
      [&](uint8_t* buffer, int32_t count) {
        const auto n = static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(count), compressed.size() - offset));
        std::memcpy(buffer, compressed.data() + offset, static_cast<size_t>(n));
        offset += static_cast<size_t>(n);
        return n;
      },
      [&](const uint8_t* buffer, int32_t count) { decoded.insert(decoded.end(), buffer, buffer + count); });
  EXPECT_FALSE(whole);
  EXPECT_GE(decoded.size(), package.size());
  EXPECT_LE(decoded.size(), package.size() + 59);

  // A cut-off package is damaged: it is not taken as a skin whose tail is zeros.
  TMemoryStream stream(compressed);
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadPackage(stream));
  EXPECT_EQ(reader.Data().Size(), 0);
}

}  // namespace

TEST_F(SkinReaderTest, EntryBytesFollowTheLoadedPackageAndSurviveARefusedOne) {
  TSkinReader reader;
  EXPECT_TRUE(reader.EntryBytes("skin.ini").empty());
  ASSERT_TRUE(Load(reader, BuildPackage(kEntries)));
  EXPECT_EQ(reader.EntryBytes("FRAMETOP.bmp"), "BM-top");
  EXPECT_TRUE(reader.EntryBytes("missing.bmp").empty());
  EXPECT_TRUE(reader.EntryBytes("").empty());

  // Refused: an entry runs past the end of the data.
  EXPECT_FALSE(Load(reader, RawPackage("a.bmp\r\n", {5}, Bytes("xy"))));
  EXPECT_EQ(reader.EntryBytes("skin.ini"), "[Personality]");

  ASSERT_TRUE(Load(reader, BuildPackage({{"skin.ini", Bytes("[Other]")}, {"empty.bmp", {}}})));
  EXPECT_EQ(reader.EntryBytes("skin.ini"), "[Other]");
  EXPECT_TRUE(reader.EntryBytes("frametop.bmp").empty());
  EXPECT_EQ(Entry(reader, "empty.bmp"), "");
}
