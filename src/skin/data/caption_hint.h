#pragma once
// The hint shown over a caption button: a small bordered popup with one text, never activated.

#include "framework/core/unique_handle.h"

#include <windows.h>

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

  HWND Handle() const { return window_.Get(); }
  const std::string& Text() const { return text_; }

private:
  struct TWindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyWindow(h); }
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND EnsureWindow();
  void Paint(HWND window) const;

  TUniqueHandle<TWindowTraits> window_;  // made on first use
  std::string text_;                     // the text shown, ANSI
};
