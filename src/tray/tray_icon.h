#pragma once
#include "framework/application.h"
#include "framework/core/component.h"
#include "framework/graphics/icon.h"
#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "framework/shift_state.h"
#include "framework/window_subclass.h"
#include "tray/shell_notify.h"
#include "tray/simple_timer.h"
#include "tray/tray_window.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// A non-visual component that owns one icon in the notification area. It adds, changes and
// removes the icon through the shell (ShellNotifyIcon), turns the icon's mouse notifications
// into events, pops up its popup menu, can cycle through the icons of an image list, can
// minimise the main window to the tray, and puts its icon back when the taskbar is re-created.
//
// The framework has no design time, so DesignPreview is only stored: every shell call is made.
// "The main form" is the application's main window (TApplication::MainWindow); "the owner's
// window" is the owner's window when the owner is a windowed control (TWinControl).
class TTrayIcon : public TComponent {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;
  using MouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
  using MouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
  using CycleEvent = std::function<void(TComponent* sender, int nextIndex)>;
  using StartupEvent = std::function<void(TComponent* sender, bool& showMainForm)>;

  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  const char* ClassName() const override { return "TTrayIcon"; }

  // Called by the form's layout reader once every stored property is set: asks OnStartup
  // whether the main form is shown, then applies IconVisible, CycleIcons, WantEnterExitEvents
  // and the notification style.
  void Loaded() override;

  // ---- Published properties ----
  bool DesignPreview() const { return designPreview_; }
  void SetDesignPreview(bool preview) { designPreview_ = preview; }
  TImageList* IconList() const { return iconList_; }
  void SetIconList(TImageList* list);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool cycle);
  uint32_t CycleInterval() const { return cycleInterval_; }
  void SetCycleInterval(uint32_t interval);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  // The owned icon; a change of it (a load, SetHandle, Assign) refreshes the shell's icon.
  TIcon* Icon() { return &icon_; }
  void SetIcon(const TIcon& icon);
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);
  // Icons made while held keep their requests to the shell (its DLL and the tray are slow to
  // reach) until ReleaseShell, which sends what they then are: a program holds them while its
  // main window is made and releases them once it has painted.
  static void HoldNewIcons(bool hold);
  void ReleaseShell();

  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  bool LeftPopup() const { return leftPopup_; }
  void SetLeftPopup(bool leftPopup) { leftPopup_ = leftPopup; }
  bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
  void SetWantEnterExitEvents(bool want);
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }

  // ---- Published events ----
  NotifyEvent OnClick, OnDblClick;
  MouseEvent OnMouseDown, OnMouseUp;
  MouseMoveEvent OnMouseMove;
  NotifyEvent OnMouseEnter, OnMouseExit;
  CycleEvent OnCycle;
  NotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
  NotifyEvent OnMinimizeToTray;
  StartupEvent OnStartup;

  // Notification style: 0 classic, 1 the shell's version-3 style. Public but not published;
  // it stays 0 in this program.
  int NotificationStyle = 0;

  // The record handed to the shell, as last filled.
  const TNotifyIconData& IconData() const { return iconData_; }

protected:
  // Adds / removes / changes the shell's icon; the result is the shell's answer.
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool RefreshIcon();

  void Notification(TComponent* component, TOperation operation) override;

  // Event dispatchers: each raises its event when one is assigned.
  virtual void Click();
  virtual void DblClick();
  virtual void Cycle(int nextIndex);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseExit();
  // Hides the main form and shows the icon.
  virtual void DoMinimizeToTray();

private:
  friend class TTrayIconHandler;

  // The tray window's callback message, one handler per notification.
  void HandleNotification(UINT notification);
  void OnTrayMouseMove();
  void OnTrayLeftDown();
  void OnTrayLeftUp();
  void OnTrayLeftDoubleClick();
  void OnTrayRightDown();
  void OnTrayRightUp();
  void OnTrayMiddle(bool down);
  void OnTrayBalloon(const NotifyEvent& event);

  // Timer callbacks.
  void CycleStep();
  void ClickTimerExpired();
  void ExitCheck();

  // The application window's hook and its messages.
  void InstallHooks();
  bool ApplicationHook(UINT msg, WPARAM wParam, LPARAM lParam);
  void StartupCheck();
  void RestoreMainForm();
  // The owner window's filter and its messages.
  bool OwnerFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OwnerShown();
  bool MinimizeRequested(LRESULT& result);

  bool Notify(DWORD message);
  void FillIconData();
  void CopyImageToIcon(int index);
  void HideMainForm();
  void PopupAtCursor();
  bool AutoPopupMenu() const { return popupMenu_ && popupMenu_->AutoPopup(); }
  HWND TrayWindow() const { return handler_->Handle(); }

  // Published state.
  bool designPreview_ = false;           // stored only (no design time)
  TImageList* iconList_ = nullptr;       // icons for cycling, not owned
  bool cycleIcons_ = false;              // cycling through iconList_
  uint32_t cycleInterval_ = 0;           // ms between cycle steps
  bool enabled_ = true;                  // false ignores every mouse notification
  std::string hint_;                     // tooltip text
  bool showHint_ = true;                 // the tooltip is given to the shell
  TIcon icon_;                           // the icon shown
  bool iconVisible_ = false;             // the icon is in the notification area
  bool shellHeld_ = false;               // requests wait for ReleaseShell
  int iconIndex_ = 0;                    // current index into iconList_
  TPopupMenu* popupMenu_ = nullptr;      // menu the mouse opens, not owned
  bool leftPopup_ = false;               // the left button opens the menu too
  bool wantEnterExitEvents_ = false;     // pointer enter / exit reported
  bool minimizeToTray_ = false;          // minimising the main form hides it to the tray

  // Further state.
  UINT iconId_;                          // the shell's identifier: this object's address
  bool clickStarted_ = false;            // a left press came in
  bool clickReady_ = false;              // ... and its release, waiting for the click timer
  TSimpleTimer cycleTimer_;              // steps through iconList_
  TSimpleTimer clickTimer_;              // tells a single click from a double click
  TSimpleTimer exitTimer_;               // polls for the pointer leaving the icon
  int lastX_ = 0, lastY_ = 0;            // pointer position at the last move report
  bool pointerOutside_ = true;           // no move report since the pointer left
  bool doubleClickSeen_ = false;         // a double click came while the click timer ran
  bool startupCheckPending_ = true;      // the MDI start-up check has not run yet
  TNotifyIconData iconData_{};           // the record handed to the shell

  // Hooks, installed at construction and removed at destruction.
  TTrayIconHandler* handler_;                    // the shared tray window
  TApplication* hookedApplication_ = nullptr;    // the application hooked, if any
  TApplication::HookId applicationHook_ = 0;     // our hook on its window
  std::unique_ptr<TWindowSubclass> ownerFilter_; // our filter on the owner's window
};
