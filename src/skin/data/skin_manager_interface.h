#pragma once
// What a skin data component asks of the process-wide skin manager. The manager finds the
// windows to skin and carries out requests from a timer; there is one per process, made by the
// first skin data component that finishes loading, through the factory the manager's module
// installs.

#include <windows.h>

#include <functional>
#include <memory>

class TSkinData;

// Actions a skin data component schedules.
enum TSkinAction { saActivate = 1, saDeactivate = 2, saSkinChanged = 3 };

// States of the manager: no window activated yet, running.
inline constexpr int kManagerWaiting = 0;
inline constexpr int kManagerRunning = 1;

class ISkinManager {
public:
  virtual ~ISkinManager() = default;

  virtual void RegisterSkinData(TSkinData* skinData) = 0;
  virtual void UnregisterSkinData(TSkinData* skinData) = 0;
  // Installs the window hook on the calling thread.
  virtual void InstallHook() = 0;
  // Runs the action after delayMs; before any window was activated, switches at once instead.
  virtual void Schedule(int action, int delayMs) = 0;
  // The component the pending action is for.
  virtual void SetRequester(TSkinData* skinData) = 0;
  // Drops the cached caption buttons of the requester's windows.
  virtual void RefreshSkin() = 0;
  virtual int State() const = 0;
  virtual void SetState(int state) = 0;
  // Whether new windows get skinned.
  virtual void SetActive(bool active) = 0;
  // Skins the window now; false when it is not to be skinned.
  virtual bool SkinWindow(HWND window) = 0;
};

using TSkinManagerFactory = std::function<std::unique_ptr<ISkinManager>()>;

// The manager's module installs how the manager is made.
void SetSkinManagerFactory(TSkinManagerFactory factory);
// The manager, or null while none has been made.
ISkinManager* SkinManager();
// The manager, made with the factory when there is none yet; null without a factory.
ISkinManager* EnsureSkinManager();
// Destroys the manager (module shutdown, tests).
void DestroySkinManager();
