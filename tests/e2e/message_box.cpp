#include "message_box.h"

#include "deadline.h"
#include "harness_error.h"
#include "window_search.h"

namespace e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;
const char kDialogClass[] = "#32770";

TMessageBox Describe(HWND window) {
  const HWND text = GetDlgItem(window, kMessageTextId);
  return {window, TextOf(window), text ? TextOf(text) : std::string()};
}

std::optional<TMessageBox> FindShownBox(DWORD pid, const std::string* caption) {
  for (HWND window : TopLevelWindows(pid, kDialogClass))
    if (IsWindowVisible(window) && (!caption || TextOf(window) == *caption))
      return Describe(window);
  return std::nullopt;
}

}  // namespace

std::optional<TMessageBox> FindMessageBox(DWORD pid) { return FindShownBox(pid, nullptr); }

std::vector<TMessageBox> FindMessageBoxes(DWORD pid) {
  std::vector<TMessageBox> boxes;
  for (HWND window : TopLevelWindows(pid, kDialogClass))
    if (IsWindowVisible(window))
      boxes.push_back(Describe(window));
  return boxes;
}

TMessageBox WaitForMessageBox(DWORD pid, const std::string& caption, DWORD ms) {
  std::optional<TMessageBox> box;
  if (WaitFor(ms, [&] { return (box = FindShownBox(pid, &caption)).has_value(); }))
    return *box;
  std::string failure = "no message box \"" + caption + "\" within " + std::to_string(ms) + " ms";
  if (const std::optional<TMessageBox> other = FindMessageBox(pid))
    failure += "; open instead: \"" + other->caption + "\": " + other->text;
  throw THarnessError(failure);
}

void DismissMessageBox(const TMessageBox& box, DWORD ms) {
  const int button = GetDlgItem(box.window, IDOK) ? IDOK : IDCANCEL;
  PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.window, button)));
  if (!WaitFor(ms, [&] { return !IsWindow(box.window); }))
    throw THarnessError("the message box \"" + box.caption + "\" did not close within " +
                        std::to_string(ms) + " ms");
}

}  // namespace e2e
