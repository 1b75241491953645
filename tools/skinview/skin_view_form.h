#pragma once
#include "framework/form.h"

#include "skin_view_options.h"

#include <string>

class TMenuItem;
class TPopupMenu;
class TSkinData;

// One document window of the MDI mode, holding the sample controls.
class TSkinViewDocument : public TForm {
public:
  TSkinViewDocument(TComponent* owner, const std::string& caption);
  const char* ClassName() const override { return "TSkinViewDocument"; }
};

// The skin viewer's window "Skin viewer - <skin name>": a menu bar, a popup menu on the right
// button, the sample controls (or, in MDI mode, two document windows holding them), and the
// skin data component that skins it all. Its controls come from its layout (skin_view_layout.cpp);
// this class is its handlers.
class TSkinViewForm : public TForm {
public:
  TSkinViewForm(TComponent* owner, const TSkinViewOptions& options);
  const char* ClassName() const override { return "TSkinViewForm"; }
  TNotifyEvent MethodAddress(const std::string& name) override;

  void FormCreate(TComponent* sender);
  void OpenSkinClick(TComponent* sender);  // File > Open skin...: another package at run time
  void ExitClick(TComponent* sender);
  void SkinActiveClick(TComponent* sender);  // Skin > Off/On
  void HintsClick(TComponent* sender);       // Skin > Hints: the caption buttons' hints
  void CheckSkinClick(TComponent* sender);   // Skin > Check skin: what the skin's author should fix
  void TileClick(TComponent* sender);
  void CascadeClick(TComponent* sender);
  void MessageBoxClick(TComponent* sender);
  void DialogClick(TComponent* sender);

  // Loads the skin package FILENAME; a file that is no usable package is reported in a message
  // box and the current skin stays. True when loaded.
  bool LoadSkinFile(const std::string& fileName);

  TSkinData* SkinData1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* NSkinActive = nullptr;
  TMenuItem* NHints = nullptr;
  TMenuItem* NWindows = nullptr;
  TMenuItem* PSkinActive = nullptr;
  TMenuItem* PHints = nullptr;

private:
  void BindFields();
  void UpdateCaption();
  LRESULT ContextMenu(LPARAM position);

  TSkinViewOptions options_;        // from the command line
  std::string skinName_ = "default";  // shown in the caption: the skin's own name, else its file's
  THookId contextHook_ = 0;         // opens the popup menu
};
