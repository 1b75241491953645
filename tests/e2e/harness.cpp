#include "harness.h"

#include "deadline.h"
#include "harness_error.h"
#include "scratch_files.h"
#include "window_search.h"

#include <cstring>
#include <vector>

namespace e2e {
namespace {

std::string NameOfEntry(const char* entry) {
  // Entries such as "=Z:=Z:\..." keep a drive's current folder; their name starts after the '='.
  const char* equals = std::strchr(entry + 1, '=');
  return equals ? std::string(entry, equals) : std::string(entry);
}

// The harness's environment with OVERRIDES applied, as a block for CreateProcessA.
std::vector<char> EnvironmentBlock(const TEnvironment& overrides) {
  std::vector<char> block;
  char* own = GetEnvironmentStringsA();
  for (const char* entry = own; *entry; entry += std::strlen(entry) + 1) {
    bool overridden = false;
    for (const auto& [name, value] : overrides)
      overridden = overridden || lstrcmpiA(NameOfEntry(entry).c_str(), name.c_str()) == 0;
    if (!overridden)
      block.insert(block.end(), entry, entry + std::strlen(entry) + 1);
  }
  FreeEnvironmentStringsA(own);
  for (const auto& [name, value] : overrides) {
    const std::string entry = name + "=" + value;
    block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  }
  block.push_back('\0');
  return block;
}

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

TProcess TProcess::Launch(const std::string& exe, const std::string& arguments,
                          const std::string& folder, const TEnvironment& overrides) {
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  std::vector<char> environment = EnvironmentBlock(overrides);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // A loaded Wine now and then fails a start with ERROR_INTERNAL_ERROR, which a second
  // attempt does not meet; any other error is the program's or the test's.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                             folder.c_str(), &startup, &info);
    if (!started && GetLastError() != ERROR_INTERNAL_ERROR)
      break;
    if (!started)
      Sleep(500);
  }
  if (!started)
    throw THarnessError("cannot start " + exe + ", error " + std::to_string(GetLastError()));
  CloseHandle(info.hThread);
  TProcess process;
  process.process_ = TOwnedHandle(info.hProcess);
  process.id_ = info.dwProcessId;
  return process;
}

DWORD TProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(Handle(), &code);
  return code;
}

bool TProcess::CloseWindowAndWait(HWND window, DWORD ms) const {
  if (IsWindow(window))
    PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForExit(ms))
    return true;
  Kill();
  return false;
}

void TProcess::Kill() const {
  TerminateProcess(Handle(), 1);
  WaitForExit(kExitTimeoutMs);
}

TProgramUnderTest::TProgramUnderTest(const std::string& sourceExe, const std::string& folder,
                                     TWindowIdentity mainWindow)
    : folder_(WindowsPath(folder)),
      exe_(JoinPath(folder_, FileNameOf(WindowsPath(sourceExe)))),
      identity_(std::move(mainWindow)) {
  MakeEmptyFolder(folder_);
  if (!CopyFileA(WindowsPath(sourceExe).c_str(), exe_.c_str(), FALSE))
    throw THarnessError("cannot copy " + sourceExe + " to " + exe_ + ", error " +
                        std::to_string(GetLastError()));
}

TProgramUnderTest::~TProgramUnderTest() {
  if (IsRunning())
    Quit();
}

std::string TProgramUnderTest::PathOf(const std::string& name) const { return JoinPath(folder_, name); }

void TProgramUnderTest::SetEnvironment(const std::string& name, const std::string& value) {
  environment_[name] = value;
}

HWND TProgramUnderTest::Start(const std::string& arguments) {
  if (IsRunning())
    throw THarnessError("the program is already running");
  process_ = TProcess::Launch(exe_, arguments, folder_, environment_);
  const std::string window = identity_.className + " \"" + identity_.caption + "\"";
  mainWindow_ = nullptr;
  const bool settled = WaitFor(kWindowTimeoutMs, [&] {
    mainWindow_ = FindShownTopLevel(process_.Id(), identity_.className, identity_.caption);
    return mainWindow_ || !process_.IsRunning();
  });
  if (mainWindow_)
    return mainWindow_;
  if (settled)
    throw THarnessError("the program ended with code " + std::to_string(process_.ExitCode()) +
                        " before its window " + window + " was shown");
  process_.Kill();
  throw THarnessError("the window " + window + " was not shown within " +
                      std::to_string(kWindowTimeoutMs) + " ms");
}

TProcess TProgramUnderTest::StartAnother() const {
  return TProcess::Launch(exe_, "", folder_, environment_);
}

bool TProgramUnderTest::Quit(DWORD ms) {
  const bool byItself = process_.CloseWindowAndWait(mainWindow_, ms);
  mainWindow_ = nullptr;
  return byItself;
}

}  // namespace e2e
