// Scrolling the main window's wallpaper list from top to bottom by line steps, skinned (its
// scroll bars covered by the skin's overlays) against unskinned, in one process: two main forms
// side by side, each list filled with the same entries. A step is WM_VSCROLL SB_LINEDOWN
// followed by every paint it caused (the list's and the overlays'), done before the next step.
// Usage: bench_list_scroll [ENTRIES [ROUNDS]].
#include "../frame_paint/main_form_stand.h"

#include "framework/list_box.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PaintPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
    DispatchMessageA(&msg);
}

// Milliseconds for the whole way down; STEPS counts the steps taken.
double ScrollDown(TListBox& list, int& steps) {
  HWND window = list.Handle();
  SendMessageA(window, LB_SETTOPINDEX, 0, 0);
  PaintPending();
  steps = 0;
  const LARGE_INTEGER start = CounterNow();
  for (;;) {
    const LRESULT before = SendMessageA(window, LB_GETTOPINDEX, 0, 0);
    SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, 0);
    PaintPending();
    if (SendMessageA(window, LB_GETTOPINDEX, 0, 0) == before)
      break;
    ++steps;
  }
  GdiFlush();
  return MsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::max(100, std::atoi(argv[1])) : 10000;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  TMainFormStand stand;
  TForm1* skinned = stand.ShowForm(0, 0, true);
  TForm1* unskinned = stand.ShowForm(620, 0, false);
  if (!skinned || !unskinned) {
    std::printf("the skinned main window did not come up\n");
    return 1;
  }
  std::vector<std::string> items;
  for (int i = 0; i < entries; ++i)
    items.push_back("C:\\Wallpapers\\collection\\picture " + std::to_string(i) + ".jpg");
  struct TSide {
    const char* name;
    TForm1* form;
    std::vector<double> ms;
    int steps = 0;
  } sides[] = {{"skinned", skinned, {}}, {"unskinned", unskinned, {}}};
  for (TSide& side : sides) {
    side.form->FileList->SetItems(items);
    Activate(side.form->Handle());
    PaintPending();
  }
  for (int round = 0; round < rounds; ++round)
    for (TSide& side : sides) {
      Activate(side.form->Handle());
      side.ms.push_back(ScrollDown(*side.form->FileList, side.steps));
    }
  std::printf("FileList with %d entries scrolled top to bottom by line steps, %d rounds\n", entries, rounds);
  std::printf("%-10s %7s %11s %11s %11s\n", "list", "steps", "median ms", "min ms", "ms/step");
  for (const TSide& side : sides)
    std::printf("%-10s %7d %11.1f %11.1f %11.4f\n", side.name, side.steps, Median(side.ms),
                *std::min_element(side.ms.begin(), side.ms.end()), Median(side.ms) / std::max(side.steps, 1));
  std::printf("skinned / unskinned: %.2f (ratio of medians)\n", Median(sides[0].ms) / Median(sides[1].ms));
  return 0;
}
