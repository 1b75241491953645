// The real program left running for a while as a user would keep it: rotating a 50-entry list
// every 200 ms while its window is repainted, its pages switched by real clicks and its tray
// menu opened. Prints what the program holds at the start and after every minute, so a leak
// shows as a rising column.
// Usage: bench_soak [MINUTES]   (10 by default)
#include "deadline.h"
#include "desktop_settings.h"
#include "harness.h"
#include "process_census.h"
#include "real_input.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "tessaloom/tessaloom_window.h"
#include "tray_menu.h"
#include "window_search.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr int kListEntries = 50;
constexpr DWORD kRepaintEveryMs = 1000;
constexpr DWORD kPageEveryMs = 3000;
constexpr DWORD kTrayMenuEveryMs = 5000;

void PrepareList(const TProgramUnderTest& program) {
  const std::string folder = program.PathOf("pictures");
  MakeFolders(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < kListEntries; ++i) {
    paths.push_back(JoinPath(folder, "picture" + std::to_string(i) + ".bmp"));
    WriteFileBytes(paths.back(), TinyBitmap(static_cast<uint8_t>(5 * i)));
  }
  WriteFileBytes(program.PathOf("Filelist.txt"), JoinCrLf(paths));
}

void ClickTab(const TProgramUnderTest& program, HWND tabs, int index) {
  RECT r = TabItemRect(program.Process().Handle(), tabs, index);
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// A right click on the program's icon, then Escape once its menu is up. False when no menu came.
bool OpenAndCloseTrayMenu(const TProgramUnderTest& program) {
  const HWND menu = OpenTrayIconMenu(program.Process().Id(), kReplyTimeoutMs);
  if (!menu)
    return false;
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  WaitFor(kReplyTimeoutMs, [&] { return !IsWindowVisible(menu); });
  return true;
}

void PrintRow(const char* when, const TCensus& census, int rotations, int pages, int menus) {
  std::printf("| %-10s | %11d | %7d | %11.2f | %9d | %5d | %5d |\n", when, census.gdiObjects, census.windows,
              census.privateMiB, rotations, pages, menus);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  try {
    TDesktopSettingsGuard desktop;
    TProgramUnderTest program(TESSALOOM_EXE, WindowsPath(SCRATCH_ROOT) + "\\soak", TWindowIdentity{"TForm1", "Muravane"});
    PrepareList(program);
    const HWND main = program.Start();
    const TTessaloomWindow window(program.Process().Handle(), main);
    const std::vector<HWND> tabControls = Descendants(main, WC_TABCONTROLA);
    if (tabControls.size() != 1) {
      std::fprintf(stderr, "the main window has %zu tab controls, not one\n", tabControls.size());
      return 1;
    }
    const HWND tabs = tabControls[0];
    window.SetPeriod("200");
    window.Press(kStart);
    window.Sync();
    WaitUntilClickable(tabs, {10, 10});

    // One round of everything first, so that what is made once and kept (a page's first paint,
    // the menu's pictures, a full repaint's) is in the start figures and only growth shows
    // afterwards.
    for (int page : {1, 2, 0}) {
      ClickTab(program, tabs, page);
      window.Sync();
    }
    OpenAndCloseTrayMenu(program);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    window.Sync();
    const TProcessCensus census(program.Process().Handle(), PROBE_DLL);
    std::printf("Tessaloom.exe rotating %d entries every 200 ms for %d minutes; repainted every %lu ms, "
                "pages switched by real clicks every %lu ms, tray menu opened every %lu ms.\n\n",
                kListEntries, minutes, kRepaintEveryMs, kPageEveryMs, kTrayMenuEveryMs);
    std::printf("| after      | GDI objects | windows | private MiB | rotations | pages | menus |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    int rotations = 0, pages = 0, menus = 0, menuFailures = 0;
    std::string lastWallpaper = ReadDesktopString("Wallpaper").value_or("");
    PrintRow("start", census.Take(), rotations, pages, menus);

    const ULONGLONG start = GetTickCount64();
    ULONGLONG nextRepaint = start, nextPage = start + kPageEveryMs, nextMenu = start + kTrayMenuEveryMs;
    for (int minute = 1; minute <= minutes; ++minute) {
      const ULONGLONG end = start + 60000ull * static_cast<ULONGLONG>(minute);
      while (GetTickCount64() < end) {
        const ULONGLONG now = GetTickCount64();
        if (now >= nextRepaint) {
          RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
          nextRepaint += kRepaintEveryMs;
        }
        if (now >= nextPage) {
          ClickTab(program, tabs, ++pages % 3);
          nextPage += kPageEveryMs;
        }
        if (now >= nextMenu) {
          if (OpenAndCloseTrayMenu(program))
            ++menus;
          else
            ++menuFailures;
          nextMenu += kTrayMenuEveryMs;
        }
        const std::string wallpaper = ReadDesktopString("Wallpaper").value_or("");
        if (wallpaper != lastWallpaper) {
          lastWallpaper = wallpaper;
          ++rotations;
        }
        if (!program.IsRunning()) {
          std::fprintf(stderr, "the program ended during the soak\n");
          return 1;
        }
        Sleep(20);
      }
      PrintRow((std::to_string(minute) + " min").c_str(), census.Take(), rotations, pages, menus);
    }
    if (menuFailures)
      std::printf("\n%d tray menus did not open.\n", menuFailures);
    program.Quit();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "soak: %s\n", error.what());
    return 1;
  }
  return 0;
}
