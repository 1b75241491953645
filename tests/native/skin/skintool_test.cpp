// Runs the built skintool as an author would and checks what it writes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "lzh_reference.h"
#include "package_writer.h"
#include "sample_data.h"

namespace fs = std::filesystem;

namespace {

struct TRun {
  int exitCode;
  std::string out;
};

// With errors set, what skintool says on stderr is read along with its output.
TRun Skintool(const std::string& args, bool errors = false) {
  const std::string command =
      std::string(SKINTOOL_PATH) + " " + args + (errors ? " 2>&1" : " 2>/dev/null");
  FILE* pipe = popen(command.c_str(), "r");
  TRun run{-1, {}};
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

class SkintoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("skintool_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string P(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(SkintoolTest, CompressAndDecompressRoundTripAnyFile) {
  std::vector<uint8_t> runs;
  for (int i = 0; i < 30; ++i) runs.insert(runs.end(), 3000 + 101 * i, static_cast<uint8_t>(i % 2 ? 0xFF : 'q'));
  const std::vector<std::vector<uint8_t>> inputs = {
      {}, {0x7A}, sample::TextLike(100000, 1), sample::Random(30000, 2), runs};
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.size());
    WriteFile(dir / "in", input);
    ASSERT_EQ(Skintool("compress " + P("in") + " " + P("packed")).exitCode, 0);
    const auto packed = ReadFile(dir / "packed");
    EXPECT_EQ(packed, LzhCompress(input));
    ASSERT_EQ(Skintool("decompress " + P("packed") + " " + P("out")).exitCode, 0);
    EXPECT_EQ(ReadFile(dir / "out"), input);
  }
}

TEST_F(SkintoolTest, DecompressWritesExactlyTheDeclaredSize) {
  reference::TStreamWriter writer;
  writer.Match(60, 9);  // 60 spaces for a declared size of 5
  WriteFile(dir / "c", writer.Finish(5));
  ASSERT_EQ(Skintool("decompress " + P("c") + " " + P("out")).exitCode, 0);
  EXPECT_EQ(ReadFile(dir / "out"), Bytes("     "));
  WriteFile(dir / "short", {1, 2});
  EXPECT_EQ(Skintool("decompress " + P("short") + " " + P("out")).exitCode, 1);
  WriteFile(dir / "negative", {0, 0, 0, 0x80});
  EXPECT_EQ(Skintool("decompress " + P("negative") + " " + P("out")).exitCode, 1);
}

TEST_F(SkintoolTest, PackListAndExtractRoundTripASkinFolder) {
  fs::create_directories(dir / "skin");
  const auto top = sample::Random(5000, 3);
  WriteFile(dir / "skin" / "FrameTop.bmp", top);
  WriteFile(dir / "skin" / "buttons.BMP", Bytes("BM buttons"));
  WriteFile(dir / "skin" / "Skin.ini", Bytes("[Personality]\r\nName=Calm\r\n"));
  WriteFile(dir / "skin" / "notes.txt", Bytes("not packed"));
  fs::create_directories(dir / "skin" / "sub.bmp");

  ASSERT_EQ(Skintool("pack " + P("skin") + " " + P("out.skn")).exitCode, 0);
  const TRun list = Skintool("list " + P("out.skn"));
  ASSERT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.out,
            "version 70000, 3 entries, 5036 bytes of data\n"
            "      5000  frametop.bmp\n"
            "        10  buttons.bmp\n"
            "        26  skin.ini\n");

  ASSERT_EQ(Skintool("extract " + P("out.skn") + " " + P("x/y")).exitCode, 0);
  EXPECT_EQ(ReadFile(dir / "x" / "y" / "frametop.bmp"), top);
  EXPECT_EQ(ReadFile(dir / "x" / "y" / "skin.ini"), Bytes("[Personality]\r\nName=Calm\r\n"));
  EXPECT_FALSE(fs::exists(dir / "x" / "y" / "notes.txt"));
}

TEST_F(SkintoolTest, PackNeedsExactlyOneDescription) {
  fs::create_directories(dir / "none");
  WriteFile(dir / "none" / "a.bmp", Bytes("BM"));
  EXPECT_EQ(Skintool("pack " + P("none") + " " + P("o")).exitCode, 1);
  fs::create_directories(dir / "two");
  WriteFile(dir / "two" / "a.ini", Bytes("[A]"));
  WriteFile(dir / "two" / "b.INI", Bytes("[B]"));
  EXPECT_EQ(Skintool("pack " + P("two") + " " + P("o")).exitCode, 1);
  EXPECT_FALSE(fs::exists(dir / "o"));
  EXPECT_EQ(Skintool("pack " + P("missing") + " " + P("o")).exitCode, 1);
}

TEST_F(SkintoolTest, PackRefusesNamesTheProgramWouldConfuse) {
  fs::create_directories(dir / "case");
  WriteFile(dir / "case" / "Top.bmp", Bytes("BM1"));
  WriteFile(dir / "case" / "top.BMP", Bytes("BM2"));
  WriteFile(dir / "case" / "skin.ini", Bytes("[A]"));
  EXPECT_EQ(Skintool("pack " + P("case") + " " + P("o")).exitCode, 1);
  fs::create_directories(dir / "ini");
  WriteFile(dir / "ini" / "old.INI.bmp", Bytes("BM"));
  WriteFile(dir / "ini" / "skin.ini", Bytes("[A]"));
  EXPECT_EQ(Skintool("pack " + P("ini") + " " + P("o")).exitCode, 1);
  EXPECT_FALSE(fs::exists(dir / "o"));
}

TEST_F(SkintoolTest, ExtractWritesOnlyPlainFileNamesInsideTheFolder) {
  WriteFile(dir / "evil.skn", BuildCompressedPackage({{"../escaped.bmp", Bytes("x")},
                                                      {"/abs.bmp", Bytes("y")},
                                                      {"ok.ini", Bytes("z")}}));
  EXPECT_EQ(Skintool("extract " + P("evil.skn") + " " + P("out")).exitCode, 1);
  EXPECT_FALSE(fs::exists(dir / "escaped.bmp"));
  EXPECT_FALSE(fs::exists("/abs.bmp"));
  EXPECT_EQ(ReadFile(dir / "out" / "ok.ini"), Bytes("z"));
}

TEST_F(SkintoolTest, RefusesWhatIsNotASkin) {
  WriteFile(dir / "junk", sample::Random(100, 4));
  EXPECT_EQ(Skintool("list " + P("junk")).exitCode, 1);
  EXPECT_EQ(Skintool("extract " + P("junk") + " " + P("o")).exitCode, 1);
  EXPECT_EQ(Skintool("list " + P("absent")).exitCode, 1);
}

TEST_F(SkintoolTest, UsageTextAndExitCodes) {
  const TRun help = Skintool("--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char* verb : {"pack DIR OUT", "list SKIN", "extract SKIN DIR", "compress IN OUT",
                           "decompress IN OUT", "preview SKIN OUT", "exit status"})
    EXPECT_NE(help.out.find(verb), std::string::npos) << verb;
  EXPECT_EQ(Skintool("help").out, help.out);
  EXPECT_EQ(Skintool("").exitCode, 2);
  EXPECT_EQ(Skintool("frobnicate a b").exitCode, 2);
  EXPECT_EQ(Skintool("pack onlyone").exitCode, 2);
  EXPECT_EQ(Skintool("list a b").exitCode, 2);
}

// Only the Windows build draws; this one must say so rather than write a file.
TEST_F(SkintoolTest, PreviewAsksForTheWindowsBuild) {
  WriteFile(dir / "skin", sample::Random(100, 5));
  const TRun run = Skintool("preview " + P("skin") + " " + P("sheet.bmp"), true);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.out.find("needs the Windows build"), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(dir / "sheet.bmp"));
}

}  // namespace

TEST_F(SkintoolTest, CheckSaysWhatToFixAndPackSaysItToo) {
  fs::create_directories(dir / "skin");
  const std::string ini = "[Buttons]\r\nBitmap = buttons.bmp\r\nTopHieght = 3\r\n";
  WriteFile(dir / "skin" / "skin.ini", Bytes(ini));
  const TRun pack = Skintool("pack " + P("skin") + " " + P("out.skn"), true);
  EXPECT_EQ(pack.exitCode, 0);  // packed all the same, to be looked at
  EXPECT_NE(pack.out.find("error: [Buttons] Bitmap (buttons.bmp): no picture of that name in the package\n"),
            std::string::npos) << pack.out;
  EXPECT_NE(pack.out.find("warning: [Buttons] TopHieght: did you mean TopHeight?"), std::string::npos) << pack.out;
  ASSERT_TRUE(fs::exists(dir / "out.skn"));

  const TRun check = Skintool("check " + P("out.skn"));
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.out,
            "error: [Buttons] Bitmap (buttons.bmp): no picture of that name in the package\n"
            "warning: [Buttons] TopHieght: did you mean TopHeight? (the engine never reads this key)\n");

  WriteFile(dir / "clean.skn", BuildCompressedPackage({{"skin.ini", Bytes("[Fonts]\r\nFontHeight = 12\r\n")}}));
  const TRun clean = Skintool("check " + P("clean.skn"));
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_EQ(clean.out, P("clean.skn") + ": no problems found\n");
  EXPECT_EQ(Skintool("check").exitCode, 2);
  EXPECT_EQ(Skintool("check a b").exitCode, 2);
  EXPECT_EQ(Skintool("check " + P("missing.skn")).exitCode, 1);
}
