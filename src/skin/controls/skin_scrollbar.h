#pragma once
// Skinners that put scroll-bar overlays over native scroll bars: a framework control's own bars
// (lists, memos, list views), the bars of a window known only by its handle, and a separate
// scroll-bar control.

#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

#include <memory>

// A window's horizontal and vertical overlays, kept together because they share a corner.
class TScrollOverlayPair {
public:
  void Create(TSkinControl& skinner, HWND target);
  void Free();
  bool Exists() const { return horz_ != nullptr; }
  void UpdatePosition();
  void Hide();
  void SetEnabled(bool enabled);
  // The operated part of the bar the request came for (WM_HSCROLL or WM_VSCROLL).
  void ScrollRequest(UINT msg, WPARAM wParam);
  // Shown overlays repainted; a hidden one placed again when the window's style now has its bar.
  void Refresh(HWND target);
  void InvalidateShown();
  // The size-box corner between two shown bars, in window coordinates of TARGET; false when
  // there is none.
  bool Corner(HWND target, RECT& corner) const;

  TWScrollbar* Horz() const { return horz_.get(); }
  TWScrollbar* Vert() const { return vert_.get(); }

private:
  std::unique_ptr<TWScrollbar> horz_;
  std::unique_ptr<TWScrollbar> vert_;
};

// A framework control with its own scroll bars: two overlays and, for a bordered control, the
// skin's flat border.
class TSkinScrollbar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;
  const char* ClassName() const override { return "TSkinScrollbar"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void Detach() override;
  void SkinChanged() override;

  TWScrollbar* HorzBar() const { return bars_.Horz(); }
  TWScrollbar* VertBar() const { return bars_.Vert(); }
  bool DrawBorder() const { return drawBorder_; }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  // The border and the size-box corner, over what the system drew in the non-client area.
  void PaintFrameParts(HDC dc);
  // The skin's flat border, for a bordered control.
  void PaintBorder(HDC dc);
  // A style change the overlays cannot follow asks the host for a fresh skinner.
  void StyleChanged(WPARAM which, const STYLESTRUCT& style);

  TScrollOverlayPair bars_;
  bool drawBorder_ = false;      // frame the control with the skin's shadow and face
  bool manageFixed_ = false;     // the control's "FixedColor" is the skin's face while attached
  int savedFixedColor_ = 0;
};

class TSkinHeader;

// A list view: its scroll bars as any control's, and its header skinned by a header skinner this
// skinner owns.
class TSkinListView : public TSkinScrollbar {
public:
  using TSkinScrollbar::TSkinScrollbar;
  const char* ClassName() const override { return "TSkinListView"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;

  TSkinHeader* Header() const { return header_; }

protected:
  void Notification(TComponent* component, TOperation operation) override;

  TSkinHeader* header_ = nullptr;  // owned as a component; null without a header window
};

// A window with its own scroll bars known only by its handle (the list of a simple combo box).
class TSkinScrollbarH : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;
  const char* ClassName() const override { return "TSkinScrollbarH"; }

  void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) override;
  void Detach() override;

  TWScrollbar* HorzBar() const { return bars_.Horz(); }
  TWScrollbar* VertBar() const { return bars_.Vert(); }

protected:
  bool BeforeMessage(TSkinMessage& message) override;
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  TScrollOverlayPair bars_;
};

// A separate scroll-bar control: one overlay over the whole control.
class TSkinScControl : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;
  const char* ClassName() const override { return "TSkinScControl"; }

  void AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) override;
  void AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) override;
  void Detach() override;

  TWScrollbar* Bar() const { return bar_.get(); }

protected:
  void AfterMessage(TSkinMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  void CreateBar();

  std::unique_ptr<TWScrollbar> bar_;
};
