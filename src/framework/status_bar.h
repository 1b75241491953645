#pragma once
#include "framework/control.h"

#include <string>
#include <vector>

// A status bar of panels side by side, each of its own width, each with a text. Bottom-aligned
// by default; Align and SetBounds alone decide where it is (it does not follow its parent).
class TStatusBar : public TWinControl {
public:
  explicit TStatusBar(TComponent* owner);
  const char* ClassName() const override { return "TStatusBar"; }

  // Replaces the panels by one per width, texts empty.
  void SetPanelWidths(const std::vector<int>& widths);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  int PanelWidth(int index) const { return PanelAt(index).Width; }
  // std::out_of_range for an index without a panel.
  void SetPanelText(int index, const std::string& text);
  const std::string& PanelText(int index) const { return PanelAt(index).Text; }

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  struct TPanel {
    int Width;         // in pixels
    std::string Text;  // kept while no window exists
  };
  const TPanel& PanelAt(int index) const;
  void ApplyParts();
  void ApplyText(int index);

  std::vector<TPanel> panels_;  // left to right
};
