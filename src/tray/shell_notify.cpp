#include "tray/shell_notify.h"

namespace {

bool PlatformShellNotifyIcon(DWORD message, const TNotifyIconData& data) {
  // The shell reads as many bytes as cbSize says, which the record holds exactly.
  auto* record = reinterpret_cast<NOTIFYICONDATAA*>(const_cast<TNotifyIconData*>(&data));
  return Shell_NotifyIconA(message, record) != FALSE;
}

TShellNotifyIcon& CurrentCall() {
  static TShellNotifyIcon call = &PlatformShellNotifyIcon;
  return call;
}

}  // namespace

void SetShellNotifyIcon(TShellNotifyIcon call) {
  CurrentCall() = call ? std::move(call) : TShellNotifyIcon(&PlatformShellNotifyIcon);
}

bool ShellNotifyIcon(DWORD message, const TNotifyIconData& data) {
  return CurrentCall()(message, data);
}
