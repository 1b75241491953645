#pragma once
// The skin manager: finds the windows of the process that are to be skinned (a WH_CBT hook on
// the GUI thread) and hands each to a skinner, and carries out the skin data components'
// requests a little later, from a timer, never inside the caller's own message handling.

#include "framework/timer.h"
#include "skin/data/skin_manager_interface.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TForm;
class TSkinData;
class TWinControl;
class TWinSkinForm;
class TWinSkinPopMenu;

// States of the manager beyond the interface's waiting and running.
inline constexpr int kManagerShuttingDown = 4;
// The action that frees skinners whose window is gone.
inline constexpr int saFreeReleased = 6;
// What kind of menu the next popup menu window belongs to.
enum TPopupMode { pmContext = 0, pmMenuBar = 1, pmWindowMenu = 2 };

class TSkinManage : public ISkinManager {
public:
  TSkinManage();
  ~TSkinManage() override;

  // ISkinManager
  void RegisterSkinData(TSkinData* skinData) override;
  void UnregisterSkinData(TSkinData* skinData) override;
  void InstallHook() override;
  void Schedule(int action, int delayMs) override;
  void SetRequester(TSkinData* skinData) override { requester_ = skinData; }
  void RefreshSkin() override;
  int State() const override { return state_; }
  void SetState(int state) override { state_ = state; }
  void SetActive(bool active) override { active_ = active; }
  bool SkinWindow(HWND window) override;
  // Skins a form about to be shown for the first time, its frame set up at once: shown, the
  // window is painted once, in its skin, with no frame change on the screen after it.
  void SkinBeforeFirstShow(TForm& form);

  bool Active() const { return active_; }
  // Skins a visible top-level form's window.
  void SkinForm(TWinControl* form);
  TWinSkinForm* FindFormSkinner(HWND window) const;
  void RemoveFormSkinner(HWND window);
  int FormSkinnerCount() const { return static_cast<int>(forms_.size()); }
  // The framework control of a window, null for a foreign one.
  static TWinControl* FindFormObject(HWND window);

  // Popup menu windows.
  void AttachPopupMenu(HWND window);
  bool DetachPopupMenu(HWND window);
  bool IsPopupAttached(HWND window) const;
  void BindPopupMenu(HMENU menu);
  TWinSkinPopMenu* PopupFor(HMENU menu) const;
  void MarkPopupsFromMenuBar();
  int PopupMode() const { return popupMode_; }
  void SetPopupMode(int mode) { popupMode_ = mode; }
  void SetMenuBarPopup(bool fromBar) { menuBarPopup_ = fromBar; }

  // MDI.
  bool MDIMaximized() const { return mdiMaximized_; }
  void SetMDIMaximized(bool maximized);
  HWND MDIClient() const { return mdiClient_; }
  void SetMDIClient(HWND client, TWinControl* form) { mdiClient_ = client, mdiForm_ = form; }

  // Which component's skin a window gets; null when there is none.
  TSkinData* SelectSkinData(HWND window, const std::string& className) const;
  TSkinData* MainSkinData() const { return mainSkinData_; }

  // Runs the pending action now (the timer's handler).
  void RunPendingAction();

private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void HandleCreate(HWND window, const CBT_CREATEWNDA& create);
  void Purge();
  // The skinner now attached to WINDOW, or null if it is not to be skinned; its set-up is
  // still to come.
  TWinSkinForm* Attach(HWND window);
  bool PassesNameFilter(HWND window, const std::string& className);
  void UnskinAndFree(size_t index);
  void Activate(TSkinData& requester);
  void Deactivate(TSkinData& requester);
  void ApplySkinChange(TSkinData& requester);

  TTimer timer_;                                        // runs the pending action
  std::vector<std::unique_ptr<TWinSkinForm>> forms_;    // one per skinned window
  std::vector<std::unique_ptr<TWinSkinPopMenu>> popupMenus_;  // one per open popup menu window
  std::vector<TSkinData*> skinDatas_;                   // in registration order, not owned
  bool active_ = false;          // new windows get skinned
  bool forcing_ = false;         // walking the existing forms during activation
  int state_ = kManagerWaiting;
  int popupMode_ = pmContext;
  bool menuBarPopup_ = false;    // the next popup windows open from a skinned menu bar
  bool mdiMaximized_ = false;    // an MDI child is maximised
  HWND mdiClient_ = nullptr;     // the MDI client of the MDI frame form
  TWinControl* mdiForm_ = nullptr;
  int pendingAction_ = 0;
  TSkinData* requester_ = nullptr;     // who asked for the pending action
  TSkinData* mainSkinData_ = nullptr;  // the first main-form component
  HHOOK hook_ = nullptr;
};

// The process's manager, or null while none was made.
TSkinManage* SkinManage();
// Makes the skin data components create this manager; call once at start-up.
void InstallSkinManage();

// A program's skin engine: the manager is installed for the scope's lifetime, from before the
// first form to after the message loop, and lets go of every window before the forms go.
class TSkinEngineScope {
public:
  TSkinEngineScope() { InstallSkinManage(); }
  ~TSkinEngineScope() { DestroySkinManager(); }
  TSkinEngineScope(const TSkinEngineScope&) = delete;
  TSkinEngineScope& operator=(const TSkinEngineScope&) = delete;
};
