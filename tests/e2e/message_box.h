#pragma once
// Message boxes of another process: found by their dialog class and caption, read, dismissed.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct TMessageBox {
  HWND window;          // the "#32770" dialog
  std::string caption;  // its title
  std::string text;     // the message (the Static child with id 0xFFFF)
};

// The first shown message box of process PID, any caption; nullopt if none is open.
std::optional<TMessageBox> FindMessageBox(DWORD pid);
// Every shown message box of process PID.
std::vector<TMessageBox> FindMessageBoxes(DWORD pid);

// Waits for a shown message box of PID titled CAPTION. Throws at the deadline, naming any other
// box that is open instead.
TMessageBox WaitForMessageBox(DWORD pid, const std::string& caption, DWORD ms);

// Presses OK (or Cancel, where there is no OK) and waits until the box is gone; throws at the
// deadline.
void DismissMessageBox(const TMessageBox& box, DWORD ms);

}  // namespace e2e
