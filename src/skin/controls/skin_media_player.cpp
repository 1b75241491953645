#include "skin/controls/skin_media_player.h"

#include "framework/published.h"
#include "framework/system/gdi_handles.h"
#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The glyphs' background, left out when they are drawn.
constexpr COLORREF kOlive = RGB(128, 128, 0);
constexpr int kGlyphSize = 16;
enum { kEnabledGlyph, kDisabledGlyph, kColouredGlyph };

std::vector<std::string> NameSet(TComponent* player, const char* property) {
  const TPublishedProperty* found = player ? FindPublishedProperty(*player, property) : nullptr;
  if (!found || !found->Get)
    return {};
  const TPropertyValue value = found->Get(*player);
  const auto* names = std::get_if<std::vector<std::string>>(&value);
  return names ? *names : std::vector<std::string>{};
}

bool Contains(const std::vector<std::string>& names, TMPBtnType button) {
  return std::find(names.begin(), names.end(), MediaButtonName(button)) != names.end();
}

// A glyph of the bar: black, grey when disabled, in the button's colour.
TBitmap MakeGlyph(TMPBtnType button, int kind) {
  static const COLORREF colours[kMediaButtonCount] = {RGB(0, 140, 0),  RGB(0, 90, 170), RGB(150, 0, 0),
                                                      RGB(0, 90, 170), RGB(0, 90, 170), RGB(0, 90, 170),
                                                      RGB(0, 90, 170), RGB(210, 0, 0),  RGB(0, 0, 170)};
  TBitmap glyph(kGlyphSize, kGlyphSize);
  TMemoryDC dc(glyph.Handle());
  const RECT all{0, 0, kGlyphSize, kGlyphSize};
  TSkinControl::FillColor(dc.Get(), all, kOlive);
  const COLORREF colour = kind == kDisabledGlyph  ? RGB(160, 160, 160)
                          : kind == kColouredGlyph ? colours[static_cast<int>(button)]
                                                   : RGB(0, 0, 0);
  DrawMediaGlyph(dc.Get(), all, button, colour);
  return glyph;
}

}  // namespace

// ---- The overlay ----------------------------------------------------------------------------

TWMediaPlayer::TWMediaPlayer(TSkinMP* skinner, TWinControl* player, TSkinData* skinData)
    : TPanel(skinner), playerControl_(player), skinData_(skinData) {
  SetBevelOuter(TBevelCut::bvNone);
  for (int i = 0; i < kMediaButtonCount; ++i)
    for (int kind : {kEnabledGlyph, kDisabledGlyph, kColouredGlyph})
      buttons_[static_cast<size_t>(i)].Glyphs[static_cast<size_t>(kind)] = MakeGlyph(static_cast<TMPBtnType>(i), kind);
  ReadButtons();
}

void TWMediaPlayer::ReadButtons() {
  const std::vector<std::string> visible = NameSet(playerControl_, "VisibleButtons");
  const std::vector<std::string> enabled = NameSet(playerControl_, "EnabledButtons");
  const std::vector<std::string> coloured = NameSet(playerControl_, "ColoredButtons");
  for (int i = 0; i < kMediaButtonCount; ++i) {
    const auto button = static_cast<TMPBtnType>(i);
    TButtonRecord& record = buttons_[static_cast<size_t>(i)];
    record.Visible = Contains(visible, button);
    record.Enabled = Contains(enabled, button) && playerControl_->Enabled();
    record.Coloured = Contains(coloured, button);
  }
}

int TWMediaPlayer::ButtonAt(int x) const {
  if (buttonWidth_ <= 0 || x < 0)
    return kNoButton;
  const int shown = static_cast<int>(std::count_if(buttons_.begin(), buttons_.end(), [](const TButtonRecord& b) { return b.Visible; }));
  const int index = x / buttonWidth_;
  return index < shown ? index : kNoButton;
}

void TWMediaPlayer::PaintBar(HDC dc) {
  ReadButtons();
  RECT client{};
  GetClientRect(Handle(), &client);
  const TDataSkinButton& face = skinData_->Elements().Buttons;
  const int shown = static_cast<int>(std::count_if(buttons_.begin(), buttons_.end(), [](const TButtonRecord& b) { return b.Visible; }));
  if (shown == 0 || face.Image.Empty()) {
    TSkinControl::FillColor(dc, client, ColorToRGB(static_cast<TColor>(ResolveColour(skinData_->ColourTable().Colours[ciButtonFace]))));
    buttonWidth_ = 0;
    if (shown == 0)
      return;
  }
  buttonWidth_ = client.right / shown;
  int slot = 0;
  for (const TButtonRecord& button : buttons_) {
    if (!button.Visible)
      continue;
    RECT r{slot * buttonWidth_, 0, (slot + 1) * buttonWidth_, client.bottom};
    const bool pressed = slot == pressedButton_;
    const int frame = pressed ? 2 : !button.Enabled ? 3 : 1;
    if (!face.Image.Empty())
      DrawSkinElement(dc, r, face.Image, false, face.Tile != 0, face.Trans == 1, face.FrameCount, frame, face.Margins);
    const TBitmap& glyph = button.Glyphs[!button.Enabled ? kDisabledGlyph : button.Coloured ? kColouredGlyph : kEnabledGlyph];
    const int x = r.left + (buttonWidth_ - kGlyphSize) / 2 + (pressed ? 1 : 0);
    const int y = (client.bottom - kGlyphSize) / 2 + (pressed ? 1 : 0);
    TMemoryDC from(glyph.Handle());
    TransparentBlt(dc, x, y, kGlyphSize, kGlyphSize, from.Get(), 0, 0, kGlyphSize, kGlyphSize, kOlive);
    ++slot;
  }
}

// The press goes to the player as it came; the player must not keep the mouse, which belongs to
// the overlay until the release.
void TWMediaPlayer::MouseDown(UINT msg, WPARAM wParam, LPARAM lParam) {
  tracking_ = true;
  playerControl_->Perform(msg, wParam, lParam);
  ReleaseCapture();
  pressedButton_ = ButtonAt(GET_X_LPARAM(lParam));
  SetCapture(Handle());
  InvalidateRect(Handle(), nullptr, FALSE);
}

// A click counts only where it began.
void TWMediaPlayer::MouseUp(UINT msg, WPARAM wParam, LPARAM lParam) {
  tracking_ = false;
  if (GetCapture() == Handle())
    ReleaseCapture();
  const int pressed = pressedButton_;
  pressedButton_ = kNoButton;
  InvalidateRect(Handle(), nullptr, FALSE);
  if (pressed != kNoButton && ButtonAt(GET_X_LPARAM(lParam)) == pressed)
    playerControl_->Perform(msg, wParam, lParam);
}

LRESULT TWMediaPlayer::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      TPaintScope paint(Handle());
      PaintBar(paint.Get());
      return 0;
    }
    case WM_PRINTCLIENT: {
      TSaveDC saved(reinterpret_cast<HDC>(wParam));
      PaintBar(reinterpret_cast<HDC>(wParam));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the bar covers the whole window
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(WM_LBUTTONDOWN, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(msg, wParam, lParam);
      return 0;
    default:
      return TPanel::DefaultHandler(msg, wParam, lParam);
  }
}

// ---- The skinner ----------------------------------------------------------------------------

void TSkinMP::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  if (!skinnedControl_ || !skinnedControl_->Parent())
    return;
  playerOverlay_ = new TWMediaPlayer(this, skinnedControl_, skinData);
  playerOverlay_->SetTag(skinData->DisableTag());
  playerOverlay_->SetParent(skinnedControl_->Parent());
  FollowPlayer();
}

void TSkinMP::FollowPlayer() {
  if (!playerOverlay_ || !skinnedControl_)
    return;
  playerOverlay_->SetBounds(skinnedControl_->Left(), skinnedControl_->Top(), skinnedControl_->Width(),
                            skinnedControl_->Height());
  // The player's own visibility: both share a parent, whose visibility they share too.
  const bool shown = isActive_ && windowHandle_ && (GetWindowLongA(windowHandle_, GWL_STYLE) & WS_VISIBLE);
  playerOverlay_->SetVisible(shown);
  if (shown && playerOverlay_->HandleAllocated()) {
    SetWindowPos(playerOverlay_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(playerOverlay_->Handle(), nullptr, FALSE);
  }
}

void TSkinMP::AfterMessage(TSkinMessage& message) {
  TSkinControl::AfterMessage(message);
  if (message.Msg == WM_WINDOWPOSCHANGED || message.Msg == WM_SHOWWINDOW)
    FollowPlayer();
}

void TSkinMP::ActiveChanged() {
  FollowPlayer();
}

void TSkinMP::Detach() {
  TSkinControl::Detach();
  if (lifeState_ != lsWindowGone)
    delete playerOverlay_;
  playerOverlay_ = nullptr;
}
