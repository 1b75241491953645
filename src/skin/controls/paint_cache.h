#pragma once
// A skinner's off-screen picture of its control, kept between paints: a control painted again
// in the same state (the same size, frame, caption, focus, colours, font and window styles) is
// copied from it instead of being composed again.

#include "framework/graphics/bitmap.h"

#include <windows.h>

#include <string>

struct TPaintState {
  int Width = 0, Height = 0;
  int Frame = 0;
  bool Focused = false;
  bool Enabled = true;
  COLORREF Text = 0;
  HFONT Font = nullptr;
  std::wstring Caption;
  DWORD Style = 0, ExStyle = 0;  // where text and marks go, and which way text reads

  bool operator==(const TPaintState&) const = default;
};

class TPaintCache {
public:
  // True when the picture shows STATE; otherwise sizes it for STATE, which it shows once the
  // caller has drawn it.
  bool Holds(const TPaintState& state) {
    if (valid_ && state == state_)
      return true;
    if (picture_.Width() != state.Width || picture_.Height() != state.Height)
      picture_.SetSize(state.Width, state.Height);
    state_ = state;
    valid_ = true;
    return false;
  }
  // The skin or the background changed: the next paint composes afresh.
  void Forget() { valid_ = false; }
  HBITMAP Picture() const { return picture_.Handle(); }

private:
  TBitmap picture_;
  TPaintState state_;
  bool valid_ = false;
};
