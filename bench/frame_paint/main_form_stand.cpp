#include "main_form_stand.h"

#include "skin/window/skin_manage.h"
#include "skin/window/win_skin_form.h"

TMainFormStand::TMainFormStand() {
  Application = &application_;
  application_.SetTitle("Tapestrel");
  InstallSkinManage();
}

TMainFormStand::~TMainFormStand() {
  // As the program: the manager lets go of every window before the forms go.
  DestroySkinManager();
  SetSkinManagerFactory(nullptr);
  Application = nullptr;
}

TForm1* TMainFormStand::ShowForm(int left, int top, bool skinned) {
  TForm1* form = nullptr;
  CreateForm(form);
  if (!skinned)
    form->SetTag(99);
  form->SetPosition(TPosition::poDesigned);
  form->SetBounds(left, top, form->Width(), form->Height());
  form->Show();
  Activate(form->Handle());
  if (skinned && !PumpUntil([form] { return SkinnerRunning(form->Handle()); }))
    return nullptr;
  PumpUntil([] { return false; }, 200);  // the set-up's own repaints and timers
  return form;
}

bool SkinnerRunning(HWND window) {
  const TWinSkinForm* skinner = SkinManage() ? SkinManage()->FindFormSkinner(window) : nullptr;
  return skinner && skinner->State() == ssRunning;
}

void Activate(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  PumpUntil([window] { return GetActiveWindow() == window; }, 1000);
  PumpPending();
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (done())
      return true;
    if (GetTickCount() - start > ms)
      return false;
    Sleep(5);
  }
}

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

LARGE_INTEGER CounterNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

double MsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(CounterNow().QuadPart - start.QuadPart) / double(frequency.QuadPart);
}
