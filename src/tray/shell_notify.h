#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <functional>

// NOTIFYICONDATAA in its 488-byte form (504 in a 64-bit build) (shell32 5.0: tooltip of 128 bytes, balloon fields,
// no GUID), the record the tray icon keeps and hands to the shell.
struct TNotifyIconData {
  DWORD cbSize;             // NOTIFYICONDATAA_V2_SIZE
  HWND hWnd;                // window that receives the callback message
  UINT uID;                 // icon identifier, unique for the window
  UINT uFlags;              // NIF_* bits saying which fields are valid
  UINT uCallbackMessage;    // message posted for mouse and balloon notifications
  HICON hIcon;              // the icon shown
  CHAR szTip[128];          // tooltip, zero-terminated
  DWORD dwState;            // NIS_* state bits
  DWORD dwStateMask;        // which state bits are valid
  CHAR szInfo[256];         // balloon text
  UINT uTimeoutOrVersion;   // balloon time-out, or NOTIFYICON_VERSION for NIM_SETVERSION
  CHAR szInfoTitle[64];     // balloon title
  DWORD dwInfoFlags;        // balloon icon flags
};
static_assert(sizeof(void*) != 4 || sizeof(TNotifyIconData) == 488);
static_assert(sizeof(TNotifyIconData) == NOTIFYICONDATAA_V2_SIZE);
static_assert(offsetof(TNotifyIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(offsetof(TNotifyIconData, szInfo) == offsetof(NOTIFYICONDATAA, szInfo));
static_assert(offsetof(TNotifyIconData, uTimeoutOrVersion) == offsetof(NOTIFYICONDATAA, uVersion));
static_assert(offsetof(TNotifyIconData, dwInfoFlags) == offsetof(NOTIFYICONDATAA, dwInfoFlags));

// The call that gives the shell a tray-icon request. It is Shell_NotifyIconA unless replaced;
// tests replace it to record what would be sent.
using TShellNotifyIcon = std::function<bool(DWORD message, const TNotifyIconData& data)>;

// Replaces the call; an empty function puts Shell_NotifyIconA back.
void SetShellNotifyIcon(TShellNotifyIcon call);
// Sends one request (NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_SETVERSION) through the call.
bool ShellNotifyIcon(DWORD message, const TNotifyIconData& data);
