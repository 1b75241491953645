#include "app/res.h"

#include <windows.h>

#include <stdexcept>

namespace {

// Closes a Win32 file handle on every way out.
class FileHandle {
public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return h_; }

private:
  HANDLE h_;
};

std::string SystemReason(DWORD code) {
  char* text = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason = n ? std::string(text, n) : "Error " + std::to_string(code);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.'))
    reason.pop_back();
  return reason;
}

}  // namespace

void ExtractResourceToFile(const std::string& name, const std::string& type, const std::string& file) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(self, name.c_str(), type.c_str());
  HGLOBAL loaded = info ? LoadResource(self, info) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes)
    throw std::runtime_error("Resource " + name + " not found");
  const DWORD size = SizeofResource(self, info);

  FileHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (out.Get() == INVALID_HANDLE_VALUE)
    throw std::runtime_error("Cannot create file \"" + file + "\". " + SystemReason(GetLastError()));
  DWORD written = 0;
  if (!WriteFile(out.Get(), bytes, size, &written, nullptr) || written != size)
    throw std::runtime_error("Cannot write file \"" + file + "\". " + SystemReason(GetLastError()));
}
