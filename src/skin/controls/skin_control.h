#pragma once
// The base of every control skinner: one skinner takes over the messages of one control of a
// skinned window, lets the control do most of its own work and paints its visible parts from the
// skin. A framework control is reached through its chain of message hooks, a window known only
// by its handle through a subclass of its window procedure; both routes end in SkinWndProc, so a
// kind is written once for both.

#include "framework/colour.h"
#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/window_subclass.h"
#include "skin/format/colour_math.h"
#include "skin/controls/skinner_messages.h"
#include "skin/model/skin_elements.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

class TSkinControl;
class TGraphicControl;
class TSkinData;
class TWinControl;

// The list of control skinners of a skinned window (its frame skinner), to which every skinner
// adds itself when it attaches and from which it takes itself out when it goes.
class TSkinnerHost {
public:
  // True when the skinner was listed already; otherwise lists it.
  virtual bool RegisterControlSkinner(TSkinControl* skinner) = 0;
  virtual void UnregisterControlSkinner(TSkinControl* skinner) = 0;
  // The skinned window the list belongs to: where a skinner posts what only its host can do.
  virtual HWND HostWindow() const = 0;

protected:
  ~TSkinnerHost() = default;
};

// A message on its way through a skinner; the handler that answers it fills in Result.
struct TSkinMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// Where a skinner stands.
enum TSkinnerLife {
  lsCreated = 0,
  lsAttached = 1,
  lsDetached = 2,      // a box kind given back its colours
  lsWindowGone = 6,    // the window received WM_NCDESTROY
};

// The tag by which an application asks for a button or mark that shows its parent's background.
inline constexpr int kTransparentTag = 5555;

// Bits of a skinner's mouse state.
inline constexpr uint8_t mbHover = 1, mbPressed = 2;

class TSkinControl : public TComponent {
public:
  // OWNER is the framework control to skin (the skinner goes with it), or null for a skinner
  // attached to a window by its handle, which its frame skinner owns.
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  const char* ClassName() const override { return "TSkinControl"; }

  // Binds to the owning framework control: its messages pass through SkinWndProc from now on.
  virtual void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas);
  // Binds to a window known only by its handle.
  virtual void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas);
  // Switches skinning off and gives the control back its own colours.
  virtual void Detach();
  // The skin was replaced or reloaded.
  virtual void SkinChanged();

  HWND Handle() const { return windowHandle_; }
  TWinControl* SkinnedControl() const { return skinnedControl_; }
  int LifeState() const { return lifeState_; }
  bool IsActive() const { return isActive_; }
  bool ManageColor() const { return manageColor_; }
  int KindVariant() const { return kindVariant_; }
  void SetKindVariant(int variant) { kindVariant_ = variant; }
  TSkinData* SkinData() const { return skinData_; }
  TColor FaceColour() const;
  // Expires when the skinner goes. A message may run a nested loop (the system tracking a
  // scroll bar) that frees the skinner: whoever goes on after such a call looks first.
  std::weak_ptr<const void> LifeToken() const { return life_; }

  // Drawing routines the kinds and their helper windows share.
  static void FillColor(HDC dc, const RECT& rect, COLORREF colour);
  // One frame of N side by side in STRIP, stretched to RECT, magenta transparent.
  static void DrawStretchedFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TBitmap& strip);

  // Property access by name on any framework object: a missing property reads as -1, "" or
  // null, and setting one does nothing.
  static int GetIntProperty(TComponent* object, const std::string& name);
  static std::string GetEnumPropertyName(TComponent* object, const std::string& name);
  static std::wstring GetTextProperty(TComponent* object, const std::string& name);
  static TComponent* GetObjectProperty(TComponent* object, const std::string& name, const std::string& className);
  static void SetPropertyText(TComponent* object, const std::string& name, const std::string& text);
  // A window's text in UTF-16.
  static std::wstring GetWindowTextWide(HWND window);

protected:
  // The first look at every message while active: true lets the replaced handling run, then
  // AfterMessage; false means the skinner answered it (in message.Result).
  virtual bool BeforeMessage(TSkinMessage& message);
  virtual void AfterMessage(TSkinMessage& message);
  // Paints the whole window into DC, or into the window's own DC when DC is null.
  virtual void PaintWindow(HDC dc);
  // Draws the skinned look; RECT is the window's rectangle moved to the origin.
  virtual void DrawControl(HDC dc, const RECT& rect);
  // Skinning was just switched off or on again (SKM_SETACTIVE): helper windows follow.
  virtual void ActiveChanged() {}

  void SkinWndProc(TSkinMessage& message);
  void CallOriginal(TSkinMessage& message);
  void Repaint();
  // A whole WM_PAINT for kinds that draw the whole control.
  void PaintMessage(TSkinMessage& message);
  // A WM_ERASEBKGND answered with the parent's background under the control.
  void EraseBackground(TSkinMessage& message);
  // Raises the control's mouse-down event for a button message the skinner answered itself.
  void ForwardMouseDown(const TSkinMessage& message);
  void SwitchParentBackground(bool on);

  // Drawing routines.
  void FillFace(HDC dc, const RECT& rect) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  // One frame (1-based) of FRAMECOUNT in the element's strip, nine-sliced to RECT.
  static void DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& element);
  // The focus rectangle around CaptionText as FORMAT places it in RECT.
  void DrawTextFocus(HDC dc, UINT format, const RECT& rect);
  // TEXT centred vertically in RECT; a format of exactly DT_CENTER centres it across as well,
  // any other spreads it over RECT's width. Disabled text takes the button-shadow colour.
  void DrawCaptionText(HDC dc, const RECT& rect, UINT format, bool enabled, const std::wstring& text) const;
  // An image-list icon followed by TEXT, the pair placed in RECT by ALIGNMENT (0 left, 1 centre,
  // 2 right) and centred vertically; no icon for IMAGE -1, no list, or an icon wider than RECT.
  // TEXTFORMAT is how the text is laid out: wrapped by default, one line for header items.
  void DrawIconAndText(HDC dc, const RECT& rect, int alignment, const std::wstring& text, int image,
                       HIMAGELIST images, UINT textFormat = kIconTextFormat) const;
  static constexpr UINT kIconTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_END_ELLIPSIS;
  UINT BiDiTextFlags(UINT format) const;
  // The control's font: the framework control's, or the one the window was given.
  HFONT ControlFont() const;
  TColor SkinColour(int index) const;
  bool HasOption(int option) const;

  TWinControl* skinnedControl_ = nullptr;  // the owner; null when attached by handle
  TGraphicControl* graphicControl_ = nullptr;  // a windowless owner, painted on its parent
  TSkinData* skinData_ = nullptr;          // the skin in use, not owned
  TSkinnerHost* ownerForm_ = nullptr;      // the list that holds this skinner
  HDC drawCanvas_ = nullptr;               // the frame skinner's shared drawing DC
  HWND windowHandle_ = nullptr;
  std::wstring captionText_;               // the caption as last read
  uint8_t mouseState_ = 0;                 // mbHover | mbPressed
  bool isEnabled_ = true;
  bool isFocused_ = false;
  bool isActive_ = true;
  bool isUnicode_ = false;
  bool manageColor_ = false;
  bool isAttached_ = false;
  bool parentBackgroundSwitched_ = false;
  TColor savedColor_ = clNone;
  int lifeState_ = lsCreated;
  int kindVariant_ = 0;

  // Installs SkinWndProc in front of the control's own handling: a message hook on a framework
  // control (windowed or not), a window subclass on a raw window; and takes it out.
  void HookControl();
  void HookWindow();
  void Unhook();

private:
  std::shared_ptr<const void> life_ = std::make_shared<char>();  // LifeToken's source
  unsigned hookId_ = 0;                        // the control's message hook, 0 when none
  std::unique_ptr<TWindowSubclass> subclass_;  // the raw window's subclass
};
