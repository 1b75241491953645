#include "framework/busy_cursor.h"

TBusyCursor::TBusyCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {
  ++depth_;
}

TBusyCursor::~TBusyCursor() {
  --depth_;
  SetCursor(depth_ > 0 ? LoadCursor(nullptr, IDC_WAIT) : previous_);
}
