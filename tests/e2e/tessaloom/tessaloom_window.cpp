#include "tessaloom/tessaloom_window.h"

#include "deadline.h"
#include "harness_error.h"
#include "remote_controls.h"
#include "window_search.h"

#include <commctrl.h>

namespace e2e {
namespace {

HWND TheOnly(const std::vector<HWND>& found, const std::string& what) {
  if (found.size() != 1)
    throw THarnessError("expected one " + what + ", found " + std::to_string(found.size()));
  return found.front();
}

std::vector<HWND> MultiSelectLists(HWND main) {
  std::vector<HWND> lists;
  for (HWND list : Descendants(main, "ListBox"))
    if (StyleOf(list) & LBS_EXTENDEDSEL)
      lists.push_back(list);
  return lists;
}

}  // namespace

TTessaloomWindow::TTessaloomWindow(HANDLE process, HWND main)
    : process_(process),
      main_(main),
      fileList_(TheOnly(MultiSelectLists(main), "multi-select list box")),
      statusBar_(TheOnly(Descendants(main, STATUSCLASSNAMEA), "status bar")) {}

HWND TTessaloomWindow::Button(const std::string& text) const {
  const HWND button = FindDescendant(main_, "Button", text);
  if (!button)
    throw THarnessError("the main window has no button \"" + text + "\"");
  return button;
}

void TTessaloomWindow::Press(const std::string& text) const { PressButton(Button(text)); }

std::string TTessaloomWindow::Panel(int panel) const {
  return StatusPanelText(process_, statusBar_, panel);
}

int TTessaloomWindow::ListCount() const { return e2e::ListCount(fileList_); }

void TTessaloomWindow::Sync() const { e2e::Sync(process_, statusBar_, kWindowTimeoutMs); }

void TTessaloomWindow::SetPeriod(const std::string& milliseconds) const {
  std::vector<HWND> edits;
  for (HWND edit : Descendants(main_, "Edit"))
    if ((StyleOf(edit) & WS_VISIBLE) && EditText(edit) == "25000")
      edits.push_back(edit);
  SetEditText(TheOnly(edits, "period edit reading 25000"), milliseconds);
}

}  // namespace e2e
