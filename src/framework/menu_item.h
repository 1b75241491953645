#pragma once
#include "framework/core/component.h"

#include <windows.h>

#include <functional>
#include <string>

class TPopupMenu;

// One item of a popup menu. A caption of "-" makes it a separator. Each item has a command
// identifier of its own, unique in the process, by which the menu's WM_COMMAND finds it.
class TMenuItem : public TComponent {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const char* ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The default item is drawn bold and is what a double click on the tray icon chooses.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);

  UINT Command() const { return command_; }
  TPopupMenu* Menu() const { return menu_; }

  // Runs OnClick when the item is enabled.
  void Click();
  // A layout places the item in its menu.
  void SetParentComponent(TComponent* parent) override;
  NotifyEvent OnClick;

  // The live item with that command identifier, or null.
  static TMenuItem* FindByCommand(UINT command);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TPopupMenu;
  void Changed();

  std::string caption_;         // the text; "-" for a separator
  bool enabled_ = true;         // grayed and not clickable when false
  bool default_ = false;        // the menu's default item
  UINT command_;                // WM_COMMAND identifier, 1..0xFFFF
  TPopupMenu* menu_ = nullptr;  // the menu that lists this item
};
