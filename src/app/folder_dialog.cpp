#include "app/folder_dialog.h"

#include "framework/system/system_function.h"

#include <shlobj.h>

#include <vector>

namespace {

constexpr wchar_t kAnswerVariable[] = L"TESSALOOM_BROWSE_FOLDER";

// The scripted answer, if a test set one, in the ANSI code page. Read as UTF-16 and converted
// here, so the text is sized in bytes of the code page (two for a Chinese character) and not in
// characters, which would cut it short.
bool ScriptedAnswer(std::string& answer) {
  const DWORD length = GetEnvironmentVariableW(kAnswerVariable, nullptr, 0);
  if (length == 0)
    return false;
  std::vector<wchar_t> wide(length);
  const int chars = static_cast<int>(GetEnvironmentVariableW(kAnswerVariable, wide.data(), length));
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, nullptr, 0, nullptr, nullptr);
  answer.assign(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, answer.data(), bytes, nullptr, nullptr);
  return true;
}

// The dialog's DLLs, loaded the first time a folder is chosen.
const TSystemFunction<decltype(CoInitializeEx)> coInitializeEx{"ole32.dll", "CoInitializeEx"};
const TSystemFunction<decltype(CoUninitialize)> coUninitialize{"ole32.dll", "CoUninitialize"};
const TSystemFunction<decltype(CoTaskMemFree)> coTaskMemFree{"ole32.dll", "CoTaskMemFree"};
const TSystemFunction<decltype(SHBrowseForFolderA)> browseForFolder{"shell32.dll", "SHBrowseForFolderA"};
const TSystemFunction<decltype(SHGetPathFromIDListA)> pathFromIdList{"shell32.dll", "SHGetPathFromIDListA"};

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
  const HRESULT com = coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  char display[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = browseForFolder(&info);
  char path[MAX_PATH] = {};
  const bool ok = chosen && pathFromIdList(chosen, path);
  coTaskMemFree(chosen);
  if (SUCCEEDED(com))
    coUninitialize();
  if (!ok)
    return false;
  folder = path;
  return true;
}
