#include "window_search.h"

namespace e2e {
namespace {

struct TSearch {
  DWORD pid;                 // wanted owner process; 0 while enumerating children
  const std::string& className;
  std::vector<HWND> found;
};

bool ClassIs(HWND window, const std::string& className) {
  return className.empty() || lstrcmpiA(ClassNameOf(window).c_str(), className.c_str()) == 0;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TSearch*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && ClassIs(window, search->className))
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TSearch*>(context);
  if (ClassIs(window, search->className))
    search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::string ClassNameOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  // A fixed buffer: GetWindowTextLengthA would send a message to the other thread.
  char text[4096] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

std::vector<HWND> TopLevelWindows(DWORD pid, const std::string& className) {
  TSearch search{pid, className, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ShownTopLevelWindows(DWORD pid) {
  std::vector<HWND> shown;
  for (HWND window : TopLevelWindows(pid, ""))
    if (IsWindowVisible(window))
      shown.push_back(window);
  return shown;
}

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info{sizeof info};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

HWND FindShownTopLevel(DWORD pid, const std::string& className, const std::string& caption) {
  for (HWND window : TopLevelWindows(pid, className))
    if (IsWindowVisible(window) && TextOf(window) == caption)
      return window;
  return nullptr;
}

std::vector<HWND> Descendants(HWND parent, const std::string& className) {
  TSearch search{0, className, {}};
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindDescendant(HWND parent, const std::string& className, const std::string& text) {
  for (HWND window : Descendants(parent, className))
    if (TextOf(window) == text)
      return window;
  return nullptr;
}

HWND VerticalOverlay(HWND main, HWND window) {
  RECT target{};
  GetWindowRect(window, &target);
  for (HWND overlay : Descendants(main, "TWScrollbar")) {
    RECT r{};
    GetWindowRect(overlay, &r);
    if (IsWindowVisible(overlay) && r.right <= target.right && r.right >= target.right - 3 && r.top <= target.top + 3 &&
        r.bottom >= target.bottom - 3 && r.right - r.left == GetSystemMetrics(SM_CXVSCROLL))
      return overlay;
  }
  return nullptr;
}

}  // namespace e2e
