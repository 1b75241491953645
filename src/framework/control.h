#pragma once
#include "framework/core/component.h"

#include <windows.h>

#include <functional>
#include <string>

class TWinControl;

// A control placed on a parent at a position, backed by a real window once its parent has one.
// Every message of the window passes through WindowProc, a replaceable per-object callback,
// before default handling: that is where a skinner hooks in.
class TWinControl : public TComponent {
public:
  using MessageCallback = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  const char* ClassName() const override { return "TWinControl"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TWinControl" || c == "TControl" || TComponent::InheritsFrom(c);
  }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  void SetBounds(int left, int top, int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // The window, created with the parent's if it is not there yet.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // The per-object message callback; DefaultHandler runs the window's own procedure.
  MessageCallback WindowProc;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

  // The object behind any framework window, or null.
  static TWinControl* FromHandle(HWND hwnd);

protected:
  struct TCreateParams {
    const char* WindowClass;  // a standard control class, or null for a plain framework window
    DWORD Style;
    DWORD ExStyle;
    std::string Caption;
  };
  virtual TCreateParams CreateParams();
  // Notifications the parent received for this control (WM_COMMAND codes).
  virtual void CommandNotify(WORD) {}
  virtual void HandleCreated() {}

private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();

  TWinControl* parent_ = nullptr;  // the control whose window holds ours
  HWND handle_ = nullptr;          // created on demand
  WNDPROC oldProc_ = nullptr;      // the class's own procedure, for default handling
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
};
