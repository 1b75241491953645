#include "framework/application.h"

#include "framework/form.h"

#include <algorithm>

TApplication* Application = nullptr;

namespace {

constexpr char kApplicationClass[] = "TApplication";
// The object behind the window is its user data (a property would cost a request per message).
LRESULT CALLBACK ApplicationWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
    if (app->RunMainWindowHooks(msg, wParam, lParam, result))
      return result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterApplicationClass(HINSTANCE instance) {
  WNDCLASSA cls = {};
  if (GetClassInfoA(instance, kApplicationClass, &cls))
    return;
  cls.lpfnWndProc = ApplicationWndProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.lpszClassName = kApplicationClass;
  RegisterClassA(&cls);
}

std::string MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
    return message + ".";
  return message;
}

TApplication::TApplication() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterApplicationClass(instance);
  // Visible but zero-sized, as the owner of the main window; start-up hides it for good.
  handle_ = CreateWindowExA(0, kApplicationClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS |
                                WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                            nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  messageBox_ = [](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  };
}

TApplication::~TApplication() {
  while (!forms_.empty())
    forms_.pop_back();
  mainForm_ = nullptr;
  if (handle_) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_)
    SetWindowTextA(handle_, title_.c_str());
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
  if (!mainForm_)
    mainForm_ = form.get();
  forms_.push_back(std::move(form));
}

bool TApplication::HandleMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root)); form && PreTranslate(*form, msg))
    return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

// What a form's thread does with a message before dispatching it: menu shortcuts, the dialog
// character notification, MDI keys (Ctrl+F4, Ctrl+F6), then Tab and the arrow keys between the
// form's controls. True when the message was used up.
bool TApplication::PreTranslate(TForm& form, MSG& msg) {
  HWND root = form.Handle();
  if (form.IsShortCut(msg))
    return true;
  if (msg.message == WM_SYSCHAR && SendMessageA(root, CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0)
    return true;
  if (form.ClientHandle() && TranslateMDISysAccel(form.ClientHandle(), &msg))
    return true;
  return IsDialogMessageA(root, &msg) != FALSE;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (!terminated_ && HandleMessage(msg)) {
  }
}

HWND TApplication::MainWindow() const {
  return mainForm_ ? mainForm_->Handle() : mainWindow_;
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_)
    mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    if (!HandleMessage(msg))
      WaitMessage();
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception_ptr& error) {
  ShowException(MessageOf(error));
}

void TApplication::ShowException(const std::string& message) {
  if (errorBoxOpen_) {
    ++errorsNotShown_;
    return;
  }
  errorBoxOpen_ = true;
  struct TClosedOnExit {
    bool& open;
    ~TClosedOnExit() { open = false; }
  } closed{errorBoxOpen_};
  ShowMessageBox(ErrorBoxText(message), MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(const std::string& text, UINT flags) {
  HWND owner = GetActiveWindow();
  return messageBox_(owner ? owner : handle_, text, title_, flags);
}

// ---- Hooks on the application window ----

TApplication::HookId TApplication::HookMainWindow(WindowHook hook) {
  const HookId id = nextHookId_++;
  hooks_.emplace_back(id, std::move(hook));
  return id;
}

void TApplication::UnhookMainWindow(HookId id) {
  std::erase_if(hooks_, [id](const auto& entry) { return entry.first == id; });
}

bool TApplication::RunMainWindowHooks(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // A hook may add or remove hooks while it runs: each one still present is looked up afresh,
  // and runs from a copy that outlives its own removal.
  std::vector<HookId> ids;
  for (const auto& entry : hooks_)
    ids.push_back(entry.first);
  for (HookId id : ids) {
    auto it = std::find_if(hooks_.begin(), hooks_.end(), [id](const auto& entry) { return entry.first == id; });
    if (it == hooks_.end())
      continue;
    const WindowHook hook = it->second;
    bool answered = false;
    CallGuarded([&] { answered = hook(msg, wParam, lParam, result); });
    if (answered)
      return true;
  }
  return false;
}
