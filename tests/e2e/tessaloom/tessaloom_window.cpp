#include "tessaloom/tessaloom_window.h"

#include "deadline.h"
#include "harness_error.h"
#include "real_input.h"
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

void TTessaloomWindow::ClickReally(HWND control) const {
  RECT r{};
  GetWindowRect(control, &r);
  const POINT middle{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
  if (!WaitUntilClickable(control, middle))
    throw THarnessError("the control cannot be reached by a click");
  ClickAt(r.left + middle.x, r.top + middle.y);
  Sync();
}

bool TTessaloomWindow::ClickTickBox(HWND box, bool ticked) const {
  ClickReally(box);
  const LRESULT wanted = ticked ? BST_CHECKED : BST_UNCHECKED;
  const bool reached = WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == wanted; });
  Sync();
  return reached;
}

void TTessaloomWindow::OpenPage(int index) const {
  HWND tabs = TheOnly(Descendants(main_, WC_TABCONTROLA), "page control");
  RECT r = TabItemRect(process_, tabs, index);
  const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  if (!WaitUntilClickable(tabs, middle))
    throw THarnessError("the page tabs cannot be reached by a click");
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  if (!WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index; }))
    throw THarnessError("page " + std::to_string(index) + " did not open");
  Sync();
}

void TTessaloomWindow::Sync() const { e2e::Sync(process_, statusBar_, kWindowTimeoutMs); }

HWND TTessaloomWindow::PeriodEdit() const {
  OpenPage(1);
  std::vector<HWND> edits;
  for (HWND edit : Descendants(main_, "Edit"))
    if ((StyleOf(edit) & WS_VISIBLE) && EditText(edit) == "25000")
      edits.push_back(edit);
  return TheOnly(edits, "period edit reading 25000");
}

void TTessaloomWindow::SetPeriod(const std::string& milliseconds) const {
  SetEditText(PeriodEdit(), milliseconds);
  OpenPage(0);
}

}  // namespace e2e
