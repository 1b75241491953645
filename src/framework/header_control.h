#pragma once
#include "framework/control.h"

#include <string>
#include <vector>

// A row of column headings (sections), each of its own width, that the user may resize by
// dragging their dividers; a section's width reads as the window shows it.
class THeaderControl : public TWinControl {
public:
  struct TSection {
    std::string Text;
    int Width;  // in pixels
  };

  explicit THeaderControl(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "THeaderControl"; }

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  // std::out_of_range for an index without a section.
  TSection Section(int index);
  void AddSection(const std::string& text, int width);
  void SetSections(const std::vector<TSection>& sections);
  // The section under the mouse is highlighted.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool hotTrack);

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  void InsertSection(int index);

  std::vector<TSection> sections_;  // left to right
  bool hotTrack_ = false;
};
