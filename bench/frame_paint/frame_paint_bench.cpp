// Full repaints of the program's main window, skinned against unskinned, in one process: two
// main forms TForm1 side by side, one wearing the skin and one left to the system frame. A
// repaint is RedrawWindow of frame, background and every child, painted before it returns.
// Rounds alternate between the two forms; each form is the active window while it is timed.
// Usage: bench_frame_paint [ROUNDS [REPAINTS]] — REPAINTS per form per round.
#include "main_form_stand.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

struct TSide {
  const char* name;
  TForm1* form;
  std::vector<double> msPerRepaint;  // one figure per round
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double TimeRepaints(HWND window, int repaints) {
  const LARGE_INTEGER start = CounterNow();
  for (int i = 0; i < repaints; ++i)
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
  GdiFlush();
  return MsSince(start) / repaints;
}

void PrintSize(const TSide& side) {
  RECT window{}, client{};
  GetWindowRect(side.form->Handle(), &window);
  GetClientRect(side.form->Handle(), &client);
  std::printf("%-10s window %ld x %ld, client %ld x %ld, frame skinner %s\n", side.name,
              window.right - window.left, window.bottom - window.top, client.right, client.bottom,
              SkinnerRunning(side.form->Handle()) ? "running" : "none");
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const int repaints = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  TMainFormStand stand;
  TForm1* skinned = stand.ShowForm(0, 0, true);
  TForm1* unskinned = stand.ShowForm(620, 0, false);
  if (!skinned || !unskinned) {
    std::printf("the skinned main window did not come up\n");
    return 1;
  }
  std::vector<TSide> sides = {{"skinned", skinned, {}}, {"unskinned", unskinned, {}}};
  for (const TSide& side : sides)
    PrintSize(side);

  for (TSide& side : sides) {  // warm-up: first paints build caches and load fonts
    Activate(side.form->Handle());
    TimeRepaints(side.form->Handle(), repaints);
  }
  for (int round = 0; round < rounds; ++round)
    for (TSide& side : sides) {
      Activate(side.form->Handle());
      side.msPerRepaint.push_back(TimeRepaints(side.form->Handle(), repaints));
    }

  std::printf("\nfull repaint of the main window, ms per repaint (%d rounds of %d)\n", rounds,
              repaints);
  std::printf("%-10s %9s %9s %9s\n", "form", "median", "min", "max");
  for (const TSide& side : sides)
    std::printf("%-10s %9.3f %9.3f %9.3f\n", side.name, Median(side.msPerRepaint),
                *std::min_element(side.msPerRepaint.begin(), side.msPerRepaint.end()),
                *std::max_element(side.msPerRepaint.begin(), side.msPerRepaint.end()));
  std::vector<double> ratios;
  for (int round = 0; round < rounds; ++round)
    ratios.push_back(sides[0].msPerRepaint[round] / sides[1].msPerRepaint[round]);
  std::printf("skinned / unskinned: %.2f (ratio of medians), %.2f (median of per-round ratios)\n",
              Median(sides[0].msPerRepaint) / Median(sides[1].msPerRepaint), Median(ratios));
  return 0;
}
