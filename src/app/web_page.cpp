#include "app/web_page.h"

#include <shellapi.h>

void OpenWebPage(HWND owner, const std::string& address) {
  ShellExecuteA(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
