// Time from process start to the first paint of a program's main window, for several programs
// on the same Wine, in interleaved rounds after one unmeasured warm-up start of each.
// Usage: bench_startup RUNS EXE CLASS [EXE CLASS ...] — CLASS names the main window's class.
//
// First paint, seen from outside: the clock starts just before CreateProcess. The window is
// "shown" at the first poll that finds a visible top-level window of that class in the new
// process. It is "painted" at the first poll where, in addition, neither the window nor any
// visible window inside it has an update region left (GetUpdateRect asks the window manager's
// server and sends nothing to the program, so polling does not disturb it), and the program's
// thread has at least once waited for input (WaitForInputIdle), so the paint was not merely
// still pending behind queued work. Every program is measured by this same rule. It counts
// painting into Wine's window surfaces; how long the X server takes to map the window (about
// two seconds without a window manager) is not part of it.
//
// Every program gets the clock's start as TL_LAUNCH_QPC in its environment. One that leaves
// startup_marks.txt in its folder (lines "MS<tab>STEP", MS on the same clock) gets a table of
// when its steps happened, so its start-up time can be broken down.
#include "deadline.h"
#include "harness.h"
#include "scratch_files.h"
#include "window_search.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr DWORD kStartTimeoutMs = 30000;

struct TProgram {
  std::string exe;        // the built executable
  std::string className;  // its main window's class
  std::vector<double> shownMs;
  std::vector<double> paintedMs;
  std::vector<double> roundPaintedMs;  // by round; NaN where the run failed
  std::map<std::string, std::vector<double>> marks;  // step -> when, per run
};

struct TStartup {
  double shownMs;
  double paintedMs;
};

class TClock {
public:
  TClock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  long long StartCount() const { return start_.QuadPart; }
  double ElapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * double(now.QuadPart - start_.QuadPart) / double(frequency_.QuadPart);
  }

private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

BOOL CALLBACK NoteUnpainted(HWND child, LPARAM unpainted) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
    *reinterpret_cast<bool*>(unpainted) = true;
  return TRUE;
}

bool NothingLeftToPaint(HWND window) {
  bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!unpainted)
    EnumChildWindows(window, NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

HWND FindShown(DWORD pid, const std::string& className) {
  for (HWND window : TopLevelWindows(pid, className))
    if (IsWindowVisible(window))
      return window;
  return nullptr;
}

// One start of EXE from a fresh copy in FOLDER, so every run finds the same files.
std::optional<TStartup> MeasureOnce(const TProgram& program, const std::string& folder) {
  MakeEmptyFolder(folder);
  const std::string exe = JoinPath(folder, program.exe.substr(program.exe.find_last_of('\\') + 1));
  CopyFileA(program.exe.c_str(), exe.c_str(), FALSE);
  const TClock clock;
  const TProcess process =
      TProcess::Launch(exe, "", folder, {{"TL_LAUNCH_QPC", std::to_string(clock.StartCount())}});
  std::optional<double> shownMs;
  HWND window = nullptr;
  while (clock.ElapsedMs() < kStartTimeoutMs && process.IsRunning()) {
    window = window ? window : FindShown(process.Id(), program.className);
    if (window) {
      shownMs = shownMs.value_or(clock.ElapsedMs());
      if (NothingLeftToPaint(window) && WaitForInputIdle(process.Handle(), 0) == 0) {
        const double paintedMs = clock.ElapsedMs();
        process.CloseWindowAndWait(window, kExitTimeoutMs);
        return TStartup{*shownMs, paintedMs};
      }
    }
    Sleep(1);
  }
  std::printf("%s: no painted %s window within %lu ms\n", program.exe.c_str(),
              program.className.c_str(), kStartTimeoutMs);
  process.CloseWindowAndWait(window, kExitTimeoutMs);
  return std::nullopt;
}

// The steps a program noted in its folder during the run just ended.
void CollectMarks(TProgram& program, const std::string& folder) {
  std::ifstream in(JoinPath(folder, "startup_marks.txt"));
  double ms;
  std::string step;
  while (in >> ms && std::getline(in >> std::ws, step))
    program.marks[step].push_back(ms);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string BaseName(const TProgram& program) {
  return program.exe.substr(program.exe.find_last_of('\\') + 1);
}

void PrintRow(const TProgram& program) {
  const std::string name = BaseName(program);
  const auto& shown = program.shownMs;
  const auto& painted = program.paintedMs;
  if (painted.empty()) {
    std::printf("%-26s %5d %s\n", name.c_str(), 0, "(no run completed)");
    return;
  }
  std::printf("%-26s %5zu %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f\n", name.c_str(), painted.size(),
              Median(shown), *std::min_element(shown.begin(), shown.end()),
              *std::max_element(shown.begin(), shown.end()), Median(painted),
              *std::min_element(painted.begin(), painted.end()),
              *std::max_element(painted.begin(), painted.end()));
}

// The ratio of A's first paint to B's in each round both completed; the rounds interleave the
// programs, so a slower stretch of the machine weighs on both sides of a round's ratio alike.
std::vector<double> RoundRatios(const TProgram& a, const TProgram& b) {
  std::vector<double> ratios;
  for (size_t round = 0; round < a.roundPaintedMs.size() && round < b.roundPaintedMs.size(); ++round)
    if (!std::isnan(a.roundPaintedMs[round]) && !std::isnan(b.roundPaintedMs[round]))
      ratios.push_back(a.roundPaintedMs[round] / b.roundPaintedMs[round]);
  return ratios;
}

// Every later program's median first paint against every earlier one's.
void PrintRatios(const std::vector<TProgram>& programs) {
  std::printf("\nmedian first paint, ratio (and the median of the rounds' own ratios)\n");
  for (size_t later = 1; later < programs.size(); ++later)
    for (size_t earlier = 0; earlier < later; ++earlier) {
      const TProgram& a = programs[later];
      const TProgram& b = programs[earlier];
      if (a.paintedMs.empty() || b.paintedMs.empty())
        continue;
      const std::vector<double> rounds = RoundRatios(a, b);
      std::printf("%s / %s = %.2f (rounds %.2f)\n", BaseName(a).c_str(), BaseName(b).c_str(),
                  Median(a.paintedMs) / Median(b.paintedMs), rounds.empty() ? 0.0 : Median(rounds));
    }
}

// The steps a program noted, in the order of their median times.
void PrintMarks(const TProgram& program) {
  if (program.marks.empty())
    return;
  std::vector<std::pair<double, std::string>> order;
  for (const auto& [step, times] : program.marks)
    order.emplace_back(Median(times), step);
  std::sort(order.begin(), order.end());
  std::printf("\n%s: its steps, ms from process start (first paint seen from outside: %.1f)\n",
              BaseName(program).c_str(), Median(program.paintedMs));
  std::printf("%-54s %5s %9s %9s %9s\n", "step", "runs", "median", "min", "max");
  for (const auto& [median, step] : order) {
    const std::vector<double>& times = program.marks.at(step);
    std::printf("%-54s %5zu %9.1f %9.1f %9.1f\n", step.c_str(), times.size(), median,
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::printf("usage: bench_startup RUNS EXE CLASS [EXE CLASS ...]\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<TProgram> programs;
  for (int i = 2; i + 1 < argc; i += 2)
    programs.push_back({WindowsPath(argv[i]), argv[i + 1], {}, {}});
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string scratch = std::string(temp) + "tl_startup_bench";

  for (const TProgram& program : programs)
    MeasureOnce(program, scratch);  // warm-up: first loads of DLLs and fonts are not counted
  for (int round = 0; round < runs; ++round)
    for (TProgram& program : programs)
      if (const std::optional<TStartup> startup = MeasureOnce(program, scratch)) {
        program.shownMs.push_back(startup->shownMs);
        program.paintedMs.push_back(startup->paintedMs);
        program.roundPaintedMs.push_back(startup->paintedMs);
        CollectMarks(program, scratch);
      } else {
        program.roundPaintedMs.push_back(std::nan(""));
      }
  RemoveTree(scratch);

  std::printf("start to window shown and to first paint, ms\n");
  std::printf("%-26s %5s %9s %9s %9s %9s %9s %9s\n", "program", "runs", "shown", "min", "max",
              "painted", "min", "max");
  for (const TProgram& program : programs)
    PrintRow(program);
  PrintRatios(programs);
  for (const TProgram& program : programs)
    PrintMarks(program);
  return 0;
}
