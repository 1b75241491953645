#pragma once
#include "framework/core/component.h"
#include "framework/system/gdi_handles.h"

#include <windows.h>

#include <string>

// A font by face name and pixel height, made into a GDI font on first use and shared by every
// control that takes its parent's font. A component without owner, so that a control's "Font"
// reads by name like any other object.
class TFont : public TComponent {
public:
  TFont(std::string name, int height, BYTE charset = ANSI_CHARSET)
      : TComponent(nullptr), name_(std::move(name)), height_(height), charset_(charset) {}
  const char* ClassName() const override { return "TFont"; }

  const std::string& Name() const { return name_; }
  int Height() const { return height_; }
  HFONT Handle();

private:
  std::string name_;  // face name, e.g. "宋体"
  int height_;        // character height in pixels
  BYTE charset_;      // the character set asked for
  UniqueFont handle_; // made on demand
};
