#include "framework/message_hooks.h"

#include <algorithm>

TMessageHooks::THookId TMessageHooks::Add(Handler hook) {
  const THookId id = nextId_++;
  hooks_.push_back({id, std::make_shared<Handler>(std::move(hook)), false});
  return id;
}

void TMessageHooks::Remove(THookId id) {
  auto hook = std::find_if(hooks_.begin(), hooks_.end(), [id](const THook& h) { return h.Id == id; });
  if (hook == hooks_.end())
    return;
  if (dispatchDepth_ > 0)
    hook->Removed = true;  // a message may be passing it: it goes when the message is through
  else
    hooks_.erase(hook);
}

LRESULT TMessageHooks::CallAt(size_t index, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (size_t i = index; i-- > 0;) {
    if (hooks_[i].Removed)
      continue;
    const std::shared_ptr<Handler> handler = hooks_[i].Handler;  // hooks_ may change inside
    ++dispatchDepth_;
    struct TLeave {
      TMessageHooks* hooks;
      ~TLeave() {
        if (--hooks->dispatchDepth_ == 0)
          std::erase_if(hooks->hooks_, [](const THook& h) { return h.Removed; });
      }
    } leave{this};
    return (*handler)(msg, wParam, lParam);
  }
  return bottom_(msg, wParam, lParam);
}

LRESULT TMessageHooks::CallNext(THookId id, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto hook = std::find_if(hooks_.begin(), hooks_.end(), [id](const THook& h) { return h.Id == id; });
  // A hook already gone passes the message to everything older than the newest live hook.
  const size_t below = hook == hooks_.end() ? hooks_.size() : static_cast<size_t>(hook - hooks_.begin());
  return CallAt(below, msg, wParam, lParam);
}

LRESULT TMessageHooks::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallAt(hooks_.size(), msg, wParam, lParam);
}
