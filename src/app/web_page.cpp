#include "app/web_page.h"

#include "framework/system/system_function.h"

#include <shellapi.h>

void OpenWebPage(HWND owner, const std::string& address) {
  static const TSystemFunction<decltype(ShellExecuteA)> shellExecute{"shell32.dll", "ShellExecuteA"};
  shellExecute(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
