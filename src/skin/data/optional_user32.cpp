#include "skin/data/optional_user32.h"

#include "framework/core/unique_handle.h"

namespace {

struct TLibraryTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};
using UniqueLibrary = TUniqueHandle<TLibraryTraits>;

template <class Proc>
Proc Lookup(HMODULE library, const char* name) {
  return library ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

// The library stays loaded while its entry points may be called, until module shutdown.
struct TUser32Library {
  UniqueLibrary Library{LoadLibraryA("user32.dll")};
  TOptionalUser32 Entries{
      Lookup<TOptionalUser32::GetScrollBarInfoProc>(Library.Get(), "GetScrollBarInfo"),
      Lookup<TOptionalUser32::TrackMouseEventProc>(Library.Get(), "TrackMouseEvent"),
      Lookup<TOptionalUser32::GetComboBoxInfoProc>(Library.Get(), "GetComboBoxInfo"),
  };
};

TUser32Library& User32Library() {
  static TUser32Library library;
  return library;
}

// Looked up at start-up, not at the first call from a window procedure.
[[maybe_unused]] const bool kLookedUp = (User32Library(), true);

}  // namespace

TOptionalUser32& OptionalUser32() {
  return User32Library().Entries;
}

bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info) {
  const auto proc = OptionalUser32().GetScrollBarInfo;
  return proc && proc(window, objectId, &info) != 0;
}

void TrackMouseLeave(HWND window) {
  const auto proc = OptionalUser32().TrackMouseEvent;
  if (!proc)
    return;
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof(request);
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = window;
  proc(&request);
}
