#pragma once
// The program's main window inside a benchmark process: the application and the skin manager as
// the program sets them up, and main forms TForm1 made as the program makes them, shown where
// the benchmark puts them. A form can be kept unskinned by the skin's own rule: the tag 99.

#include "app/main_form.h"

#include <windows.h>

#include <functional>

class TMainFormStand {
public:
  TMainFormStand();
  ~TMainFormStand();
  TMainFormStand(const TMainFormStand&) = delete;
  TMainFormStand& operator=(const TMainFormStand&) = delete;

  // A new TForm1 shown with its top-left corner at LEFT, TOP, made the active window; when
  // SKINNED, returned once its frame skinner runs. Null when that does not happen in time.
  TForm1* ShowForm(int left, int top, bool skinned);

private:
  TApplication application_;
};

// Whether WINDOW has a frame skinner that has finished its set-up.
bool SkinnerRunning(HWND window);
// Makes WINDOW the active window and handles what that sends and posts.
void Activate(HWND window);
// Dispatches the thread's messages until DONE answers true (true) or MS milliseconds have
// passed (false).
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 5000);
// Dispatches what is queued now.
void PumpPending();
// Milliseconds since START, a performance-counter value.
double MsSince(const LARGE_INTEGER& start);
LARGE_INTEGER CounterNow();
