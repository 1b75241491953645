#pragma once
// Combo boxes of all three styles: the control paints its text and list, the skinner the sunken
// edge and the drop-down button (lit only while the mouse is over the button), and the list of
// a simple combo box gets the skin's scroll bars.

#include "framework/window_subclass.h"
#include "skin/controls/skin_control.h"

#include <memory>

class TComboxScrollBar;
class TSkinScrollbarH;

class TSkinComBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;
  const char* ClassName() const override { return "TSkinComBox"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) override;
  void Detach() override;

  // The extended combo box's inner combo: its edit field is drawn as an edit.
  void SetComboBoxEx(bool comboBoxEx) { isComboBoxEx_ = comboBoxEx; }
  bool IsComboBoxEx() const { return isComboBoxEx_; }
  // The button as last drawn, in window coordinates.
  RECT ButtonRect() const { return buttonRect_; }
  bool Hover() const { return (mouseState_ & mbHover) != 0; }
  HWND ListWindow() const { return listWindow_; }
  TSkinScrollbarH* ListScrollSkinner() const { return listScrollSkinner_; }
  TComboxScrollBar* DropListSkinner() const { return dropListSkinner_; }

protected:
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The host may free the list skinners first when it drops its skinners.
  void Notification(TComponent* component, TOperation operation) override;

  // The list and edit windows of the combo; with SKINLIST the list gets the skin's scroll bars.
  void BindParts(bool skinList);
  static void FreeListSkinner(TSkinControl* skinner);
  void SubclassEdit();
  bool EditFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnMouseMove(POINT point);
  void SetHover(bool hover);
  // The frame of the button's state: pressed, focused or hot, normal; disabled over all.
  int StateFrame() const;
  void DrawFlat(HDC dc, const RECT& rect, int frame);
  void DrawComboBoxEx(HDC dc, const RECT& rect, int frame);
  void DrawUsual(HDC dc, const RECT& rect, int frame);

  DWORD comboStyle_ = 0;                        // the window style, refreshed at every paint
  DWORD comboExStyle_ = 0;
  HWND listWindow_ = nullptr;                   // the drop-down or simple list
  HWND editWindow_ = nullptr;                   // the edit field of a drop-down combo
  std::unique_ptr<TWindowSubclass> editHook_;   // the edit's messages repaint the button
  TSkinScrollbarH* listScrollSkinner_ = nullptr;  // the simple style's list bars, owned
  TComboxScrollBar* dropListSkinner_ = nullptr;   // the drop-down list's bar, owned
  RECT buttonRect_{};                           // the button as last drawn
  bool isComboBoxEx_ = false;
};
