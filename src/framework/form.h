#pragma once
#include "framework/application.h"
#include "framework/control.h"
#include "framework/font.h"
#include "framework/main_menu.h"
#include "framework/system/gdi_handles.h"
#include "framework/published.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Where a form goes when it is shown. The policy is applied at show time and then reset to
// poDesigned (keep the bounds), so asking for a centred window again centres it again.
enum class TPosition { poDesigned, poDefault, poDesktopCenter, poScreenCenter };

// What a form is in a multiple-document interface: a plain window, the frame that holds the
// documents' windows in its MDI client, or one of those documents. Chosen before the window
// exists.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm };

// MDI frames number their children's entries in the window menu from here (menu items stay
// below it).
constexpr UINT kMDIFirstChild = 0xFF00;

// A top-level window with a fixed single border, owned by the application window. Its window
// class is its framework class name; its components come from its layout and its code is its
// handlers, found by name. MDI frames and children are sizable and have a maximize box.
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  // Every live form, in creation order.
  static const std::vector<TForm*>& Screen();

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);
  // The window icon, from the executable's icon resource of that name.
  void SetIconResource(const std::string& name);

  void Show();
  void Hide() { SetVisible(false); }
  // Told of each form Show is about to show for the first time, placed but not yet visible:
  // whatever changes how the window looks can do it while none of it is on the screen. One
  // handler for all forms; an empty one for none.
  static void SetBeforeFirstShow(std::function<void(TForm&)> handler);
  // The main form's close ends the program; an MDI child's destroys its window; any other form
  // is hidden.
  void Close();

  // The menu bar, not owned; null for none. Its WM_COMMAND runs the item's Click (an item with
  // sub-items too, as does the opening of its submenu), and its items' shortcuts run them while
  // the form is active. A Click run as a submenu opens may change its sub-items' look (checks,
  // enabled, captions) but not which sub-items exist: that would rebuild the open submenu.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The enabled item of the form's menus whose shortcut the key message MSG presses (an MDI
  // frame asks its active child's menu first); runs it and returns true, else false.
  bool IsShortCut(const MSG& msg);

  // ---- Multiple-document interface ----
  TFormStyle FormStyle() const { return formStyle_; }
  // EInvalidOperation once the window exists. An MDI child's frame is its owner when that is an
  // MDI frame form, else the application's main form.
  void SetFormStyle(TFormStyle style);
  // An MDI frame's client window (null otherwise, or before the window exists).
  HWND ClientHandle() const { return client_; }
  // The item whose submenu lists the MDI children (before the window exists); null for none.
  void SetWindowMenu(TMenuItem* item);
  int MDIChildCount() const;
  TForm* MDIChildren(int index) const;
  TForm* ActiveMDIChild() const;
  void Tile();
  void Cascade();

  // The handler of that name for an event of the layout; an empty function when there is none.
  virtual TNotifyEvent MethodAddress(const std::string& name);
  // Runs OnCreate: the application calls it once the form is constructed and known by name.
  void AfterConstruction();
  TNotifyEvent OnCreate;

protected:
  TCreateParams CreateParams() override;
  HWND CreateWindowHandle(const TCreateParams& params, const char* windowClass, HWND owner) override;
  void HandleCreated() override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  static LRESULT CALLBACK FrameDefaultProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void ApplyClientSize();
  void ApplyPosition();
  DWORD FrameStyle() const;
  void AttachMenuBar();
  void DetachMenuBar();
  bool MenuCommand(WPARAM wParam, LPARAM lParam);
  TForm* MDIFrame() const;
  std::vector<TForm*> MDIChildList() const;

  int clientWidth_ = 0, clientHeight_ = 0;  // the client area asked for
  TPosition position_ = TPosition::poDesigned;
  TFont font_;                               // the font every control takes unless it has its own
  std::string iconResource_;                 // empty: the platform's default icon
  UniqueIcon bigIcon_, smallIcon_;           // the caption's and the Alt+Tab icon
  TMainMenu* menu_ = nullptr;                // the menu bar, not owned
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  HWND client_ = nullptr;                    // an MDI frame's client window
  TMenuItem* windowMenu_ = nullptr;          // lists an MDI frame's children, not owned
  bool shownBefore_ = false;                 // Show has shown the window once
};

// Creates a form of class F as the application's (the first one is the main form), makes
// REFERENCE name it, then runs its OnCreate.
template <class F>
F* CreateForm(F*& reference) {
  auto form = std::make_unique<F>(nullptr);
  F* created = form.get();
  reference = created;
  Application->AddForm(std::move(form));
  created->AfterConstruction();
  return created;
}
