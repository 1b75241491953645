// The program entry: one instance, the application titled "Tapestrel", the main window, the
// message loop. No command line is read.
#include "app/main_form.h"
#include "app/single_instance.h"
#include "framework/application.h"
#include "skin/window/skin_manage.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication application;
  Application = &application;
  TSkinEngineScope skinEngine;
  application.SetTitle("Tapestrel");
  if (!AcquireSingleInstance("Tapestrel")) {
    MessageBoxA(nullptr, "Tapestrel已经运行！", "Error", MB_OK);
    Application = nullptr;
    return 0;
  }
  CreateForm(Form1);
  application.Run();
  Application = nullptr;
  return 0;
}
