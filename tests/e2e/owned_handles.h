#pragma once
// Owners of the handles the harness opens: kernel objects, registry keys, memory in another
// process.
#include <windows.h>

#include <utility>

namespace e2e {

class TOwnedHandle {
public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(HANDLE handle) : handle_(handle) {}
  ~TOwnedHandle() { Reset(); }
  TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;

  HANDLE Get() const { return handle_; }
  void Reset() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE)
      CloseHandle(handle_);
    handle_ = nullptr;
  }

private:
  HANDLE handle_ = nullptr;
};

class TRegistryKey {
public:
  TRegistryKey(HKEY root, const char* path, REGSAM access) {
    if (RegOpenKeyExA(root, path, 0, access, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~TRegistryKey() {
    if (key_)
      RegCloseKey(key_);
  }
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;

  bool IsOpen() const { return key_ != nullptr; }
  HKEY Get() const { return key_; }

private:
  HKEY key_ = nullptr;
};

// A block of committed read-write memory inside another process, for messages whose answer is
// written through a pointer that must be valid over there.
class TRemoteBuffer {
public:
  TRemoteBuffer(HANDLE process, SIZE_T size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~TRemoteBuffer() {
    if (address_)
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  TRemoteBuffer(const TRemoteBuffer&) = delete;
  TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;

  bool IsAllocated() const { return address_ != nullptr; }
  // Leaves the block to the other process, for an answer that may still arrive.
  void Abandon() { address_ = nullptr; }
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  bool Write(const void* bytes, SIZE_T size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address_, bytes, size, &done) && done == size;
  }
  bool Read(void* bytes, SIZE_T size) const {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, address_, bytes, size, &done) && done == size;
  }

private:
  HANDLE process_;
  void* address_;
};

}  // namespace e2e
