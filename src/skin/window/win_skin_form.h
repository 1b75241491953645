#pragma once
// The frame skinner: takes over one top-level window, dialog box or MDI child, replaces the
// system frame (borders, caption, caption buttons, menu bar) by the skin's elements while
// keeping the client area's size, and gives the system frame back when skinning stops.

#include "framework/colour.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/gdi_handles.h"
#include "framework/timer.h"
#include "framework/window_subclass.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/menu_bar.h"
#include "skin/window/owner_drawn_menus.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TComponent;
class TForm;
class TGraphicControl;
class TMenuItem;
class TSkinData;
class TWinControl;

// How a skinned window is framed.
enum TFrameKind : uint8_t { fkSizable = 0, fkFixed = 1, fkNoCaption = 2, fkDialog = 3 };
enum TFormKind : uint8_t { fkNormalForm = 0, fkMDIFrame = 1, fkMDIChild = 2 };
enum TShowState : uint8_t { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };
// Caption flags.
inline constexpr uint8_t cfMaximizeBox = 1, cfMinimizeBox = 2, cfHelpButton = 4, cfWindowMenu = 8,
                         cfKeepSysMenu = 0x10;
// Skinner states.
enum TSkinnerState {
  ssAttached = 0,     // subclassed, waiting for the set-up message; frame painting suppressed
  ssRunning = 1,
  ssApplyingSkin = 3,
  ssDestroying = 4,   // from WM_NCDESTROY until its default handling returns
  ssSettingUp = 5,    // the set-up resize
  ssReleased = 6,     // the window is gone; the manager frees the skinner
};

// How the window is shown, from its placement.
TShowState ShowStateOf(HWND window);

class TWinSkinForm : public TSkinnerHost {
public:
  // FORM is the framework form of the window, or null for a foreign window.
  TWinSkinForm(HWND window, const std::string& className, TForm* form);
  ~TWinSkinForm();
  TWinSkinForm(const TWinSkinForm&) = delete;
  TWinSkinForm& operator=(const TWinSkinForm&) = delete;

  void AttachForm(TSkinData& skinData);
  void AttachHandle(TSkinData& skinData);
  // Gives the window back its system frame at the same client size.
  void Unskin();
  // Detaches without resizing: the window is being destroyed, or the manager shuts down.
  void Release();
  // After ClearCaptionButtons and LoadFrameMetrics: applies the changed skin.
  void ApplySkinChange();
  void ClearCaptionButtons();
  void LoadFrameMetrics();

  HWND Handle() const { return handle_; }
  const std::string& ClassName() const { return className_; }
  TForm* Form() const { return form_; }
  TSkinData* SkinData() const { return skinData_; }
  int State() const { return state_; }
  bool Busy() const { return dispatchDepth_ > 0; }
  bool IsMDIChild() const { return formKind_ == fkMDIChild; }
  bool HasRegion() const { return hasRegion_; }
  RECT Borders() const { return {borderLeft_, borderTop_, borderRight_, borderBottom_}; }
  int MenuBarHeight() const { return menuBarHeight_; }
  bool SkinFrame() const { return skinFrame_; }
  // The window reads from right to left: its menu bar is laid out from the right.
  bool RightToLeft() const { return rightToLeft_; }

  // The MDI maximise switch of the manager: drops or rebuilds the region of an MDI child.
  void MDIMaximizedChanged(bool maximized);

  // The control skinners of the window's controls (filled by control discovery). Listed
  // skinners are freed with the frame skinner's skinning; a control that goes first takes its
  // skinner with it, which then leaves the list.
  bool RegisterControlSkinner(TSkinControl* skinner) override;
  void UnregisterControlSkinner(TSkinControl* skinner) override;
  HWND HostWindow() const override { return handle_; }
  TSkinControl* FindControlSkinner(HWND window) const;
  // The scroll-bar skinner of WINDOW's framework control freed and a fresh one of its class
  // attached, which reads the control anew (SKM_RESKINSCROLL).
  void ReskinScrollControl(HWND window);
  const std::vector<TSkinControl*>& ControlSkinners() const { return controlSkinners_; }
  // A window created later as a child (a size grip): skinned by the rules for raw windows.
  void SkinChildWindow(HWND window);
  // The device context every control skinner of this window draws through.
  HDC ControlCanvas() const { return controlCanvas_.Get(); }

  // Non-client objects.
  TNCObject* HotObject() const { return hotObject_; }
  void SetHotObject(TNCObject* object);
  void ResetCaptionHint();
  void DrawSysButton(TWinSysButton& button, int frame);
  const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const { return captionButtons_; }
  RECT CaptionTextRect() const { return captionTextRect_; }

  // The skinned menu bar, null without one.
  TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
  // Opens the button's submenu from the bar and tracks it; false when there is none to open.
  bool OpenMenuButton(TMenuBtn* button);
  // Asks for the button's menu as a click on it would.
  void PostMenuButtonClick(const TMenuBtn& button);
  bool TrackingMenu() const { return trackingMenu_; }
  // Draws a maximised MDI child's caption buttons into the menu bar being painted in DC.
  void PaintMenuBarButtons(HDC dc, const RECT& bar);

  // Paints the frame into DC, or into the window's own DC when DC is null.
  void PaintFrame(HDC dc = nullptr);
  // Shapes the window to the frame at its present size; REDRAW as SetWindowRgn's.
  void BuildWindowRegion(bool redraw = true);
  // Asks for a paint of the frame alone, the client area left as it is.
  void InvalidateFrame();

private:
  // Set-up.
  void InstallFrame(TSkinData& skinData);
  void InitSkin();
  void ResizeFrame(int recompute);
  void SkinApplied();
  void DiscoverControls();
  void DropControlSkinners();

  // Control discovery: which skinner each control of the window gets.
  void DiscoverFormControls(TForm& form);
  void DiscoverComponents(TComponent& container);
  void DiscoverChildren(TWinControl& control);
  // A control of the form that got its window after discovery, with the controls on it.
  void DiscoverLateControl(HWND window);
  void DiscoverTree(TWinControl& control);
  void DiscoverControl(TWinControl& control, TComponent* container);
  bool ApplyBuiltInRules(TWinControl& control, const std::string& className);
  bool ApplySkin3rd(const std::string& className, TWinControl& control);
  std::string Skin3rdKind(const std::string& className) const;
  void DiscoverGraphicControl(TGraphicControl& control, TComponent* container);
  void DiscoverChildWindows(HWND window);
  bool IsSkinned(TWinControl& control) const;
  // Makes a skinner of KIND for the framework control and attaches it; false when the kind has
  // no skinner yet.
  bool AttachKind(TSkinnerKind kind, TComponent& control, bool manageColor = false,
                  const TSkinnerSettings& settings = {});
  void AttachWindowKind(TSkinnerKind kind, HWND window);
  void RestoreFrame(bool resize);
  void ReadStyle();

  // Message handling.
  bool Filter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool ClientFilter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT FormHook(unsigned id, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  TMenuItem* BarItem(UINT command) const;
  LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuChanged(unsigned id, WPARAM wParam, LPARAM lParam);
  LRESULT OnDialogChar(unsigned id, WPARAM wParam, LPARAM lParam);
  LRESULT PassDialogChar(WPARAM wParam, LPARAM lParam) const;
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  bool ActiveMDIChildMaximized() const;

  // Window menu and caption-button commands.
  void ShowWindowMenu(POINT screen);
  UniqueMenu BuildWindowMenu();
  void Maximize();
  void Minimize();
  void Restore();
  void DoButtonAction(TWinSysButton& button, POINT screen);
  void SendToActiveMDIChild(UINT command);
  bool HasCloseCommand() const;

  // Frame geometry and painting.
  void BuildIconBitmap();
  // Builds the icon picture again unless the window's icon and the icon size are unchanged.
  void RefreshIconBitmap();
  // The window's small icon, else its large one; null without either.
  HICON WindowIcon() const;
  void DrawFrameBorder(int index, const RECT& rect, HDC dc);
  void PaintCaption(HDC dc);
  void DrawTitleText(HDC dc, const RECT& captionRect);
  void LayoutCaptionButtons();
  void PaintCaptionButtons(HDC dc);
  bool IsButtonVisible(TWinSysButton& button);
  void UpdateButtonVisibility();
  TDataSkinBorder& BorderElement(int index) const;
  void DrawWindowIcon(HDC dc, const RECT& rect);
  std::wstring WindowText() const;
  UniqueRgn BorderRegion(int index, const RECT& rect);

  // Non-client input.
  POINT ToWindowPoint(POINT screen) const;
  TNCObject* HitObject(POINT windowPoint) const;
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
  void CaptionHintTick();
  // Runs the hint tick while the window is active and a caption button is hot.
  void WatchCaptionHint();

  bool Maximized() const { return showState_ == ssMaximized; }
  bool Minimized() const { return showState_ == ssMinimized; }
  bool MaximizedMDIChild() const;

  HWND handle_;                       // the skinned window
  std::string className_;
  TForm* form_;                       // null for a foreign window
  TSkinData* skinData_ = nullptr;     // the skin in use
  std::unique_ptr<TWindowSubclass> subclass_;  // null while not attached
  std::unique_ptr<TWindowSubclass> clientSubclass_;  // an MDI frame's client window
  unsigned formHook_ = 0;             // the framework form's message hook, 0 when none
  int dispatchDepth_ = 0;             // messages inside the window procedure

  bool initialized_ = false;          // the set-up message was handled
  TTimer timer_;                      // hover and hint check, while a caption button is hot
  std::wstring captionSuffix_ = L"  ";
  std::wstring captionPrefix_ = L" ";
  bool mdiMenuUpdate_ = true;         // an MDI frame's saved MenuUpdate of the skin
  bool skinFrame_ = false;            // the frame is skinned
  RECT clientRect_{};                 // client rectangle saved at set-up
  DWORD lastMenuClick_ = 0;
  DWORD doubleClickTime_;
  HWND ownerWindow_ = nullptr;
  RECT titleRect_{};                  // where the caption text was last drawn
  int smallIconSize_ = 16;
  int borderLeft_ = 0, borderTop_ = 0, borderRight_ = 0, borderBottom_ = 0;  // top has the caption
  RECT windowRect_{};
  RECT captionTextRect_{};            // text rectangle before the text-background margins
  RECT systemFrame_{};                // outer minus client size under the system frame
  int menuBarHeight_ = 0;
  bool trackingMenu_ = false;
  bool rightToLeft_ = false;
  bool sizable_ = false;
  bool unicode_ = false;
  bool dialog_ = false;
  bool child_ = false;
  HWND mdiClient_ = nullptr;
  HMENU menuHandle_ = nullptr;        // the native menu bar at set-up
  std::unique_ptr<TWinSkinMenu> menuBar_;
  TOwnerDrawnMenus ownerDrawn_;       // native items drawn from the skin while shown
  HMENU trackedMenu_ = nullptr;       // the submenu tracked from the bar
  HMENU systemMenu_ = nullptr;
  UniqueMenu windowMenu_;             // the window menu shown, rebuilt each time
  TColor savedColor_ = 0;
  DWORD style_ = 0;
  int rightButtonsWidth_ = 0;
  TNCObject* hotObject_ = nullptr;
  bool hasRegion_ = false;            // the window has the region built here (the system owns it)
  UniqueDC controlCanvas_;
  std::vector<std::unique_ptr<TWinSysButton>> captionButtons_;
  TBitmap iconBitmap_;                // the small icon on magenta
  HICON iconSource_ = nullptr;        // the window's icon the picture was made from
  TBitmap captionBitmap_;             // the caption composed off screen
  std::vector<TSkinControl*> controlSkinners_;  // freed by DropControlSkinners
  int paintWidth_ = 0, paintHeight_ = 0;
  int regionWidth_ = 0, regionHeight_ = 0;
  bool active_ = true;
  TFormKind formKind_ = fkNormalForm;
  TFrameKind frameKind_ = fkFixed;
  uint8_t captionFlags_ = 0;
  TShowState showState_ = ssNormal;
  int state_ = ssAttached;
  int hoverTime_ = 0;                 // how long the mouse has rested on a caption button
};
