#pragma once
#include "framework/colour.h"
#include "framework/core/component.h"
#include "framework/graphic_children.h"
#include "framework/message_hooks.h"
#include "framework/shift_state.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TFont;

// How a control follows its parent's client area when the parent is resized.
enum class TAlign { alNone, alTop, alBottom, alClient };

// Messages a parent reflects to the child control they concern (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_CTLCOLOR*, and WM_HSCROLL/WM_VSCROLL of scroll bars, track bars and up-down
// controls): the original number plus this base, with the original parameters.
// They reach the child through its message hooks, so a skinner on the child can take them over.
// The base keeps clear of the skin engine's private messages.
constexpr UINT CN_BASE = 0xB000;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

// Framework notifications, above the reflected range.
constexpr UINT CM_BASE = 0xB800;
// To a form's window whenever its menu bar changed; default handling attaches the current
// native bar (so a hook sees the bar before the change, and the new one once it passed it on).
constexpr UINT CM_MENUCHANGED = CM_BASE + 1;
// To a form's window for a WM_SYSCHAR of its thread, before default handling: wParam is the
// character, lParam WM_SYSCHAR's. A non-zero answer says the character was handled.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 2;
// CM_BASE + 3 is reserved.
// To a windowless control when the mouse comes over it and when it leaves it (or its parent).
constexpr UINT CM_MOUSEENTER = CM_BASE + 4;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 5;
// To a windowless control at the start of its destructor, through its hooks: a hook on it takes
// itself out here, while the control is still whole.
constexpr UINT CM_CONTROLDESTROYING = CM_BASE + 6;
// To the top-level window when a control got its window after its parent had one (shown for the
// first time, asked for its window, or placed on a parent with a window), once the windows of
// its children are made too: wParam is the control's window. A skinner finds such late windows
// here; the windows made with their parent's were there when it looked.
constexpr UINT CM_CONTROLCREATED = CM_BASE + 7;

// A control placed on a parent at a position, backed by a real window once its parent has one
// and it is shown, or as soon as its window is asked for: a control that is not shown (a page
// not yet chosen, a hidden edit that only holds text) costs no window until it is needed.
// Every message of the window, from WM_NCCREATE to WM_NCDESTROY, passes through the control's
// chain of message hooks before default handling: that is where a skinner hooks in.
class TWinControl : public TComponent {
public:
  using MessageHandler = TMessageHooks::Handler;
  using THookId = TMessageHooks::THookId;

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
  // What a click by the user does (a button's OnClick); nothing for controls that are not clicked.
  virtual void Click() {}
  // Raised when a mouse button goes down on the control: a skinner that answers the button
  // message itself still reports it here, so the control's users see every press.
  using MouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
  MouseEvent OnMouseDown;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
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
  // Windowless controls placed on this one, in creation order (the last is on top). The control
  // paints them after itself and hands them the mouse messages over them.
  int GraphicControlCount() const { return graphics_.Count(); }
  TGraphicControl* GraphicControls(int index) const { return graphics_.At(index); }

  // The window, created with the parent's if it is not there yet.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Message hooks (message_hooks.h), above DefaultHandler.
  THookId AddMessageHook(MessageHandler hook) { return hooks_.Add(std::move(hook)); }
  void RemoveMessageHook(THookId id) { hooks_.Remove(id); }
  // The message handed on below hook ID: to the next older hook, or to DefaultHandler.
  LRESULT CallNextHook(THookId id, UINT msg, WPARAM wParam, LPARAM lParam) {
    return hooks_.CallNext(id, msg, wParam, lParam);
  }
  // Sends a message through every hook and the control's own handling, without the window.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) { return hooks_.Perform(msg, wParam, lParam); }

  // The framework's handling of a message, then the window's own procedure.
  virtual LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

  // The object behind any framework window, or null: reachable from the moment the window is
  // created (a WH_CBT hook at HCBT_CREATEWND finds it) until WM_NCDESTROY has passed.
  static TWinControl* FromHandle(HWND hwnd);
  // The window property that holds the object: a global atom named "ControlOfs" followed by
  // the module instance and the thread id, eight upper-case hexadecimal digits each.
  static ATOM ControlAtom();

protected:
  struct TCreateParams {
    const char* WindowClass;  // a standard control class, or null for a plain framework window
    DWORD Style;
    DWORD ExStyle;
    std::string Caption;
    HWND WndParent = nullptr;  // the owner of a top-level window
    WNDPROC DefaultProcedure = nullptr;  // default handling other than the class's procedure
  };
  virtual TCreateParams CreateParams();
  // Makes the window (CreateWindowExA at the control's bounds); OWNER is the parent window or
  // the top-level window's owner.
  virtual HWND CreateWindowHandle(const TCreateParams& params, const char* windowClass, HWND owner);
  // Notifications the parent received for this control: WM_COMMAND codes and WM_NOTIFY headers.
  virtual void CommandNotify(WORD) {}
  virtual bool NotifyReflect(const NMHDR&, LRESULT&) { return false; }
  // An owner-drawn control paints what the parent was asked to (WM_DRAWITEM).
  virtual bool DrawItemReflect(const DRAWITEMSTRUCT&) { return false; }
  virtual void HandleCreated() {}
  // After SetCaption, with or without a window.
  virtual void CaptionChanged() {}
  // The client area the aligned children share; a page control gives its display area.
  virtual RECT AlignArea();
  void AlignControls();
  // Fills the client area with the control's background: the answer to WM_ERASEBKGND.
  LRESULT EraseBackground(HDC dc);
  // Gives the DC the control's background colour and returns its brush: the answer to the
  // WM_CTLCOLOR* message the control's window sends its parent.
  HBRUSH ColorBrush(HDC dc);
  // Whether the window is larger than its client area: a border, a caption or scroll bars.
  bool HasNonClientArea() const;

  // The window's own procedure, below every framework handling.
  LRESULT CallWindowDefault(UINT msg, WPARAM wParam, LPARAM lParam);
  // A reflected notification nobody answered, back to the parent's window procedure.
  LRESULT ParentDefault(UINT reflected, WPARAM wParam, LPARAM lParam);

private:
  friend class TGraphicControl;  // enters and leaves graphics_

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  class TCreationHookScope;
  std::vector<TWinControl*> TabOrderedChildren() const;
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  void Bind(HWND hwnd);
  void Unbind(HWND hwnd);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Reflect(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void DestroyHandle();
  void ApplyTabOrder();
  // What the background shows: the control's colour, or the parent's background.
  TColor BackgroundColor() const;

  TMessageHooks hooks_{[this](UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultHandler(msg, wParam, lParam); }};

  TWinControl* parent_ = nullptr;  // the control whose window holds ours
  std::vector<TWinControl*> controls_;  // the controls whose parent we are
  TGraphicChildren graphics_;      // the windowless controls whose parent we are
  HWND handle_ = nullptr;          // created on demand
  WNDPROC oldProc_ = nullptr;      // the class's own procedure, for default handling
  WNDPROC defaultProc_ = nullptr;  // CreateParams' DefaultProcedure, taken at Bind
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
  bool creatingChildren_ = false;  // CreateHandle is making the children's windows
};
