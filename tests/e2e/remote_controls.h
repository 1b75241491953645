#pragma once
// Driving the standard controls of another process with messages. Clicks are posted, because
// the program's handlers may open modal boxes; reads are sent with a timeout.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Panel PANEL of status bar BAR in process PROCESS (a full-access handle). The panel texts live
// in the other process, so the answer is written into a buffer allocated there.
std::string StatusPanelText(HANDLE process, HWND bar, int panel);

// Returns once every message posted to BAR's thread before this call has been handled: a
// panel query is posted behind them and the harness waits for its answer. Throws at the
// deadline.
void Sync(HANDLE process, HWND bar, DWORD ms);

// Posts BM_CLICK: the button reports the click to its parent as a user's click would.
void PressButton(HWND button);

void SetEditText(HWND edit, const std::string& text);

// An edit keeps its text to itself, not in the window text the system holds: ask the edit.
std::string EditText(HWND edit);

int ListCount(HWND list);

// Tab INDEX of tab control TABS in process PROCESS, in the control's client coordinates; the
// rectangle is written into a buffer allocated there.
RECT TabItemRect(HANDLE process, HWND tabs, int index);

// Selects exactly ENTRIES of multi-select list LIST, the caret on the last one, without the
// list telling its owner.
void SelectListEntries(HWND list, const std::vector<int>& entries);

// Selects only ENTRY, puts the caret on it and posts the selection-change notice a click on it
// would send to the list's parent.
void ClickListEntry(HWND list, int entry);

}  // namespace e2e
