#include "skin/controls/skin_edit.h"

#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_data.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string WindowClassLower(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  std::string text = name;
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsSpinClass(const std::string& name) {
  return name == "msctls_updown32" || name.find("spin") != std::string::npos || name.find("updown") != std::string::npos;
}

// A window whose client area takes its whole width or height has no border to draw over.
bool Borderless(HWND window, int slack) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return client.right + slack >= outer.right - outer.left || client.bottom + slack >= outer.bottom - outer.top;
}

void FrameWith(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

void TSkinEdit::AfterMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintWindow(nullptr);
      break;
    case WM_PRINT:
      if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        PrintBorder(dc);
      } else if (HDC own = GetWindowDC(windowHandle_)) {
        PrintBorder(own);
        ReleaseDC(windowHandle_, own);
      }
      break;
    case SKM_PAINTCONTROLTO:
      if (message.LParam != kSkinAppliedMark) {
        TSkinControl::AfterMessage(message);
        break;
      }
      // The edit paints its text into a WM_PAINT's DC when it is given one.
      if (message.WParam) {
        TSkinMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallOriginal(paint);
      }
      message.Result = kSkinAppliedMark;
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinEdit::FindSpin() {
  if (spinSkinner_ || !skinData_ || !skinData_->SkinControls().Contains(xcSpin))
    return;
  for (HWND child = GetTopWindow(windowHandle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(WindowClassLower(child)))
      continue;
    spinSkinner_ = new TSkinUpDown(this);
    spinSkinner_->AttachWindow(child, skinData_, ownerForm_, drawCanvas_);
    spinSkinner_->SetInEdit(true);
    return;
  }
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == spinSkinner_)
    spinSkinner_ = nullptr;
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_)
    return;
  FindSpin();
  if (Borderless(windowHandle_, 0))
    return;
  RECT r = rect;
  FrameWith(dc, r, SkinColour(ciButtonShadow));
  InflateRect(&r, -1, -1);
  FrameWith(dc, r, RGB(255, 255, 255));
  InflateRect(&r, -1, -1);
  FrameWith(dc, r, RGB(255, 255, 255));
}

void TSkinEdit::PrintBorder(HDC dc) {
  if (Borderless(windowHandle_, 2))
    return;
  RECT r{};
  GetWindowRect(windowHandle_, &r);
  OffsetRect(&r, -r.left, -r.top);
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameWith(dc, r, SkinColour(ciButtonShadow));
}
