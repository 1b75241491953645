#include "remote_controls.h"

#include "deadline.h"
#include "harness_error.h"
#include "owned_handles.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {
namespace {

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kReplyTimeoutMs, &result))
    throw THarnessError(std::string(what) + ": no answer within " +
                        std::to_string(kReplyTimeoutMs) + " ms");
  return static_cast<LRESULT>(result);
}

void PostOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
  if (!PostMessageA(window, message, wParam, lParam))
    throw THarnessError(std::string(what) + ": PostMessage failed, error " +
                        std::to_string(GetLastError()));
}

// Remote buffers are pre-filled with a byte that tells an answer from no answer: 0xFF starts no
// ASCII or GBK text.
constexpr unsigned char kUnanswered = 0xFF;

void MarkUnanswered(const TRemoteBuffer& buffer, SIZE_T size) {
  const std::string marks(size, static_cast<char>(kUnanswered));
  if (!buffer.IsAllocated() || !buffer.Write(marks.data(), marks.size()))
    throw THarnessError("cannot allocate memory in the program's process, error " +
                        std::to_string(GetLastError()));
}

}  // namespace

std::string StatusPanelText(HANDLE process, HWND bar, int panel) {
  const LRESULT lengthAndKind = SendWithTimeout(bar, SB_GETTEXTLENGTHA, panel, 0, "SB_GETTEXTLENGTH");
  const size_t length = LOWORD(lengthAndKind);
  if (length == 0)
    return "";  // a panel without text leaves the buffer untouched
  // The length may count characters, not bytes (Wine's does): GBK takes up to two per character.
  const size_t room = 2 * length + 1;
  TRemoteBuffer buffer(process, room);
  MarkUnanswered(buffer, room);
  SendWithTimeout(bar, SB_GETTEXTA, panel, buffer.Address(), "SB_GETTEXT");
  std::string text(room, '\0');
  if (!buffer.Read(text.data(), text.size()))
    throw THarnessError("cannot read the status text from the program's process");
  text.resize(std::strlen(text.c_str()));
  return text;
}

RECT TabItemRect(HANDLE process, HWND tabs, int index) {
  TRemoteBuffer buffer(process, sizeof(RECT));
  if (!SendWithTimeout(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Address(), "TCM_GETITEMRECT"))
    throw THarnessError("the program has no tab " + std::to_string(index));
  RECT rect{};
  if (!buffer.Read(&rect, sizeof rect))
    throw THarnessError("cannot read the tab's rectangle from the program's process");
  return rect;
}

void Sync(HANDLE process, HWND bar, DWORD ms) {
  // SB_GETRECT lies above WM_USER, so it may be posted with a pointer; unlike a text read it
  // always answers, and no panel rectangle is all 0xFF bytes.
  const std::string unanswered(sizeof(RECT), static_cast<char>(kUnanswered));
  TRemoteBuffer buffer(process, sizeof(RECT));
  MarkUnanswered(buffer, sizeof(RECT));
  PostOrThrow(bar, SB_GETRECT, 0, buffer.Address(), "posting SB_GETRECT");
  const bool answered = WaitFor(ms, [&] {
    std::string rect(sizeof(RECT), '\0');
    return buffer.Read(rect.data(), rect.size()) && rect != unanswered;
  }, 5);
  if (!answered) {
    buffer.Abandon();  // the answer may still be written there later
    throw THarnessError("the program did not work off its posted messages within " +
                        std::to_string(ms) + " ms");
  }
}

void PressButton(HWND button) { PostOrThrow(button, BM_CLICK, 0, 0, "posting BM_CLICK"); }

void SetEditText(HWND edit, const std::string& text) {
  if (!SendWithTimeout(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT"))
    throw THarnessError("the edit refused the text " + text);
}

std::string EditText(HWND edit) {
  char text[4096] = "";
  SendWithTimeout(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), "WM_GETTEXT");
  return text;
}

int ListCount(HWND list) { return static_cast<int>(SendWithTimeout(list, LB_GETCOUNT, 0, 0, "LB_GETCOUNT")); }

void SelectListEntries(HWND list, const std::vector<int>& entries) {
  SendWithTimeout(list, LB_SETSEL, FALSE, -1, "LB_SETSEL");
  for (int entry : entries)
    if (SendWithTimeout(list, LB_SETSEL, TRUE, entry, "LB_SETSEL") == LB_ERR)
      throw THarnessError("the list has no entry " + std::to_string(entry));
  if (!entries.empty())
    SendWithTimeout(list, LB_SETCARETINDEX, entries.back(), FALSE, "LB_SETCARETINDEX");
}

void ClickListEntry(HWND list, int entry) {
  SelectListEntries(list, {entry});
  const int id = GetDlgCtrlID(list);
  PostOrThrow(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
              reinterpret_cast<LPARAM>(list), "posting LBN_SELCHANGE");
}

}  // namespace e2e
