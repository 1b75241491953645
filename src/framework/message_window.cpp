#include "framework/message_window.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"

#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The module that holds the window procedure, which is the one its classes belong to.
HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void RegisterMessageWindowClass(const TMessageWindowClass& cls, WNDPROC procedure) {
  WNDCLASSA existing{};
  if (GetClassInfoA(ModuleInstance(), cls.name, &existing)) {
    // A window of a class with another procedure would never be bound to its owner.
    if (existing.lpfnWndProc != procedure)
      throw EInvalidOperation(std::string("Window class ") + cls.name + " belongs to another window procedure");
    return;
  }
  WNDCLASSA wc{};
  wc.style = cls.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ModuleInstance();
  wc.hCursor = cls.cursor;
  wc.hbrBackground = cls.background;
  wc.lpszClassName = cls.name;
  if (!RegisterClassA(&wc))
    throw EOutOfResources("Out of system resources");
}

}  // namespace

TMessageWindow::TMessageWindow(const TMessageWindowClass& cls, const TMessageWindowStyle& style,
                               Handler handler)
    : handler_(std::move(handler)) {
  RegisterMessageWindowClass(cls, &TMessageWindow::WndProc);
  // The handle is stored at WM_NCCREATE, so the handler can use it from the first message on.
  if (!CreateWindowExA(style.exStyle, cls.name, "", style.style, 0, 0, 0, 0, style.parent, nullptr,
                       ModuleInstance(), this))
    throw EOutOfResources("Out of system resources");
}

TMessageWindow::~TMessageWindow() {
  if (handle_)
    DestroyWindow(handle_);
}

// The owner is kept in the window's user data: reading it back costs no request to the window
// manager, where a property would cost one on every message.
LRESULT CALLBACK TMessageWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    // Null when another module creates a window of this class by name: it stays unbound.
    self = static_cast<TMessageWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (self) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->handle_ = hwnd;
    }
  }
  if (!self)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  // Unbound before the handler sees the last message: it may free the owner, and nothing after
  // the handler touches the owner, which any message may have freed.
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  LRESULT result = 0;
  if (self->handler_)
    CallGuarded([&] { result = self->handler_(hwnd, msg, wParam, lParam); });
  else
    result = DefWindowProcA(hwnd, msg, wParam, lParam);
  return result;
}
