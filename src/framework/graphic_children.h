#pragma once
#include <windows.h>

#include <vector>

class TGraphicControl;

// The windowless controls of one parent window: painted after the window itself, and handed
// the mouse messages over them, each in its own coordinates.
class TGraphicChildren {
public:
  int Count() const { return static_cast<int>(children_.size()); }
  TGraphicControl* At(int index) const { return children_.at(static_cast<size_t>(index)); }
  bool AnyVisible() const;
  void Insert(TGraphicControl* child);
  // Forgets the child, also as the one under the mouse or holding it.
  void Remove(TGraphicControl* child);
  // Lets go of every child (the parent goes first).
  void Orphan();

  // Sends every visible child that UPDATE meets (client coordinates of WINDOW) a WM_PAINT whose
  // wParam is a DC of WINDOW with the origin at the child's top-left, clipped to the child and
  // to UPDATE.
  void PaintOver(HWND window, HRGN update) const;
  // A mouse message of WINDOW: tells children the mouse came or went, and hands the message to
  // the child under the mouse, or to the one that took the button press. True when a child got
  // it; RESULT is its answer.
  bool RouteMouse(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The mouse left WINDOW (WM_MOUSELEAVE) or WINDOW lost the capture (WM_CAPTURECHANGED).
  void MouseLeft();
  void CaptureLost();

private:
  TGraphicControl* ChildAt(POINT point) const;
  void SetHot(HWND window, TGraphicControl* child);

  std::vector<TGraphicControl*> children_;  // in creation order, the last on top
  TGraphicControl* hot_ = nullptr;          // the child under the mouse
  TGraphicControl* captured_ = nullptr;     // took a button press: gets the mouse until release
};
