// skinview.exe [SKINFILE] [--mdi]: a window of sample controls with a menu bar, a popup menu,
// a message box and a dialog box, wearing the stored skin or the package SKINFILE; --mdi makes
// it an MDI frame with two document windows.
#include "framework/application.h"
#include "skin/window/skin_manage.h"

#include "skin_view_form.h"
#include "skin_view_options.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication application;
  Application = &application;
  application.SetTitle("Skin viewer");
  TSkinEngineScope skinEngine;
  std::vector<std::string> arguments(__argv + 1, __argv + __argc);
  const TSkinViewOptions options = ParseSkinViewArguments(arguments);
  if (!options.Error.empty()) {
    application.ShowMessageBox(options.Error + ".\nUsage: skinview.exe [SKINFILE] [--mdi]", MB_OK | MB_ICONERROR);
    return 2;
  }
  CallGuarded([&] {
    auto form = std::make_unique<TSkinViewForm>(nullptr, options);
    TSkinViewForm* created = form.get();
    application.AddForm(std::move(form));
    created->AfterConstruction();
  });
  if (application.MainForm())
    application.Run();
  Application = nullptr;
  return 0;
}
