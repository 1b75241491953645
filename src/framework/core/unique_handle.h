#pragma once
#include <utility>

// Sole owner of one operating-system handle. Traits say what the handle is and how it ends:
//   struct Traits {
//     using Handle = ...;
//     static Handle Invalid();        // the value that owns nothing
//     static void Close(Handle h);    // called once for every valid handle owned
//   };
// Movable, not copyable; Release() hands the handle over without closing it.
template <class Traits>
class TUniqueHandle {
public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() noexcept : handle_(Traits::Invalid()) {}
  explicit TUniqueHandle(Handle h) noexcept : handle_(h) {}
  ~TUniqueHandle() { Reset(); }

  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }

  Handle Get() const noexcept { return handle_; }
  bool Valid() const noexcept { return handle_ != Traits::Invalid(); }
  explicit operator bool() const noexcept { return Valid(); }

  Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  // Closes the handle owned (if any) and takes h.
  void Reset(Handle h = Traits::Invalid()) noexcept {
    if (h == handle_)
      return;
    const Handle old = std::exchange(handle_, h);
    if (old != Traits::Invalid())
      Traits::Close(old);
  }

private:
  Handle handle_;
};
