#pragma once
#include "framework/colour.h"
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

  // The background colour (see colour.h); clNone takes the parent's.
  void SetColor(TColor color);
  TColor Color() const;
  // Shows the parent's background instead of the control's own colour.
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool parentBackground);

  // The control's own font, or null to take the parent's (the default).
  void SetFont(TFont* font);
  // The font the control shows: its own or the nearest parent's; null for the system's.
  TFont* Font() const;
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
  // Fills the client area with the control's background: the answer to WM_ERASEBKGND.
  LRESULT EraseBackground(HDC dc);
  // Gives the DC the control's background colour and returns its brush: the answer to the
  // WM_CTLCOLOR* message the control's window sends its parent.
  HBRUSH ColorBrush(HDC dc);

private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void DestroyHandle();
  void ApplyTabOrder();
  // What the background shows: the control's colour, or the parent's background.
  TColor BackgroundColor() const;

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
  TColor colour_ = clNone;         // clNone means the parent's
  bool parentBackground_ = false;  // paint the parent's background, not colour_
  TColorBrush brush_;              // of the background last painted
  bool frameworkClass_ = false;    // our own window class, whose background we paint
  bool aligning_ = false;          // AlignControls moves children, which must not re-enter it
};
