#pragma once
#include "framework/core/exceptions.h"

#include <windows.h>

#include <utility>

// A call into the system that could not be made: a system DLL or one of its functions is missing.
class EOSError : public Exception { public: using Exception::Exception; };

// A module of the system folder, loaded on first use and kept for the life of the process, or
// null when it cannot be loaded. Only the system folder is searched: a DLL of that name in the
// program's folder or the current folder is never loaded.
HMODULE SystemLibrary(const char* dll);

// The address of NAME in the system DLL, loading the DLL on first use. EOSError "DLL: NAME not
// found" when the DLL or the function is missing.
FARPROC SystemProcAddress(const char* dll, const char* name);

// A function of a system DLL bound when it is first called, so that a DLL only some commands
// need is not loaded, with everything it imports, at process start. FN is the function's own
// type, so the call is checked as a direct call would be:
//   const TSystemFunction<decltype(ShellExecuteA)> shellExecute{"shell32.dll", "ShellExecuteA"};
template <class Fn>
class TSystemFunction {
public:
  constexpr TSystemFunction(const char* dll, const char* name) : dll_(dll), name_(name) {}

  Fn* Get() const {
    if (!address_)
      address_ = reinterpret_cast<Fn*>(reinterpret_cast<void*>(SystemProcAddress(dll_, name_)));
    return address_;
  }

  template <class... Args>
  decltype(auto) operator()(Args&&... args) const {
    return Get()(std::forward<Args>(args)...);
  }

private:
  const char* dll_;
  const char* name_;
  mutable Fn* address_ = nullptr;  // the program's one GUI thread binds it; the value never changes
};
