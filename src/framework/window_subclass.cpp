#include "framework/window_subclass.h"

#include "framework/application.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

struct TChain {
  WNDPROC original = nullptr;               // the window's procedure before the first filter
  std::vector<TWindowSubclass*> filters;    // oldest first
};

std::mutex chainsLock;
std::unordered_map<HWND, TChain> chains;    // the windows that have, or had, our procedure
uint64_t nextOrder = 1;

}  // namespace

TWindowSubclass::TWindowSubclass(HWND window, Filter filter)
    : window_(window), filter_(std::make_shared<const Filter>(std::move(filter))), order_(0),
      installed_(false) {
  if (!window_ || GetWindowThreadProcessId(window_, nullptr) != GetCurrentThreadId())
    return;
  const std::lock_guard lock(chainsLock);
  auto found = chains.find(window_);
  if (found == chains.end()) {
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindowSubclass::ChainProc)));
    if (!original)
      return;
    found = chains.emplace(window_, TChain{original, {}}).first;
  }
  order_ = nextOrder++;
  found->second.filters.push_back(this);
  installed_ = true;
}

TWindowSubclass::~TWindowSubclass() {
  Remove();
}

void TWindowSubclass::Remove() {
  if (!installed_)
    return;
  installed_ = false;
  const std::lock_guard lock(chainsLock);
  const auto found = chains.find(window_);
  if (found == chains.end())
    return;  // the window has gone, and its chain with it
  TChain& chain = found->second;
  std::erase(chain.filters, this);
  // The last filter out gives the window back its procedure, unless another was put over ours:
  // then ours stays, passing every message straight on.
  if (chain.filters.empty() &&
      GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TWindowSubclass::ChainProc)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
    chains.erase(found);
  }
}

LRESULT TWindowSubclass::Default(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return CallBelow(window_, order_, msg, wParam, lParam);
}

LRESULT TWindowSubclass::CallBelow(HWND hwnd, uint64_t order, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindowSubclass* next = nullptr;
  WNDPROC original = nullptr;
  {
    const std::lock_guard lock(chainsLock);
    const auto found = chains.find(hwnd);
    if (found == chains.end())
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto& filters = found->second.filters;
    const auto below = std::find_if(filters.rbegin(), filters.rend(),
                                    [order](const TWindowSubclass* s) { return s->order_ < order; });
    if (below != filters.rend())
      next = *below;
    original = found->second.original;
  }
  // The chain is only changed on this thread, so NEXT stays alive until it runs.
  return next ? next->Run(msg, wParam, lParam) : CallWindowProcW(original, hwnd, msg, wParam, lParam);
}

LRESULT TWindowSubclass::Run(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A nested message loop inside the filter may free this object: what passing the message on
  // needs is copied first.
  const std::shared_ptr<const Filter> filter = filter_;
  const HWND window = window_;
  const uint64_t order = order_;
  LRESULT result = 0;
  CallGuarded([&] {
    if (!*filter || !(*filter)(msg, wParam, lParam, result))
      result = CallBelow(window, order, msg, wParam, lParam);
  });
  return result;
}

LRESULT CALLBACK TWindowSubclass::ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallBelow(hwnd, UINT64_MAX, msg, wParam, lParam);
  // The window is gone: so is its chain (its filters' Remove finds nothing to do).
  if (msg == WM_NCDESTROY) {
    const std::lock_guard lock(chainsLock);
    if (const auto found = chains.find(hwnd); found != chains.end()) {
      for (TWindowSubclass* filter : found->second.filters)
        filter->installed_ = false;
      chains.erase(found);
    }
  }
  return result;
}
