#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TForm;

// The application object: its title (the caption of every message box), the hidden top-level
// window of class "TApplication" that owns the main window, the message loop and the error box.
class TApplication {
public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  HWND Handle() const { return handle_; }

  // Takes ownership of a form; the first one becomes the main form, which Run shows and whose
  // closing ends the program.
  void AddForm(std::unique_ptr<TForm> form);
  TForm* MainForm() const { return mainForm_; }

  // Dispatches every queued message, then returns.
  void ProcessMessages();
  // Runs the message loop until Terminate() or WM_QUIT.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The error box: the exception's message under the title, with the error icon and OK.
  // One at a time: the box is modal and keeps dispatching timer messages, so an error raised
  // while it is open (the next tick of a failing timer, say) is counted, not shown in a second
  // box inside the first.
  void HandleException(const std::exception_ptr& error);
  void ShowException(const std::string& message);
  // Errors that came while the error box was open, since the program started.
  int ErrorsNotShown() const { return errorsNotShown_; }
  // A message box titled with the application title.
  int ShowMessageBox(const std::string& text, UINT flags);

  // Replaces the platform's MessageBoxA, for tests that read what would be shown.
  using MessageBoxFunction = std::function<int(HWND owner, const std::string& text,
                                               const std::string& caption, UINT flags)>;
  void SetMessageBoxFunction(MessageBoxFunction show) { messageBox_ = std::move(show); }

  // ---- Hooks on the application window and the main window (used by the tray icon) ----
  // A hook sees each message of the application window before it is handled, in the order the
  // hooks were added; one that returns true has answered it (RESULT) and it goes no further.
  using WindowHook = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;
  using HookId = unsigned;
  HookId HookMainWindow(WindowHook hook);
  void UnhookMainWindow(HookId id);
  // Runs the hooks for one message of the application window; called by its procedure.
  bool RunMainWindowHooks(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The main form's window; a program without a form may name another window instead.
  HWND MainWindow() const;
  void SetMainWindow(HWND window) { mainWindow_ = window; }
  // Whether the main form is shown once it is created (true unless a start-up handler says no).
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }

private:
  bool HandleMessage(MSG& msg);
  bool PreTranslate(TForm& form, MSG& msg);

  std::vector<std::unique_ptr<TForm>> forms_;  // owned, freed before the hidden window
  TForm* mainForm_ = nullptr;
  std::string title_;            // caption of message boxes and of the hidden window
  HWND handle_ = nullptr;        // the hidden "TApplication" window
  bool terminated_ = false;      // set by Terminate() or WM_QUIT
  MessageBoxFunction messageBox_;
  bool errorBoxOpen_ = false;    // the error box is up; errors meanwhile are only counted
  int errorsNotShown_ = 0;       // errors raised while the error box was up

  std::vector<std::pair<HookId, WindowHook>> hooks_;  // application-window hooks, in order
  HookId nextHookId_ = 1;        // the identifier the next hook gets
  HWND mainWindow_ = nullptr;    // the main window when there is no main form
  bool showMainForm_ = true;     // the main form is shown once created
};

// The process's application object, created by the program entry.
extern TApplication* Application;

// The error box's text: MESSAGE with "." appended when its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

// Runs FN from a Windows callback: whatever it throws goes to the error box, never into
// Windows' own frames.
template <typename Fn>
void CallGuarded(Fn&& fn) noexcept {
  try {
    fn();
  } catch (...) {
    if (Application) {
      try {
        Application->HandleException(std::current_exception());
      } catch (...) {
      }
    }
  }
}
