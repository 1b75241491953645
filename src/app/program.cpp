#include "app/program.h"

#include "app/main_form.h"
#include "app/single_instance.h"
#include "framework/application.h"
#include "skin/window/skin_manage.h"

#include <windows.h>

#include <optional>

int RunProgram(bool skinned) {
  TApplication application;
  Application = &application;
  std::optional<TSkinEngineScope> skinEngine;
  if (skinned)
    skinEngine.emplace();
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
