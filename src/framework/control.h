#pragma once
#include "framework/core/component.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TFont;

// How a control follows its parent's client area when the parent is resized.
enum class TAlign { alNone, alTop, alBottom, alClient };

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
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  virtual void SetBounds(int left, int top, int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The window text: a button's, label's or form's caption.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  // Position among the siblings for the Tab key; the window order follows it.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);

  // The background: a system colour index (COLOR_WINDOW, ...), or -1 to take the parent's.
  void SetColor(int systemColour);
  int Color() const;

  // The control's own font, or null to take the parent's (the default).
  void SetFont(TFont* font);
  HFONT FontHandle() const;

  // Child controls placed on this one, in creation order.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TWinControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }

  // The window, created with the parent's if it is not there yet.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // The per-object message callback; DefaultHandler runs the window's own procedure.
  MessageCallback WindowProc;
  virtual LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

  // The object behind any framework window, or null.
  static TWinControl* FromHandle(HWND hwnd);

protected:
  struct TCreateParams {
    const char* WindowClass;  // a standard control class, or null for a plain framework window
    DWORD Style;
    DWORD ExStyle;
    std::string Caption;
    HWND WndParent = nullptr;  // the owner of a top-level window
  };
  virtual TCreateParams CreateParams();
  // Notifications the parent received for this control: WM_COMMAND codes and WM_NOTIFY headers.
  virtual void CommandNotify(WORD) {}
  virtual bool NotifyReflect(const NMHDR&, LRESULT&) { return false; }
  // An owner-drawn control paints what the parent was asked to (WM_DRAWITEM).
  virtual bool DrawItemReflect(const DRAWITEMSTRUCT&) { return false; }
  virtual void HandleCreated() {}
  // The client area the aligned children share; a page control gives its display area.
  virtual RECT AlignArea();
  void AlignControls();
  // Fills the client area with the control's colour: the answer to WM_ERASEBKGND.
  LRESULT EraseBackground(HDC dc);

private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void DestroyHandle();
  void ApplyTabOrder();

  TWinControl* parent_ = nullptr;  // the control whose window holds ours
  std::vector<TWinControl*> controls_;  // the controls whose parent we are
  HWND handle_ = nullptr;          // created on demand
  WNDPROC oldProc_ = nullptr;      // the class's own procedure, for default handling
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;            // kept while no window exists
  TAlign align_ = TAlign::alNone;
  int tabOrder_ = -1;              // -1: creation order
  TFont* font_ = nullptr;          // not owned; null means the parent's
  int colour_ = -1;                // system colour index; -1 means the parent's
  bool frameworkClass_ = false;    // our own window class, whose background we paint
  bool aligning_ = false;          // AlignControls moves children, which must not re-enter it
};
