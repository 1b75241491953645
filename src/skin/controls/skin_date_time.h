#pragma once
// Date-time pickers: the picker paints its fields, the skinner its border, and a small arrow
// button drawn from the skin lies over the native drop-down button and hands clicks to it.

#include "skin/controls/skin_control.h"

#include <memory>

class TSkinDateTime;

// The arrow button: a child window of the picker over its drop-down button.
class TArrowButton {
public:
  explicit TArrowButton(TSkinDateTime& skinner);
  ~TArrowButton();
  TArrowButton(const TArrowButton&) = delete;
  TArrowButton& operator=(const TArrowButton&) = delete;

  // Creates the window over PICKER's drop-down button.
  void Bind(HWND picker);
  // Places the button by the picker drawn over RECT (window coordinates).
  void Reposition(const RECT& rect);
  void Invalidate();

  HWND Handle() const { return window_; }
  bool Hover() const { return hover_; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnButtonDown(WPARAM wParam, POINT point);
  void OnPaint();
  RECT Place(const RECT& picker) const;

  TSkinDateTime& skinner_;  // supplies the skin
  HWND window_ = nullptr;   // the button
  HWND picker_ = nullptr;   // the date-time picker under it
  int arrowSize_;           // SM_CXHSCROLL
  bool hover_ = false;      // the mouse is over the button
};

class TSkinDateTime : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinDateTime() override;
  const char* ClassName() const override { return "TSkinDateTime"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) override;
  void Detach() override;

  TArrowButton* ArrowButton() const { return arrowButton_.get(); }

protected:
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  std::unique_ptr<TArrowButton> arrowButton_;
};
