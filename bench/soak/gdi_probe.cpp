// Loaded into a running program by the soak benchmark: counts the program's live GDI objects
// from inside (GetGuiResources answers 0 under Wine, but every live object has a handle index
// below 0x10000 that GetObjectType recognises), hands the count over through the named section
// the benchmark made, and unloads itself so that the next load counts again.
#include "probe_channel.h"

#include <windows.h>

#include <cstdint>

namespace {

DWORD WINAPI CountAndLeave(void* module) {
  int count = 0;
  for (uintptr_t i = 1; i <= 0xFFFF; ++i)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  const DWORD pid = GetCurrentProcessId();
  HANDLE section = OpenFileMappingA(FILE_MAP_WRITE, FALSE, ProbeSectionName(pid).c_str());
  HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, ProbeEventName(pid).c_str());
  if (section && done) {
    if (auto* answer = static_cast<LONG*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof(LONG)))) {
      *answer = count;
      UnmapViewOfFile(answer);
    }
    SetEvent(done);
  }
  if (section)
    CloseHandle(section);
  if (done)
    CloseHandle(done);
  FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  // The loader lock is held here: the count runs on its own thread once the load is over.
  if (reason == DLL_PROCESS_ATTACH) {
    if (HANDLE thread = CreateThread(nullptr, 0, CountAndLeave, instance, 0, nullptr))
      CloseHandle(thread);
  }
  return TRUE;
}
