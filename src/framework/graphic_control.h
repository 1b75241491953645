#pragma once
#include "framework/control.h"
#include "framework/message_hooks.h"
#include "framework/shift_state.h"

#include <windows.h>

#include <string>

class TFont;

// A control without a window of its own: it lives on its parent's window, which paints it
// (WM_PAINT with the parent's DC moved to the control's top-left, clipped to it) and hands it
// the mouse messages over it in its own coordinates, with CM_MOUSEENTER and CM_MOUSELEAVE. Its
// messages pass through its own chain of hooks, as a windowed control's do.
class TGraphicControl : public TComponent {
public:
  using MessageHandler = TMessageHooks::Handler;
  using THookId = TMessageHooks::THookId;

  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  const char* ClassName() const override { return "TGraphicControl"; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  void SetBounds(int left, int top, int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The control's place in its parent's client area.
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The control's own font, or null to take the parent's (the default).
  void SetFont(TFont* font);
  TFont* Font() const;
  HFONT FontHandle() const;

  // Asks the parent to repaint the control's rectangle.
  void Invalidate();

  // Message hooks, as a windowed control has them (message_hooks.h).
  THookId AddMessageHook(MessageHandler hook) { return hooks_.Add(std::move(hook)); }
  void RemoveMessageHook(THookId id) { hooks_.Remove(id); }
  LRESULT CallNextHook(THookId id, UINT msg, WPARAM wParam, LPARAM lParam) {
    return hooks_.CallNext(id, msg, wParam, lParam);
  }
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return hooks_.Perform(msg, wParam, lParam); }

  // The control's own handling, below every hook: WM_PAINT paints into the DC in wParam.
  virtual LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
  // Tells the hooks the control is going (CM_CONTROLDESTROYING), once: a descendant calls it
  // first thing in its destructor, while it is still whole.
  void NotifyDestroying();
  virtual void Paint(HDC) {}
  virtual void MouseDown(TMouseButton, TShiftState, int, int) {}
  virtual void MouseMove(TShiftState, int, int) {}
  virtual void MouseUp(TMouseButton, TShiftState, int, int) {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  // The press ended without a release over the parent (another window took the mouse).
  virtual void PressCancelled() {}

private:
  TMessageHooks hooks_{[this](UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultHandler(msg, wParam, lParam); }};
  TWinControl* parent_ = nullptr;  // the control whose window shows us
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  TFont* font_ = nullptr;          // not owned; null means the parent's
  bool destroyingSent_ = false;    // CM_CONTROLDESTROYING went out
};

// A DC for painting a windowless control outside WM_PAINT: its parent's window DC with the
// origin at the control's top-left, clipped to the control. Null when the parent has no window.
class TGraphicControlDC {
public:
  explicit TGraphicControlDC(const TGraphicControl& control);
  ~TGraphicControlDC();
  TGraphicControlDC(const TGraphicControlDC&) = delete;
  TGraphicControlDC& operator=(const TGraphicControlDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HWND window_ = nullptr;  // the parent's window
  HDC dc_ = nullptr;       // GetDC's, released at the end
  int saved_ = 0;          // SaveDC's level, restored before the release
};
