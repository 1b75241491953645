#include "skin/controls/skin_scrollbar.h"

#include "framework/core/sysutils.h"
#include "framework/control.h"
#include "framework/published.h"
#include "skin/controls/skin_header.h"
#include "skin/data/skin_data.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// A window whose client area is smaller than its frame once its scroll bars are taken away.
bool HasBorder(HWND window) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  return (style & WS_BORDER) || (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
}

// Style bits whose change the overlays follow by themselves, and the sibling clipping an overlay
// gives its control as it is made; any other change (a border, a list view's view) is read afresh
// by a new skinner.
constexpr DWORD kFollowedStyles = WS_VISIBLE | WS_DISABLED | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS;

bool IsIntegerProperty(TComponent* object, const char* name) {
  const TPublishedProperty* property = object ? FindPublishedProperty(*object, name) : nullptr;
  return property && property->Kind == TPropertyKind::pkInteger;
}

}  // namespace

// ---- The pair of overlays --------------------------------------------------------------------

void TScrollOverlayPair::Create(TSkinControl& skinner, HWND target) {
  horz_ = std::make_unique<TWScrollbar>(skinner);
  vert_ = std::make_unique<TWScrollbar>(skinner);
  horz_->Attach(target, smHorizontal);
  vert_->Attach(target, smVertical);
}

void TScrollOverlayPair::Free() {
  horz_.reset();
  vert_.reset();
}

void TScrollOverlayPair::UpdatePosition() {
  if (horz_)
    horz_->UpdatePosition();
  if (vert_)
    vert_->UpdatePosition();
}

void TScrollOverlayPair::Hide() {
  if (horz_)
    horz_->HideBar();
  if (vert_)
    vert_->HideBar();
}

void TScrollOverlayPair::SetEnabled(bool enabled) {
  if (horz_)
    horz_->SetEnabled(enabled);
  if (vert_)
    vert_->SetEnabled(enabled);
}

void TScrollOverlayPair::ScrollRequest(UINT msg, WPARAM wParam) {
  TWScrollbar* bar = msg == WM_HSCROLL ? horz_.get() : vert_.get();
  if (bar)
    bar->SetHotPart(LOWORD(wParam));
}

void TScrollOverlayPair::InvalidateShown() {
  if (horz_)
    horz_->Invalidate();
  if (vert_)
    vert_->Invalidate();
}

void TScrollOverlayPair::Refresh(HWND target) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(target, GWL_STYLE));
  const auto refresh = [&](TWScrollbar* bar, DWORD has) {
    if (!bar)
      return;
    if (bar->BarVisible())
      bar->Invalidate();
    else if (style & has)
      bar->UpdatePosition();
  };
  refresh(horz_.get(), WS_HSCROLL);
  refresh(vert_.get(), WS_VSCROLL);
}

bool TScrollOverlayPair::Corner(HWND target, RECT& corner) const {
  if (!horz_ || !vert_ || !horz_->BarVisible() || !vert_->BarVisible())
    return false;
  const RECT h = horz_->BarClientRect(), v = vert_->BarClientRect();
  corner = {v.left, h.top, v.right, h.bottom};
  // Client coordinates to the window's: the border lies before the client area.
  RECT window{};
  GetWindowRect(target, &window);
  POINT origin{0, 0};
  ClientToScreen(target, &origin);
  OffsetRect(&corner, origin.x - window.left, origin.y - window.top);
  return !IsRectEmpty(&corner);
}

// ---- A framework control's own bars ----------------------------------------------------------

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (!skinnedControl_)
    return;
  drawBorder_ = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "BorderStyle")) != "bsnone" && HasBorder(windowHandle_) &&
                AsciiLowerCase(skinnedControl_->ClassName()) != "timagescrollbox" && kindVariant_ != 1;
  if (IsIntegerProperty(skinnedControl_, "FixedColor")) {
    savedFixedColor_ = GetIntProperty(skinnedControl_, "FixedColor");
    manageFixed_ = true;
    SetPropertyText(skinnedControl_, "FixedColor", std::to_string(static_cast<int>(FaceColour())));
  }
  bars_.Create(*this, windowHandle_);
  bars_.SetEnabled(IsWindowEnabled(windowHandle_));
  if (!IsWindowVisible(windowHandle_))
    bars_.Hide();
  // The new border shows with the next paint. Its width is the system's, so the frame needs no
  // recalculation, which would make a list lay itself out again.
  RedrawWindow(windowHandle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::Detach() {
  if (manageFixed_ && skinnedControl_ && lifeState_ != lsWindowGone)
    SetPropertyText(skinnedControl_, "FixedColor", std::to_string(savedFixedColor_));
  manageFixed_ = false;
  const bool wasActive = isActive_;
  TSkinControl::Detach();
  bars_.Free();
  // The system's own bars and border come back.
  if (wasActive && lifeState_ != lsWindowGone && windowHandle_)
    RedrawWindow(windowHandle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TSkinScrollbar::SkinChanged() {
  if (manageFixed_ && skinnedControl_)
    SetPropertyText(skinnedControl_, "FixedColor", std::to_string(static_cast<int>(FaceColour())));
  TSkinControl::SkinChanged();
  bars_.InvalidateShown();
  RedrawWindow(windowHandle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::ActiveChanged() {
  if (isActive_)
    bars_.UpdatePosition();
  else
    bars_.Hide();
  RedrawWindow(windowHandle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool TSkinScrollbar::BeforeMessage(TSkinMessage& message) {
  if (message.Msg != WM_NCPAINT)
    return TSkinControl::BeforeMessage(message);
  CallOriginal(message);
  if (HDC dc = GetWindowDC(windowHandle_)) {
    PaintFrameParts(dc);
    ReleaseDC(windowHandle_, dc);
  }
  return false;
}

void TSkinScrollbar::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      bars_.UpdatePosition();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      bars_.ScrollRequest(message.Msg, message.WParam);
      break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      bars_.InvalidateShown();
      break;
    case WM_SHOWWINDOW:
      if (message.WParam)
        bars_.UpdatePosition();
      else
        bars_.Hide();
      break;
    case WM_ENABLE:
      bars_.SetEnabled(message.WParam != 0);
      TSkinControl::AfterMessage(message);
      break;
    case WM_STYLECHANGED:
      StyleChanged(message.WParam, *reinterpret_cast<const STYLESTRUCT*>(message.LParam));
      break;
    case SKM_PAINTFRAMETO:
      if (message.LParam != kSkinAppliedMark) {
        TSkinControl::AfterMessage(message);
        break;
      }
      if (message.WParam)
        PaintBorder(reinterpret_cast<HDC>(message.WParam));
      message.Result = kSkinAppliedMark;
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

// Posted, not done here: the host frees this skinner, which must not happen inside its own
// message handling.
void TSkinScrollbar::StyleChanged(WPARAM which, const STYLESTRUCT& style) {
  const DWORD changed = style.styleOld ^ style.styleNew;
  if (which == static_cast<WPARAM>(GWL_STYLE) ? !(changed & ~kFollowedStyles) : !changed)
    return;
  if (skinnedControl_ && ownerForm_ && ownerForm_->HostWindow())
    PostMessageA(ownerForm_->HostWindow(), SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(windowHandle_), 0);
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT&) {
  bars_.Refresh(windowHandle_);
  PaintFrameParts(dc);
}

void TSkinScrollbar::PaintBorder(HDC dc) {
  if (!skinData_ || !drawBorder_)
    return;
  RECT r{};
  GetWindowRect(windowHandle_, &r);
  OffsetRect(&r, -r.left, -r.top);
  HBRUSH shadow = CreateSolidBrush(SkinColour(ciButtonShadow));
  FrameRect(dc, &r, shadow);
  DeleteObject(shadow);
  InflateRect(&r, -1, -1);
  HBRUSH face = CreateSolidBrush(FaceColour());
  FrameRect(dc, &r, face);
  DeleteObject(face);
}

void TSkinScrollbar::PaintFrameParts(HDC dc) {
  if (!skinData_)
    return;
  PaintBorder(dc);
  RECT corner{};
  if (bars_.Corner(windowHandle_, corner))
    FillFace(dc, corner);
}

// ---- A list view ------------------------------------------------------------------------------

void TSkinListView::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinScrollbar::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (!skinnedControl_ || header_)
    return;
  if (HWND header = reinterpret_cast<HWND>(SendMessageA(windowHandle_, LVM_GETHEADER, 0, 0))) {
    header_ = new TSkinHeader(this);
    header_->AttachWindow(header, skinData_, ownerForm_, drawCanvas_);
  }
}

// The host frees the header skinner first when it drops its skinners.
void TSkinListView::Notification(TComponent* component, TOperation operation) {
  TSkinScrollbar::Notification(component, operation);
  if (operation == TOperation::opRemove && component == header_)
    header_ = nullptr;
}

// ---- A window's bars by handle ---------------------------------------------------------------

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  if (!bars_.Exists())
    bars_.Create(*this, window);
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  bars_.Free();
}

void TSkinScrollbarH::ActiveChanged() {
  if (isActive_)
    bars_.UpdatePosition();
  else
    bars_.Hide();
}

bool TSkinScrollbarH::BeforeMessage(TSkinMessage& message) {
  if (message.Msg != WM_NCPAINT)
    return TSkinControl::BeforeMessage(message);
  CallOriginal(message);
  RECT corner{};
  if (bars_.Corner(windowHandle_, corner))
    if (HDC dc = GetWindowDC(windowHandle_)) {
      FillFace(dc, corner);
      ReleaseDC(windowHandle_, dc);
    }
  bars_.UpdatePosition();
  return false;
}

void TSkinScrollbarH::AfterMessage(TSkinMessage& message) {
  if (bars_.Vert() && !IsWindowVisible(windowHandle_))
    bars_.Vert()->HideBar();
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      bars_.UpdatePosition();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      bars_.ScrollRequest(message.Msg, message.WParam);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScrollbarH::DrawControl(HDC dc, const RECT&) {
  bars_.Refresh(windowHandle_);
  RECT corner{};
  if (bars_.Corner(windowHandle_, corner))
    FillFace(dc, corner);
}

// ---- A separate scroll-bar control -----------------------------------------------------------

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (skinnedControl_)
    CreateBar();
}

void TSkinScControl::AttachWindow(HWND window, TSkinData* skinData, TSkinnerHost* ownerForm, HDC canvas) {
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  if (!bar_)
    CreateBar();
}

// A framework control says its orientation by its "Kind"; a bare window by its style.
void TSkinScControl::CreateBar() {
  const std::string kind = AsciiLowerCase(GetEnumPropertyName(skinnedControl_, "Kind"));
  const bool vertical = kind.empty() ? (GetWindowLongA(windowHandle_, GWL_STYLE) & SBS_VERT) != 0 : kind != "sbhorizontal";
  bar_ = std::make_unique<TWScrollbar>(*this);
  bar_->Attach(windowHandle_, smControl, vertical);
  if (!IsWindowVisible(windowHandle_))
    bar_->HideBar();
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  bar_.reset();
}

void TSkinScControl::ActiveChanged() {
  if (!bar_)
    return;
  if (isActive_)
    bar_->UpdatePosition();
  else
    bar_->HideBar();
}

void TSkinScControl::AfterMessage(TSkinMessage& message) {
  if (!bar_) {
    TSkinControl::AfterMessage(message);
    return;
  }
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      bar_->UpdatePosition();
      break;
    case WM_SHOWWINDOW:
      if (message.WParam)
        bar_->UpdatePosition();
      else
        bar_->HideBar();
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
      bar_->Invalidate();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (bar_)
    bar_->Invalidate();
}
