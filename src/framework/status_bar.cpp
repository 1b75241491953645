#include "framework/status_bar.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

constexpr int kDefaultHeight = 19;

void RegisterStatusBarClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
}

}  // namespace

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 0, kDefaultHeight);
  SetAlign(TAlign::alBottom);
}

void TStatusBar::SetPanelWidths(const std::vector<int>& widths) {
  panels_.clear();
  for (int width : widths)
    panels_.push_back({width, {}});
  if (HandleAllocated()) {
    ApplyParts();
    for (int i = 0; i < PanelCount(); ++i)
      ApplyText(i);
  }
}

const TStatusBar::TPanel& TStatusBar::PanelAt(int index) const {
  if (index < 0 || index >= PanelCount())
    throw std::out_of_range("Status bar panel index out of bounds (" + std::to_string(index) + ")");
  return panels_[static_cast<size_t>(index)];
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
  PanelAt(index);
  panels_[static_cast<size_t>(index)].Text = text;
  if (HandleAllocated())
    ApplyText(index);
}

TWinControl::TCreateParams TStatusBar::CreateParams() {
  RegisterStatusBarClass();
  // No size grip: the window it sits on is not resizable. CCS_NORESIZE keeps the bar from
  // moving itself to the bottom of its parent on every WM_SIZE.
  return {STATUSCLASSNAMEA, WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, ""};
}

void TStatusBar::HandleCreated() {
  ApplyParts();
  for (int i = 0; i < PanelCount(); ++i)
    ApplyText(i);
}

// The window takes right edges: each panel ends where the widths before it and its own add up.
void TStatusBar::ApplyParts() {
  std::vector<int> edges;
  int edge = 0;
  for (const TPanel& panel : panels_)
    edges.push_back(edge += panel.Width);
  if (edges.empty())
    edges.push_back(-1);
  SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void TStatusBar::ApplyText(int index) {
  SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(panels_[static_cast<size_t>(index)].Text.c_str()));
}
