#include "tray/shell_notify.h"

#include "framework/core/exceptions.h"
#include "framework/system/system_function.h"

namespace {

bool PlatformShellNotifyIcon(DWORD message, const TNotifyIconData& data) {
  // The shell reads as many bytes as cbSize says, which the record holds exactly.
  auto* record = reinterpret_cast<NOTIFYICONDATAA*>(const_cast<TNotifyIconData*>(&data));
  // The shell's DLL is loaded with the first icon, after the window has painted. Without it the
  // request fails like one the shell refuses.
  static const TSystemFunction<decltype(Shell_NotifyIconA)> notifyIcon{"shell32.dll", "Shell_NotifyIconA"};
  try {
    return notifyIcon(message, record) != FALSE;
  } catch (const EOSError&) {
    return false;
  }
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
