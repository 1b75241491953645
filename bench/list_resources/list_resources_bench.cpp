// The live GDI objects and windows of the process around the work of the skin viewer's "Edits
// and lists" page (its list box, memo, list view and scroll bars covered by the skin's overlays):
// scroll steps, combo-box drop-downs and skin switches off and on. Every step runs twice first,
// unmeasured, so that what is made once and kept does not count; a difference after the
// measured repetitions is a leak.
// Usage: bench_list_resources [SCALE] (every repetition count divided by SCALE).
#include "framework/application.h"
#include "framework/combo_box.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/memo.h"
#include "framework/page_control.h"
#include "live_gdi_objects.h"
#include "main_form_stand.h"
#include "skin/data/skin_data.h"
#include "skin/window/skin_manage.h"
#include "skin/window/win_skin_form.h"

#include "skin_view_form.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The windows of this process: top-level ones and every child of theirs; OVERLAYS counts the
// scroll-bar overlays among them.
struct TWindowCount {
  int All = 0;
  int Overlays = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM count) {
  auto& c = *reinterpret_cast<TWindowCount*>(count);
  ++c.All;
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "TWScrollbar")
    ++c.Overlays;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId())
    return TRUE;
  CountChild(window, count);
  EnumChildWindows(window, &CountChild, count);
  return TRUE;
}

TWindowCount ProcessWindows() {
  TWindowCount count;
  EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

template <class T>
T& Named(TForm& form, const char* name) {
  auto* found = dynamic_cast<T*>(form.FindComponent(name));
  if (!found) {
    std::printf("the viewer has no %s\n", name);
    std::exit(1);
  }
  return *found;
}

// One step of the bench: ACT does it once and tells whether it did what it says.
struct TStep {
  const char* name;
  int times;
  std::function<bool()> act;
};

// A line down or up (half the steps each) of WINDOW, and every paint that caused.
std::function<bool()> ScrollSteps(HWND window, int& step, int times) {
  return [window, &step, times] {
    const UINT request = (step++ % times) < times / 2 ? SB_LINEDOWN : SB_LINEUP;
    SendMessageA(window, WM_VSCROLL, request, 0);
    PumpPending();
    return true;
  };
}

}  // namespace

int main(int argc, char** argv) {
  const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  TApplication application;
  Application = &application;
  TSkinEngineScope skinEngine;
  auto form = std::make_unique<TSkinViewForm>(nullptr, TSkinViewOptions{});
  TSkinViewForm& viewer = *form;
  application.AddForm(std::move(form));
  viewer.AfterConstruction();
  viewer.Show();
  SetForegroundWindow(viewer.Handle());
  if (!PumpUntil([&] { return SkinnerRunning(viewer.Handle()); })) {
    std::printf("the viewer's window was not skinned\n");
    return 1;
  }
  auto& pages = Named<TPageControl>(viewer, "Pages");
  pages.SetActivePageIndex(2);
  PumpUntil([] { return false; }, 300);
  TListBox& list = Named<TListBox>(viewer, "LongListBox");
  TMemo& memo = Named<TMemo>(viewer, "LongMemo");
  TListView& view = Named<TListView>(viewer, "ReportView");
  TComboBox& combo = Named<TComboBox>(viewer, "DropDownCombo");
  TSkinData& skin = *viewer.SkinData1;

  int listStep = 0, memoStep = 0, viewStep = 0;
  const int scrolls = 1000 / scale, drops = 100 / scale, switches = 100 / scale;
  int dropsShown = 0, skinnedAgain = 0;
  const std::vector<TStep> steps = {
      {"list box line steps", scrolls, ScrollSteps(list.Handle(), listStep, scrolls)},
      {"memo line steps", scrolls, ScrollSteps(memo.Handle(), memoStep, scrolls)},
      {"list view line steps", scrolls, ScrollSteps(view.Handle(), viewStep, scrolls)},
      {"combo drop-downs", drops,
       [&] {
         SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
         PumpPending();
         const bool shown = SendMessageA(combo.Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
         SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
         PumpPending();
         dropsShown += shown;
         return shown;
       }},
      {"skin off/on switches", switches,
       [&] {
         skin.SetActive(false);
         PumpUntil([&] { return !SkinManage()->FindFormSkinner(viewer.Handle()); });
         skin.SetActive(true);
         const bool back = PumpUntil([&] { return SkinnerRunning(viewer.Handle()); });
         PumpUntil([] { return false; }, 20);
         skinnedAgain += back;
         return back;
       }},
  };

  std::printf("%d live GDI objects and %d windows (%d overlays) with the page shown\n", LiveGdiObjects(),
              ProcessWindows().All, ProcessWindows().Overlays);
  for (const TStep& step : steps)
    for (int i = 0; i < 2; ++i)
      step.act();
  PumpUntil([] { return false; }, 300);
  dropsShown = skinnedAgain = 0;
  listStep = memoStep = viewStep = 0;
  const int gdiStart = LiveGdiObjects();
  const TWindowCount windowsStart = ProcessWindows();
  std::printf("after one warm-up of every step: %d GDI objects, %d windows (%d overlays)\n\n", gdiStart,
              windowsStart.All, windowsStart.Overlays);
  std::printf("%-24s %6s %8s %8s %5s %8s %8s %5s %9s\n", "step", "times", "gdi", "after", "diff", "windows", "after",
              "diff", "overlays");
  for (const TStep& step : steps) {
    const int gdiBefore = LiveGdiObjects();
    const TWindowCount windowsBefore = ProcessWindows();
    int done = 0;
    for (int i = 0; i < step.times; ++i)
      done += step.act();
    PumpUntil([] { return false; }, 200);  // the timers and repaints the step left behind
    const int gdiAfter = LiveGdiObjects();
    const TWindowCount windowsAfter = ProcessWindows();
    std::printf("%-24s %6d %8d %8d %+5d %8d %8d %+5d %4d->%-4d %s\n", step.name, step.times, gdiBefore, gdiAfter,
                gdiAfter - gdiBefore, windowsBefore.All, windowsAfter.All, windowsAfter.All - windowsBefore.All,
                windowsBefore.Overlays, windowsAfter.Overlays, done == step.times ? "" : "(not every repetition did it)");
  }
  std::printf("\nall steps: %d GDI objects before, %d after; %d windows before, %d after\n", gdiStart, LiveGdiObjects(),
              windowsStart.All, ProcessWindows().All);
  std::printf("lists scrolled to: list box top %d, memo first line %d, list view top %d\n",
              static_cast<int>(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0)),
              static_cast<int>(SendMessageA(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)),
              static_cast<int>(SendMessageA(view.Handle(), LVM_GETTOPINDEX, 0, 0)));
  std::printf("drop-downs shown %d of %d, skinned again %d of %d\n", dropsShown, drops, skinnedAgain, switches);
  viewer.Close();
  PumpPending();
  Application = nullptr;
  return 0;
}
