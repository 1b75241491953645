#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
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
  void HandleException(const std::exception_ptr& error);
  void ShowException(const std::string& message);
  // A message box titled with the application title.
  int ShowMessageBox(const std::string& text, UINT flags);

  // Replaces the platform's MessageBoxA, for tests that read what would be shown.
  using MessageBoxFunction = std::function<int(HWND owner, const std::string& text,
                                               const std::string& caption, UINT flags)>;
  void SetMessageBoxFunction(MessageBoxFunction show) { messageBox_ = std::move(show); }

private:
  bool HandleMessage(MSG& msg);

  std::vector<std::unique_ptr<TForm>> forms_;  // owned, freed before the hidden window
  TForm* mainForm_ = nullptr;
  std::string title_;            // caption of message boxes and of the hidden window
  HWND handle_ = nullptr;        // the hidden "TApplication" window
  bool terminated_ = false;      // set by Terminate() or WM_QUIT
  MessageBoxFunction messageBox_;
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
