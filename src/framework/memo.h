#pragma once
#include "framework/control.h"

#include <string>
#include <vector>

// A multi-line edit with a vertical scroll bar. Its lines are one text joined with CR LF; what
// the user types is kept as well, also after the window is gone.
class TMemo : public TWinControl {
public:
  explicit TMemo(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TMemo"; }

  void SetLines(const std::vector<std::string>& lines);
  std::vector<std::string> Lines() const;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;

private:
  std::string text_;       // the whole text, lines separated by CR LF
  bool readOnly_ = false;  // the user can scroll and select but not type
};
