#include "framework/group_box.h"

TWinControl::TCreateParams TGroupBox::CreateParams() {
  // Clipping its children keeps the frame's painting off the controls inside it.
  return {"BUTTON", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_CONTROLPARENT, Caption()};
}
