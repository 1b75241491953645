// The program, with or without its skin engine (SKINNED, set by the build), noting when each step
// of its start-up happens, so the benchmark can tell where the time goes. Window hooks of the
// main thread see the steps without any change to the program (they cost every sent message a
// little, so the noting programs start more slowly than the plain ones): the first creation of a
// window of each class, the last creation before the main form is activated, the first
// activation and the first paint of each class (queued or sent). Times are milliseconds since the
// benchmark's clock started, which it passes as TL_LAUNCH_QPC (a performance-counter value;
// Wine's counter is one clock for every process). Recording stops at the first WM_CLOSE; the
// marks are written to startup_marks.txt in the current folder when the program has ended.
#include "app/program.h"
#include "thread_message_hooks.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <algorithm>
#include <string>
#include <vector>

namespace {

struct TMark {
  double ms;
  std::string what;
};

LARGE_INTEGER launch{};          // the benchmark's clock start
LARGE_INTEGER frequency{};
std::vector<TMark> marks;
std::set<std::string> seen;      // labels already marked: only first occurrences count
bool recording = true;           // until the first WM_CLOSE
HHOOK cbtHook = nullptr;

double NowMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * double(now.QuadPart - launch.QuadPart) / double(frequency.QuadPart);
}

std::string ClassOf(HWND window) {
  char name[128] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

void MarkFirst(const std::string& what) {
  if (recording && seen.insert(what).second)
    marks.push_back({NowMs(), what});
}

// Moves the mark WHAT to now, so it tells when the last of its kind happened.
void MarkLatest(const std::string& what) {
  if (!recording)
    return;
  std::erase_if(marks, [&what](const TMark& mark) { return mark.what == what; });
  marks.push_back({NowMs(), what});
}

void NoteMessage(HWND window, UINT message) {
  if (message == WM_CLOSE)
    recording = false;
  else if (message == WM_PAINT)
    MarkFirst("paint " + ClassOf(window));
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  const HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND) {
    MarkFirst("create " + ClassOf(window));
    if (!seen.contains("activate TForm1"))
      MarkLatest("last window created before the main form's activation");
  } else if (code == HCBT_ACTIVATE) {
    MarkFirst("activate " + ClassOf(window));
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

void WriteMarks() {
  FILE* out = std::fopen("startup_marks.txt", "w");
  if (!out)
    return;
  for (const TMark& mark : marks)
    std::fprintf(out, "%.3f\t%s\n", mark.ms, mark.what.c_str());
  std::fclose(out);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  QueryPerformanceFrequency(&frequency);
  const char* start = std::getenv("TL_LAUNCH_QPC");
  launch.QuadPart = start ? std::strtoll(start, nullptr, 10) : 0;
  MarkFirst("WinMain entered");
  cbtHook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
  int result = 0;
  {
    const TThreadMessageHooks hooks(NoteMessage);
    result = RunProgram(SKINNED != 0);
  }
  UnhookWindowsHookEx(cbtHook);
  WriteMarks();
  return result;
}
