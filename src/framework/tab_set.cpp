#include "framework/tab_set.h"

#include "framework/own_paint.h"
#include "framework/system/gdi_handles.h"

#include <windowsx.h>

#include <stdexcept>

namespace {

constexpr int kDefaultHeight = 21;
// Between the text and a slanted edge: each tab steps on by its text width + 18, which is also
// where a strip drawn by other hands puts its tabs, so clicks land alike.
constexpr int kTextMargin = 6;
constexpr int kSlant = 6;        // how far each side of a tab leans in from top to bottom

// The interior of a trapezoid whose sides lean in by kSlant over its height, edges excluded.
bool Inside(const POINT (&corners)[4], int x, int y) {
  const int top = corners[0].y, bottom = corners[3].y;
  if (y <= top || y >= bottom)
    return false;
  const int lean = kSlant * (y - top) / (bottom - top);
  return x > corners[0].x + lean && x < corners[1].x - lean;
}

}  // namespace

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 0, kDefaultHeight);
}

void TTabSet::SetTabs(std::vector<std::string> tabs) {
  tabs_ = std::move(tabs);
  tabIndex_ = tabs_.empty() ? -1 : 0;
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TTabSet::SetTabIndex(int index) {
  if (index < -1 || index >= static_cast<int>(tabs_.size()))
    throw std::out_of_range("Tab index out of bounds (" + std::to_string(index) + ")");
  tabIndex_ = index;
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

// Each tab is as wide as its text in the control's font; neighbours share the slanted stretch.
std::vector<TTabSet::TTabShape> TTabSet::Shapes(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int bottom = client.bottom - 1;
  TSelectObject font(dc, FontHandle());
  std::vector<TTabShape> shapes;
  int left = startMargin_;
  for (const std::string& tab : tabs_) {
    SIZE text{};
    GetTextExtentPoint32A(dc, tab.c_str(), static_cast<int>(tab.size()), &text);
    const int right = left + text.cx + 2 * (kTextMargin + kSlant);
    shapes.push_back({{{left, 0}, {right, 0}, {right - kSlant, bottom}, {left + kSlant, bottom}}});
    left = right - kSlant;
  }
  return shapes;
}

void TTabSet::SetStartMargin(int margin) {
  startMargin_ = margin;
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TTabSet::SetEndMargin(int margin) {
  endMargin_ = margin;
  if (HandleAllocated())
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TTabSet::TabAt(int x, int y) {
  if (!HandleAllocated())
    return -1;  // nothing shown, nothing under a point
  TWindowDC dc(Handle());
  const std::vector<TTabShape> shapes = Shapes(dc.Get());
  if (tabIndex_ >= 0 && Inside(shapes[static_cast<size_t>(tabIndex_)].Corners, x, y))
    return tabIndex_;
  for (size_t i = 0; i < shapes.size(); ++i)
    if (Inside(shapes[i].Corners, x, y))
      return static_cast<int>(i);
  return -1;
}

// The strip in shadow, the other tabs in face colour from the right so each overlaps its right
// neighbour, then the chosen tab over them with its top edge left open.
void TTabSet::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
  const std::vector<TTabShape> shapes = Shapes(dc);
  UniquePen outline(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
  TSelectObject pen(dc, outline.Get());
  TSelectObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  MoveToEx(dc, client.left, 0, nullptr);
  LineTo(dc, client.right, 0);
  auto drawTab = [&](size_t i, int colour) {
    const TTabShape& shape = shapes[i];
    TSelectObject brush(dc, GetSysColorBrush(colour));
    Polygon(dc, shape.Corners, 4);
    RECT text = {shape.Corners[3].x, 1, shape.Corners[2].x, shape.Corners[2].y};
    DrawTextA(dc, tabs_[i].c_str(), static_cast<int>(tabs_[i].size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  };
  for (size_t i = shapes.size(); i-- > 0;)
    if (static_cast<int>(i) != tabIndex_)
      drawTab(i, COLOR_BTNFACE);
  if (tabIndex_ >= 0) {
    drawTab(static_cast<size_t>(tabIndex_), COLOR_WINDOW);
    const TTabShape& chosen = shapes[static_cast<size_t>(tabIndex_)];
    UniquePen open(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOW)));
    TSelectObject openPen(dc, open.Get());
    MoveToEx(dc, chosen.Corners[0].x + 1, 0, nullptr);
    LineTo(dc, chosen.Corners[1].x, 0);
  }
}

void TTabSet::Clicked(int x, int y) {
  const int tab = TabAt(x, y);
  if (tab < 0 || tab == tabIndex_)
    return;
  SetTabIndex(tab);
  if (OnChange)
    OnChange(this);
}

LRESULT TTabSet::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (AnswerOwnPaint(Handle(), msg, wParam, painted, [this](HDC dc) { Paint(dc); }))
    return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
      Clicked(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
