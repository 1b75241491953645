#include "app/folder_dialog.h"

#include <shlobj.h>

#include <vector>

namespace {

constexpr char kAnswerVariable[] = "TESSALOOM_BROWSE_FOLDER";

// The scripted answer, if a test set one.
bool ScriptedAnswer(std::string& answer) {
  const DWORD length = GetEnvironmentVariableA(kAnswerVariable, nullptr, 0);
  if (length == 0)
    return false;
  std::vector<char> buffer(length);
  GetEnvironmentVariableA(kAnswerVariable, buffer.data(), length);
  answer = buffer.data();
  return true;
}


}  // namespace

bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) {
  std::string answer;
  if (ScriptedAnswer(answer)) {
    if (answer.empty())
      return false;
    folder = answer;
    return true;
  }
  // The dialog is a shell COM object: the thread needs COM while it is open.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  char display[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  char path[MAX_PATH] = {};
  const bool ok = chosen && SHGetPathFromIDListA(chosen, path);
  CoTaskMemFree(chosen);
  if (SUCCEEDED(com))
    CoUninitialize();
  if (!ok)
    return false;
  folder = path;
  return true;
}
