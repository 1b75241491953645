#pragma once
// A program under test: a copy of its executable in a scratch folder of its own, started with
// CreateProcess, its main window awaited, and ended by closing that window (killed when it
// does not end by the deadline).
#include "owned_handles.h"

#include <windows.h>

#include <map>
#include <string>

namespace e2e {

// Variables to set (or, with an empty value, to set empty) in a started program's environment.
using TEnvironment = std::map<std::string, std::string>;

class TProcess {
public:
  // Starts EXE with ARGUMENTS in FOLDER; the environment is the harness's own with OVERRIDES
  // applied. Throws when the process cannot be created.
  static TProcess Launch(const std::string& exe, const std::string& arguments,
                         const std::string& folder, const TEnvironment& overrides);

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }
  bool IsRunning() const { return WaitForSingleObject(Handle(), 0) == WAIT_TIMEOUT; }
  bool WaitForExit(DWORD ms) const { return WaitForSingleObject(Handle(), ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() const;

  // Posts WM_CLOSE to WINDOW and waits for the process to end; past the deadline it is
  // terminated. True when it ended by itself.
  bool CloseWindowAndWait(HWND window, DWORD ms) const;
  void Kill() const;

private:
  TOwnedHandle process_;
  DWORD id_ = 0;
};

struct TWindowIdentity {
  std::string className;
  std::string caption;
};

class TProgramUnderTest {
public:
  // Empties FOLDER and copies SOURCE_EXE into it under its own name.
  TProgramUnderTest(const std::string& sourceExe, const std::string& folder,
                    TWindowIdentity mainWindow);
  ~TProgramUnderTest();
  TProgramUnderTest(const TProgramUnderTest&) = delete;
  TProgramUnderTest& operator=(const TProgramUnderTest&) = delete;

  const std::string& Folder() const { return folder_; }
  const std::string& ExePath() const { return exe_; }
  std::string PathOf(const std::string& name) const;

  // Variables for the next starts.
  void SetEnvironment(const std::string& name, const std::string& value);

  // Starts the program and waits until its main window is shown; returns that window. Throws
  // when the program ends first or the window does not come by the deadline.
  HWND Start(const std::string& arguments = "");

  // One more process of the same executable, not awaited; for single-instance checks.
  TProcess StartAnother() const;

  bool IsRunning() const { return process_.Handle() && process_.IsRunning(); }
  const TProcess& Process() const { return process_; }
  HWND MainWindow() const { return mainWindow_; }

  // Closes the main window; true when the program ended by itself within MS.
  bool Quit(DWORD ms = 10000);

private:
  std::string folder_;
  std::string exe_;
  TWindowIdentity identity_;
  TEnvironment environment_;
  TProcess process_;
  HWND mainWindow_ = nullptr;
};

}  // namespace e2e
