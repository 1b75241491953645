#include "framework/media_player.h"

#include "framework/own_paint.h"
#include "framework/system/gdi_handles.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const char* const kButtonNames[kMediaButtonCount] = {"btPlay", "btPause", "btStop", "btNext", "btPrev",
                                                     "btStep", "btBack", "btRecord", "btEject"};

bool Listed(const std::vector<std::string>& names, TMPBtnType button) {
  return std::find(names.begin(), names.end(), MediaButtonName(button)) != names.end();
}

std::vector<std::string> AllButtons() {
  return {std::begin(kButtonNames), std::end(kButtonNames)};
}

// The colour a button takes when drawn in colour.
COLORREF ButtonColour(TMPBtnType button) {
  switch (button) {
    case TMPBtnType::btPlay: return RGB(0, 128, 0);
    case TMPBtnType::btRecord: return RGB(200, 0, 0);
    case TMPBtnType::btStop: return RGB(128, 0, 0);
    case TMPBtnType::btEject: return RGB(0, 0, 160);
    default: return RGB(0, 96, 160);
  }
}

}  // namespace

const char* MediaButtonName(TMPBtnType button) {
  return kButtonNames[static_cast<int>(button)];
}

// Each symbol fits an 11 x 9 box about the centre.
void DrawMediaGlyph(HDC dc, const RECT& rect, TMPBtnType button, COLORREF colour) {
  const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
  UniqueBrush brush(CreateSolidBrush(colour));
  UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  TSelectObject selectBrush(dc, brush.Get()), selectPen(dc, pen.Get());
  auto bar = [&](int left, int top, int width, int height) {
    const RECT r{left, top, left + width, top + height};
    FillRect(dc, &r, brush.Get());
  };
  auto triangle = [&](int tipX, int baseX) {
    const POINT points[] = {{baseX, cy - 4}, {tipX, cy}, {baseX, cy + 4}};
    Polygon(dc, points, 3);
  };
  switch (button) {
    case TMPBtnType::btPlay: triangle(cx + 3, cx - 2); break;
    case TMPBtnType::btPause: bar(cx - 4, cy - 4, 3, 9); bar(cx + 1, cy - 4, 3, 9); break;
    case TMPBtnType::btStop: bar(cx - 4, cy - 4, 9, 9); break;
    case TMPBtnType::btNext: triangle(cx + 1, cx - 4); triangle(cx + 5, cx + 1); bar(cx + 5, cy - 4, 2, 9); break;
    case TMPBtnType::btPrev: bar(cx - 6, cy - 4, 2, 9); triangle(cx - 4, cx); triangle(cx, cx + 4); break;
    case TMPBtnType::btStep: triangle(cx + 2, cx - 3); bar(cx + 3, cy - 4, 2, 9); break;
    case TMPBtnType::btBack: bar(cx - 4, cy - 4, 2, 9); triangle(cx - 2, cx + 3); break;
    case TMPBtnType::btRecord: Ellipse(dc, cx - 4, cy - 4, cx + 5, cy + 5); break;
    case TMPBtnType::btEject: {
      const POINT points[] = {{cx - 5, cy + 1}, {cx, cy - 4}, {cx + 5, cy + 1}};
      Polygon(dc, points, 3);
      bar(cx - 5, cy + 3, 11, 2);
      break;
    }
  }
}

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TWinControl(owner), visible_(AllButtons()), enabled_(AllButtons()), colored_(AllButtons()) {
  SetBounds(0, 0, 253, 30);
}

void TMediaPlayer::Changed() {
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TMediaPlayer::SetVisibleButtons(std::vector<std::string> names) {
  visible_ = std::move(names);
  Changed();
}

void TMediaPlayer::SetEnabledButtons(std::vector<std::string> names) {
  enabled_ = std::move(names);
  Changed();
}

void TMediaPlayer::SetColoredButtons(std::vector<std::string> names) {
  colored_ = std::move(names);
  Changed();
}

std::vector<TMPBtnType> TMediaPlayer::ShownButtons() const {
  std::vector<TMPBtnType> shown;
  for (int i = 0; i < kMediaButtonCount; ++i)
    if (Listed(visible_, static_cast<TMPBtnType>(i)))
      shown.push_back(static_cast<TMPBtnType>(i));
  return shown;
}

int TMediaPlayer::ButtonAt(int x) const {
  const int count = static_cast<int>(ShownButtons().size());
  if (count == 0 || x < 0)
    return -1;
  const int width = Width() / count;
  if (width <= 0)
    return -1;
  const int index = x / width;
  return index < count ? index : -1;
}

bool TMediaPlayer::IsButtonEnabled(TMPBtnType button) const {
  return Enabled() && Listed(enabled_, button);
}

void TMediaPlayer::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const std::vector<TMPBtnType> shown = ShownButtons();
  if (shown.empty())
    return;
  const int width = client.right / static_cast<int>(shown.size());
  for (size_t i = 0; i < shown.size(); ++i) {
    RECT face{static_cast<int>(i) * width, 0, static_cast<int>(i + 1) * width, client.bottom};
    const bool down = static_cast<int>(i) == pressed_;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    if (down)
      OffsetRect(&face, 1, 1);
    COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    if (!IsButtonEnabled(shown[i]))
      colour = GetSysColor(COLOR_GRAYTEXT);
    else if (Listed(colored_, shown[i]))
      colour = ButtonColour(shown[i]);
    DrawMediaGlyph(dc, face, shown[i], colour);
  }
}

LRESULT TMediaPlayer::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (AnswerOwnPaint(Handle(), msg, wParam, painted, [this](HDC dc) { Paint(dc); }))
    return painted;
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const int at = ButtonAt(GET_X_LPARAM(lParam));
      pressed_ = at >= 0 && IsButtonEnabled(ShownButtons()[static_cast<size_t>(at)]) ? at : -1;
      if (pressed_ >= 0 && HandleAllocated())
        SetCapture(Handle());
      Changed();
      return 0;
    }
    case WM_LBUTTONUP: {
      const int pressed = pressed_;
      pressed_ = -1;
      if (GetCapture() == (HandleAllocated() ? Handle() : nullptr))
        ReleaseCapture();
      Changed();
      if (pressed >= 0 && ButtonAt(GET_X_LPARAM(lParam)) == pressed && OnClick)
        OnClick(this, ShownButtons()[static_cast<size_t>(pressed)]);
      return 0;
    }
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
