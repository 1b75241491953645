// A small stand-in program for proving the end-to-end harness: the kinds of windows the
// harness drives (buttons, a multi-select and a plain list box, edits, a two-panel status bar,
// message boxes, a single-instance box) and nothing else.
//   Greet button:  message box "Tapestrel"; afterwards panel 0 tells which button closed it.
//   Copy button:   panel 0 takes the text of the visible edit.
//   Delete button: removes the selected entries; panel 0 tells how many are left.
//   Entry click:   panel 1 takes the entry under the caret.
//   /ignore-close: WM_CLOSE is ignored, so only termination ends the program.
//   /exit-at-once: ends with code 3 before making a window.
//   TL_STAND_IN_GREETING in the environment: panel 0's text at start.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kGreetId = 101;
constexpr int kCopyId = 102;
constexpr int kDeleteId = 103;
constexpr int kListId = 104;
constexpr int kEditId = 105;

struct TStandIn {
  HWND list;       // the multi-select list
  HWND edit;       // the visible edit
  HWND status;     // two panels
  bool ignoreClose;
};
TStandIn g_standIn{};

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
           int y, int width, int height) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void SetPanel(int panel, const std::string& text) {
  SendMessageA(g_standIn.status, SB_SETTEXTA, panel, reinterpret_cast<LPARAM>(text.c_str()));
}

void CreateControls(HWND window) {
  Child(window, "BUTTON", "问候", BS_PUSHBUTTON, kGreetId, 10, 10, 80, 24);
  Child(window, "BUTTON", "复制", BS_PUSHBUTTON, kCopyId, 100, 10, 80, 24);
  Child(window, "BUTTON", "删除", BS_PUSHBUTTON, kDeleteId, 190, 10, 80, 24);
  g_standIn.list = Child(window, "LISTBOX", "", WS_BORDER | LBS_NOTIFY | LBS_EXTENDEDSEL, kListId,
                         10, 44, 160, 120);
  for (const char* entry : {"甲", "乙", "丙", "丁", "戊"})
    SendMessageA(g_standIn.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  Child(window, "LISTBOX", "", WS_BORDER, 0, 600, 44, 100, 60);  // off-screen plain list
  g_standIn.edit = Child(window, "EDIT", "25000", WS_BORDER | ES_AUTOHSCROLL, kEditId, 180, 44,
                         100, 22);
  CreateWindowExA(0, "EDIT", "25000", WS_CHILD, 180, 70, 100, 22, window, nullptr,
                  GetModuleHandleA(nullptr), nullptr);  // hidden twin with the same text
  g_standIn.status = Child(window, STATUSCLASSNAMEA, "", 0, 0, 0, 0, 0, 0);
  const int edges[] = {200, -1};
  SendMessageA(g_standIn.status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  const char* greeting = std::getenv("TL_STAND_IN_GREETING");
  SetPanel(0, greeting ? greeting : "就绪");
}

void Greet(HWND window) {
  const int pressed = MessageBoxA(window, "你好，世界", "Tapestrel", MB_OK);
  SetPanel(0, pressed == IDOK ? "IDOK" : "other");
}

void CopyEditText() {
  char text[256] = "";
  GetWindowTextA(g_standIn.edit, text, sizeof text);
  SetPanel(0, text);
}

void DeleteSelected() {
  const int count = static_cast<int>(SendMessageA(g_standIn.list, LB_GETCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; --i)
    if (SendMessageA(g_standIn.list, LB_GETSEL, i, 0) > 0)
      SendMessageA(g_standIn.list, LB_DELETESTRING, i, 0);
  SetPanel(0, std::to_string(SendMessageA(g_standIn.list, LB_GETCOUNT, 0, 0)));
}

void ShowCaretEntry() {
  const int caret = static_cast<int>(SendMessageA(g_standIn.list, LB_GETCARETINDEX, 0, 0));
  char text[256] = "";
  SendMessageA(g_standIn.list, LB_GETTEXT, caret, reinterpret_cast<LPARAM>(text));
  SetPanel(1, text);
}

void OnCommand(HWND window, int id, int code) {
  if (id == kGreetId && code == BN_CLICKED)
    Greet(window);
  else if (id == kCopyId && code == BN_CLICKED)
    CopyEditText();
  else if (id == kDeleteId && code == BN_CLICKED)
    DeleteSelected();
  else if (id == kListId && code == LBN_SELCHANGE)
    ShowCaretEntry();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    CreateControls(window);
    return 0;
  case WM_COMMAND:
    OnCommand(window, LOWORD(wParam), HIWORD(wParam));
    return 0;
  case WM_CLOSE:
    if (!g_standIn.ignoreClose)
      DestroyWindow(window);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  CreateMutexA(nullptr, FALSE, "TlE2eStandIn");
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    MessageBoxA(nullptr, "替身已经运行！", "Error", MB_OK);
    return 2;
  }
  if (std::strstr(commandLine, "/exit-at-once"))
    return 3;
  g_standIn.ignoreClose = std::strstr(commandLine, "/ignore-close") != nullptr;
  InitCommonControls();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "TlStandIn";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "TlStandIn", "Stand-in", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 420, 260, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
