#include "framework/utility_window.h"

#include "framework/application.h"

namespace {

constexpr char kUtilityWindowClass[] = "TPUtilWindow";
constexpr char kUtilityProperty[] = "TlUtilityWindowObject";  // the object behind the window

void RegisterUtilityClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA cls = {};
  if (GetClassInfoA(instance, kUtilityWindowClass, &cls))
    return;
  cls.lpfnWndProc = procedure;
  cls.hInstance = instance;
  cls.lpszClassName = kUtilityWindowClass;
  RegisterClassA(&cls);
}

}  // namespace

TUtilityWindow::TUtilityWindow(Procedure procedure) : procedure_(std::move(procedure)) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterUtilityClass(instance, &TUtilityWindow::WndProc);
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, instance, nullptr);
  if (!handle_)
    return;
  // Bound after creation: the creation messages themselves only need default handling.
  SetPropA(handle_, kUtilityProperty, this);
}

TUtilityWindow::~TUtilityWindow() {
  if (!handle_)
    return;
  // Unbound first: the destruction messages must not reach an object that is going away.
  RemovePropA(handle_, kUtilityProperty);
  DestroyWindow(handle_);
}

LRESULT CALLBACK TUtilityWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* window = static_cast<TUtilityWindow*>(GetPropA(hwnd, kUtilityProperty));
  if (!window || !window->procedure_)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  CallGuarded([&] { result = window->procedure_(msg, wParam, lParam); });
  return result;
}
