#include "framework/dialogs.h"

#include "framework/application.h"

void ShowMessage(const std::string& text) {
  if (Application)
    Application->ShowMessageBox(text, MB_OK);
}
