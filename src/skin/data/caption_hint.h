#pragma once
// The hint shown over a caption button: a small bordered popup with one text, never activated.

#include "framework/message_window.h"

#include <windows.h>

#include <optional>
#include <string>

class TCaptionHint {
public:
  TCaptionHint() = default;
  TCaptionHint(const TCaptionHint&) = delete;
  TCaptionHint& operator=(const TCaptionHint&) = delete;

  // The rectangle, at (0, 0), that shows the text in lines of at most maxWidth pixels.
  RECT CalcHintRect(int maxWidth, const std::string& text);
  // Shows the text in the rectangle (screen coordinates), above every other window.
  void ActivateHint(const RECT& rect, const std::string& text);
  void Hide();

  HWND Handle() const { return window_ ? window_->Handle() : nullptr; }
  const std::string& Text() const { return text_; }

private:
  LRESULT HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const;
  HWND EnsureWindow();
  void Paint(HWND window) const;

  std::string text_;                      // the text shown, ANSI
  std::optional<TMessageWindow> window_;  // made on first use; last, so it goes first
};
