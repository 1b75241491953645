#pragma once
// The main window of the running program as the tests see it: its controls found by class and
// text, pressed, read and set from outside.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Button texts of the main window.
inline const char kAdd[] = "添加";
inline const char kDelete[] = "删除";
inline const char kClear[] = "清空";
inline const char kStart[] = "开始";
inline const char kStop[] = "停止";

class TTessaloomWindow {
public:
  // Finds the controls of MAIN, a window of PROCESS; throws when one is missing.
  TTessaloomWindow(HANDLE process, HWND main);

  HWND Main() const { return main_; }
  HWND FileList() const { return fileList_; }
  HWND Button(const std::string& text) const;

  // Posts a click on the button with TEXT.
  void Press(const std::string& text) const;

  std::string Panel(int panel) const;
  int ListCount() const;

  // A real click in the middle of the control (a button, a tick box), once it can be reached.
  void ClickReally(HWND control) const;
  // A real click on the tick box; true once it shows TICKED and the click's handler has run.
  // Real input reaches the program on its own way, so the box's state is what tells.
  bool ClickTickBox(HWND box, bool ticked) const;
  // A real click on the page tab INDEX (0 管理壁纸, 1 个性设置, 2 更新说明); waits until it is shown.
  void OpenPage(int index) const;

  // Waits until everything posted to the window so far has been handled.
  void Sync() const;

  // The period edit: the only edit shown in its own right whose text is the default "25000",
  // so this works before the period was changed. Its page is opened by a real click and stays
  // open: the page's controls get their windows when it is first shown.
  HWND PeriodEdit() const;
  // Sets the rotation period in the period edit, then opens the first page again.
  void SetPeriod(const std::string& milliseconds) const;

private:
  HANDLE process_;
  HWND main_;
  HWND fileList_;   // the only multi-select list box
  HWND statusBar_;  // two panels
};

}  // namespace e2e
