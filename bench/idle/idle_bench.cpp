// What the program does while nobody uses it: the program runs skinned in this process, and
// message hooks on its thread count every message it handles (retrieved from its queue or sent
// to it) in three stretches, each after a few seconds of settling: the window shown with the
// rotation stopped, the window hidden, and rotating at the period the settings edit holds.
// A wake-up is a message handled more than kWakeGapMs after the one before it, so the messages
// one tick brings (the tick, the wallpaper change, the preview's paint) count as one.
// Usage: bench_idle [SECONDS_STOPPED [SECONDS_ROTATING]]  (defaults 60 and 100)
//
// The stretches are driven from a second thread that posts the program's thread a message this
// file's hook acts on there (hide, Start), so the program is driven on its own thread, as its
// tray menu and buttons would drive it. The list file next to the program is written with one
// entry (the default wallpaper it extracts) so Start has something to rotate.
#include "app/exe_folder.h"
#include "app/main_form.h"
#include "app/program.h"
#include "framework/button.h"
#include "thread_message_hooks.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kWakeGapMs = 100;
constexpr DWORD kSettleMs = 5000;
constexpr UINT kActHide = WM_APP + 0x3A0;
constexpr UINT kActStart = WM_APP + 0x3A1;
constexpr UINT kActClose = WM_APP + 0x3A2;

struct TCounts {
  int handled = 0;  // messages retrieved or sent in
  int timers = 0;   // WM_TIMER and the system's timer message
  int wakeUps = 0;
  std::map<std::pair<std::string, UINT>, int> byKind;  // (window class, message) -> count
};

DWORD mainThread = 0;
LARGE_INTEGER frequency{};
std::mutex countsLock;
TCounts counts;
double lastMessageMs = -1e9;
std::atomic<bool> counting{false};

double NowMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

std::string ClassOf(HWND window) {
  if (!window)
    return "(thread)";
  char name[128] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

void Count(HWND window, UINT message) {
  if (!counting)
    return;
  const double now = NowMs();
  const std::lock_guard lock(countsLock);
  ++counts.handled;
  if (message == WM_TIMER || message == 0x0118 /* the system's timer */)
    ++counts.timers;
  if (now - lastMessageMs > kWakeGapMs)
    ++counts.wakeUps;
  lastMessageMs = now;
  ++counts.byKind[{ClassOf(window), message}];
}

// Runs on the program's thread, outside any window procedure of the program.
void Act(UINT action) {
  if (!Form1)
    return;
  try {
    if (action == kActHide)
      ShowWindow(Form1->Handle(), SW_HIDE);
    else if (action == kActStart)
      Form1->ButtonStart->Click();
    else if (action == kActClose)
      Form1->Close();
  } catch (...) {
    std::fprintf(stderr, "bench_idle: the action %u failed\n", action - WM_APP);
  }
}

// The driver's requests arrive as thread messages; everything else is counted.
void Note(HWND window, UINT message) {
  if (!window && message >= kActHide && message <= kActClose)
    Act(message);
  else
    Count(window, message);
}

TCounts Measure(DWORD ms) {
  Sleep(kSettleMs);
  {
    const std::lock_guard lock(countsLock);
    counts = TCounts{};
    lastMessageMs = -1e9;
  }
  counting = true;
  Sleep(ms);
  counting = false;
  const std::lock_guard lock(countsLock);
  return counts;
}

void Print(const char* stretch, DWORD ms, const TCounts& c) {
  std::printf("%-34s %6.0f s %8d %8d %8d\n", stretch, ms / 1000.0, c.handled, c.timers, c.wakeUps);
  std::vector<std::pair<int, std::string>> kinds;
  for (const auto& [kind, n] : c.byKind) {
    char line[200];
    std::snprintf(line, sizeof line, "    %-28s 0x%04X", kind.first.c_str(), kind.second);
    kinds.emplace_back(n, line);
  }
  std::sort(kinds.rbegin(), kinds.rend());
  for (size_t i = 0; i < kinds.size() && i < 8; ++i)
    std::printf("%s %8d\n", kinds[i].second.c_str(), kinds[i].first);
}

DWORD Seconds(int argc, char** argv, int index, DWORD fallback) {
  return argc > index ? static_cast<DWORD>(std::atoi(argv[index])) : fallback;
}

// One entry, the default wallpaper the program writes next to itself at start.
void WriteOneEntryList() {
  const std::string folder = ExeFolder();
  const std::string entry = folder + "Wallpaper.BMP\r\n";
  HANDLE file = CreateFileA((folder + "Filelist.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return;
  DWORD written = 0;
  WriteFile(file, entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
  CloseHandle(file);
}

struct TPlan {
  DWORD stoppedMs;
  DWORD rotatingMs;
};

DWORD WINAPI Drive(void* parameter) {
  const TPlan plan = *static_cast<const TPlan*>(parameter);
  for (int i = 0; i < 300 && !(Form1 && IsWindowVisible(Form1->Handle())); ++i)
    Sleep(100);
  std::printf("%-34s %8s %8s %8s %8s\n", "stretch", "length", "messages", "timers", "wake-ups");
  Print("shown, rotation stopped", plan.stoppedMs, Measure(plan.stoppedMs));
  PostThreadMessageA(mainThread, kActHide, 0, 0);
  Print("hidden, rotation stopped", plan.stoppedMs, Measure(plan.stoppedMs));
  PostThreadMessageA(mainThread, kActStart, 0, 0);
  Print("hidden, rotating", plan.rotatingMs, Measure(plan.rotatingMs));
  std::fflush(stdout);
  PostThreadMessageA(mainThread, kActClose, 0, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QueryPerformanceFrequency(&frequency);
  static TPlan plan{Seconds(argc, argv, 1, 60) * 1000, Seconds(argc, argv, 2, 100) * 1000};
  WriteOneEntryList();
  mainThread = GetCurrentThreadId();
  const TThreadMessageHooks hooks(Note);
  HANDLE driver = CreateThread(nullptr, 0, Drive, &plan, 0, nullptr);
  const int result = RunProgram(true);
  WaitForSingleObject(driver, INFINITE);
  CloseHandle(driver);
  return result;
}
