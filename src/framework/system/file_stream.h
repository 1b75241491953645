#pragma once
#include "framework/core/unique_handle.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

struct TFileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};
using UniqueFileHandle = TUniqueHandle<TFileHandleTraits>;

// A file opened with CreateFileA (ANSI path). Errors name the path and the system's reason:
//   EFCreateError "Cannot create file "%s". %s", EFOpenError "Cannot open file "%s". %s".
class TFileStream {
public:
  enum Mode {
    fmCreate,         // create or truncate; read and write; others may read
    fmOpenRead,       // existing file, read only; others may read and write
    fmOpenReadWrite,  // existing file, read and write; others may read
  };
  enum Origin { soBeginning = FILE_BEGIN, soCurrent = FILE_CURRENT, soEnd = FILE_END };

  TFileStream(const std::string& path, Mode mode);

  const std::string& FileName() const { return path_; }
  HANDLE Handle() const { return file_.Get(); }

  // Read and Write return the bytes moved, which may be fewer than asked at the end of the
  // file; ReadBuffer and WriteBuffer move all of them or raise EReadError / EWriteError.
  size_t Read(void* buffer, size_t count);
  size_t Write(const void* buffer, size_t count);
  void ReadBuffer(void* buffer, size_t count);
  void WriteBuffer(const void* buffer, size_t count);

  int64_t Size() const;
  int64_t Position() const;
  int64_t Seek(int64_t offset, Origin origin);  // returns the new position

private:
  std::string path_;         // as given, for messages
  UniqueFileHandle file_;    // the open file
};

// The system's text for an error code, without its trailing line break and full stop.
std::string SysErrorMessage(DWORD code);
// True for an existing file; false for a folder or nothing.
bool FileExists(const std::string& path);
// The whole content of a file, through TFileStream (so the errors are the same).
std::string ReadWholeFile(const std::string& path);
// Creates or truncates the file and writes bytes to it.
void WriteWholeFile(const std::string& path, const std::string& bytes);
