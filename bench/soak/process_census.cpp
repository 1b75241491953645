#include "process_census.h"

#include "probe_channel.h"

#include <psapi.h>

namespace {

struct TWindowTally {
  DWORD pid;
  int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM tally) {
  ++reinterpret_cast<TWindowTally*>(tally)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM tally) {
  auto* t = reinterpret_cast<TWindowTally*>(tally);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == t->pid) {
    ++t->count;
    EnumChildWindows(window, CountChild, tally);
  }
  return TRUE;
}

}  // namespace

TProcessCensus::TProcessCensus(HANDLE process, std::string probeDll)
    : process_(process), pid_(GetProcessId(process)), probeDll_(std::move(probeDll)) {
  section_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                ProbeSectionName(pid_).c_str());
  done_ = CreateEventA(nullptr, FALSE, FALSE, ProbeEventName(pid_).c_str());
}

TProcessCensus::~TProcessCensus() {
  if (section_)
    CloseHandle(section_);
  if (done_)
    CloseHandle(done_);
}

// The probe is loaded by a thread of the program that starts in LoadLibraryA: kernel32 lies at
// the same address in every process of one kind, so its address here is its address there.
int TProcessCensus::CountGdiObjects() const {
  if (!section_ || !done_)
    return -1;
  const size_t size = probeDll_.size() + 1;
  void* remotePath = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remotePath)
    return -1;
  int count = -1;
  auto* loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  if (WriteProcessMemory(process_, remotePath, probeDll_.c_str(), size, nullptr)) {
    ResetEvent(done_);
    if (HANDLE thread = CreateRemoteThread(process_, nullptr, 0, loadLibrary, remotePath, 0, nullptr)) {
      if (WaitForSingleObject(done_, 10000) == WAIT_OBJECT_0) {
        if (auto* answer = static_cast<LONG*>(MapViewOfFile(section_, FILE_MAP_READ, 0, 0, sizeof(LONG)))) {
          count = *answer;
          UnmapViewOfFile(answer);
        }
      }
      WaitForSingleObject(thread, 10000);
      CloseHandle(thread);
    }
  }
  VirtualFreeEx(process_, remotePath, 0, MEM_RELEASE);
  return count;
}

TCensus TProcessCensus::Take() const {
  TCensus census;
  census.gdiObjects = CountGdiObjects();
  TWindowTally tally{pid_, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&tally));
  census.windows = tally.count;
  // The commit charge is the process's private memory; Wine leaves PrivateUsage at 0.
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process_, &memory, sizeof memory))
    census.privateMiB = static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);
  return census;
}
