#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

// A control's chain of message hooks, newest first, above the control's own handling. A hook
// sees each message before the hooks installed before it; it passes a message on with
// CallNext. Hooks may be added and removed in any order, even while a message is passing
// through them. Windowed and windowless controls share it.
class TMessageHooks {
public:
  using Handler = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;
  using THookId = unsigned;

  // BOTTOM is the control's own handling, below every hook.
  explicit TMessageHooks(Handler bottom) : bottom_(std::move(bottom)) {}
  TMessageHooks(const TMessageHooks&) = delete;
  TMessageHooks& operator=(const TMessageHooks&) = delete;

  THookId Add(Handler hook);
  void Remove(THookId id);
  // The message handed on below hook ID: to the next older hook, or to the bottom.
  LRESULT CallNext(THookId id, UINT msg, WPARAM wParam, LPARAM lParam);
  // Sends a message through every hook and the bottom.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

private:
  struct THook {
    THookId Id;
    std::shared_ptr<Handler> Handler;  // shared: a message may be inside it when it goes
    bool Removed;                      // taken out while a message was passing
  };

  // Calls the newest live hook at or below INDEX, or the bottom when there is none.
  LRESULT CallAt(size_t index, UINT msg, WPARAM wParam, LPARAM lParam);

  Handler bottom_;             // the control's own handling
  std::vector<THook> hooks_;   // oldest first
  THookId nextId_ = 1;
  int dispatchDepth_ = 0;      // messages inside the hooks; removed hooks go when it is 0
};
