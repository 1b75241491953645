#include "framework/system/file_stream.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <algorithm>
#include <limits>

namespace {

// ReadFile and WriteFile move at most a DWORD per call.
constexpr size_t kMaxChunk = 0x40000000;

}  // namespace

TFileStream::TFileStream(const std::string& path, Mode mode) : path_(path) {
  const bool create = mode == fmCreate;
  const DWORD access = mode == fmOpenRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD share = mode == fmOpenRead ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
  file_.Reset(CreateFileA(path.c_str(), access, share, nullptr,
                          create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) {
    const std::string reason = SysErrorMessage(GetLastError());
    if (create)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", path.c_str(), reason.c_str()));
    throw EFOpenError(Format("Cannot open file \"%s\". %s", path.c_str(), reason.c_str()));
  }
}

size_t TFileStream::Read(void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min(count - done, kMaxChunk));
    DWORD got = 0;
    if (!ReadFile(file_.Get(), static_cast<char*>(buffer) + done, chunk, &got, nullptr) || got == 0)
      break;
    done += got;
  }
  return done;
}

size_t TFileStream::Write(const void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    const DWORD chunk = static_cast<DWORD>(std::min(count - done, kMaxChunk));
    DWORD put = 0;
    if (!WriteFile(file_.Get(), static_cast<const char*>(buffer) + done, chunk, &put, nullptr) ||
        put == 0)
      break;
    done += put;
  }
  return done;
}

void TFileStream::ReadBuffer(void* buffer, size_t count) {
  if (Read(buffer, count) != count)
    throw EReadError("Stream read error");
}

void TFileStream::WriteBuffer(const void* buffer, size_t count) {
  if (Write(buffer, count) != count)
    throw EWriteError("Stream write error");
}

int64_t TFileStream::Size() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file_.Get(), &size))
    throw EReadError("Stream read error");
  return size.QuadPart;
}

int64_t TFileStream::Position() const {
  LARGE_INTEGER zero{}, position{};
  if (!SetFilePointerEx(file_.Get(), zero, &position, FILE_CURRENT))
    throw EReadError("Stream read error");
  return position.QuadPart;
}

int64_t TFileStream::Seek(int64_t offset, Origin origin) {
  LARGE_INTEGER distance{}, position{};
  distance.QuadPart = offset;
  if (!SetFilePointerEx(file_.Get(), distance, &position, static_cast<DWORD>(origin)))
    throw EReadError("Stream read error");
  return position.QuadPart;
}

std::string SysErrorMessage(DWORD code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length ? std::string(text, length) : Format("Error %lu", code);
  if (text)
    LocalFree(text);
  while (!message.empty() && (static_cast<unsigned char>(message.back()) <= ' ' ||
                              message.back() == '.'))
    message.pop_back();
  return message;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  TFileStream file(path, TFileStream::fmOpenRead);
  const int64_t size = file.Size();
  if (size < 0 || static_cast<uint64_t>(size) > std::numeric_limits<size_t>::max() / 2)
    throw EOutOfResources(Format("File \"%s\" is too large", path.c_str()));
  std::string bytes(static_cast<size_t>(size), '\0');
  bytes.resize(file.Read(bytes.data(), bytes.size()));  // the file may shrink meanwhile
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  TFileStream file(path, TFileStream::fmCreate);
  file.WriteBuffer(bytes.data(), bytes.size());
}
