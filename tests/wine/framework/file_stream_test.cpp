#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"

#include "wine_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace wine_support;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(FileStream, WritesSeeksAndReads) {
  const std::string path = ScratchFile("stream.bin");
  {
    TFileStream file(path, TFileStream::fmCreate);
    const std::string bytes("hello\0world", 11);
    EXPECT_EQ(file.Write(bytes.data(), bytes.size()), 11u);
    EXPECT_EQ(file.Size(), 11);
    EXPECT_EQ(file.Position(), 11);
    EXPECT_EQ(file.Seek(6, TFileStream::soBeginning), 6);
    char word[5] = {};
    file.ReadBuffer(word, 5);
    EXPECT_EQ(std::string(word, 5), "world");
    EXPECT_EQ(file.Read(word, 5), 0u) << "at the end";
    EXPECT_THROW(file.ReadBuffer(word, 1), EReadError);
    EXPECT_EQ(file.Seek(-5, TFileStream::soEnd), 6);
    EXPECT_EQ(file.Seek(-1, TFileStream::soCurrent), 5);
  }
  EXPECT_EQ(ReadRaw(path), std::string("hello\0world", 11));
  DeleteFileA(path.c_str());
}

TEST(FileStream, ModesCreateTruncateAndProtect) {
  const std::string path = ScratchFile("modes.txt");
  WriteRaw(path, "0123456789");
  {
    TFileStream file(path, TFileStream::fmOpenReadWrite);
    EXPECT_EQ(file.Size(), 10);
    file.WriteBuffer("ab", 2);  // overwrites in place
  }
  EXPECT_EQ(ReadRaw(path), "ab23456789");
  {
    TFileStream file(path, TFileStream::fmOpenRead);
    EXPECT_EQ(file.Write("x", 1), 0u);
    EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);
    // Another reader may open the file while it is open for reading.
    TFileStream second(path, TFileStream::fmOpenRead);
    EXPECT_EQ(second.Size(), 10);
  }
  { TFileStream file(path, TFileStream::fmCreate); }
  EXPECT_EQ(ReadRaw(path), "") << "create truncates";
  DeleteFileA(path.c_str());
}

TEST(FileStream, ErrorsNameThePathAndTheSystemsReason) {
  const std::string inMissingFolder = ScratchFile("no-such-folder\\Filelist.txt");
  try {
    TFileStream file(inMissingFolder, TFileStream::fmCreate);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + inMissingFolder + "\". " +
                               SysErrorMessage(ERROR_PATH_NOT_FOUND));
  }
  const std::string missing = ScratchFile("missing.bmp");
  DeleteFileA(missing.c_str());
  for (TFileStream::Mode mode : {TFileStream::fmOpenRead, TFileStream::fmOpenReadWrite}) {
    try {
      TFileStream file(missing, mode);
      FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
      EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". " +
                                 SysErrorMessage(ERROR_FILE_NOT_FOUND));
    }
  }
}

TEST(FileStream, SystemMessagesLoseTheirLineBreakAndFullStop) {
  for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED}) {
    const std::string message = SysErrorMessage(code);
    ASSERT_FALSE(message.empty()) << code;
    const char last = message.back();
    EXPECT_TRUE(last != '.' && last != '\n' && last != '\r' && last != ' ') << message;
    char raw[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   raw, sizeof raw, nullptr);
    EXPECT_TRUE(StartsWith(raw, message)) << raw;
  }
  EXPECT_EQ(SysErrorMessage(0x2FFFFFFF), "Error 805306367");
}

TEST(FileStream, WholeFilesWithChinesePathsAndZeroBytes) {
  // 壁纸.bin in GBK: the ANSI calls must take the code page's bytes.
  const std::string path = ScratchFile("\xB1\xDA\xD6\xBD.bin");
  const std::string bytes("\0\x01\xFF\r\n", 5);
  WriteWholeFile(path, bytes);
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadWholeFile(path), bytes);

  WIN32_FIND_DATAW found{};
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  wchar_t pattern[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, (std::string(temp) + "tl_framework_test\\*.bin").c_str(), -1,
                      pattern, MAX_PATH);
  HANDLE find = FindFirstFileW(pattern, &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  bool named = false;
  do
    named = named || std::wstring(found.cFileName) == L"\u58C1\u7EB8.bin";
  while (FindNextFileW(find, &found));
  FindClose(find);
  EXPECT_TRUE(named) << "the file is named with the two Chinese characters";

  WriteWholeFile(path, "");
  EXPECT_EQ(ReadWholeFile(path), "");
  DeleteFileA(path.c_str());
}

TEST(FileStream, FileExistsOnlyForFiles) {
  const std::string path = ScratchFile("exists.txt");
  WriteRaw(path, "x");
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(FileExists(ScratchFolder()));
  DeleteFileA(path.c_str());
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
