#include "skin/controls/skin_group_box.h"

#include "framework/control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"

void TSkinGroupBox::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  kindVariant_ = skinnedControl_ ? 1 : 0;
}

bool TSkinGroupBox::BeforeMessage(TSkinMessage& message) {
  const bool passOn = TSkinControl::BeforeMessage(message);
  if (passOn && message.Msg == WM_PAINT && kindVariant_ != 0) {
    PaintMessage(message);
    return false;
  }
  return passOn;
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_)
    return;
  captionText_ = GetWindowTextWide(windowHandle_);
  if (captionText_.empty() && skinnedControl_)
    captionText_ = GetTextProperty(skinnedControl_, "Caption");
  if (skinnedControl_)
    FillFace(dc, rect);
  const HFONT font = ControlFont();
  HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const COLORREF oldText = SetTextColor(dc, SkinColour(ciButtonText));
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int y = zero.cy / 2 - 1;
  if (kindVariant_ == 0) {
    // Wipes the system's own frame before the skin's goes on.
    RECT frame{0, y, rect.right, rect.bottom};
    FrameRect(dc, &frame, skinData_->ButtonFaceBrush());
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, skinData_->ButtonFaceBrush());
  }
  HPEN pen = CreatePen(PS_SOLID, 1, SkinColour(ciButtonShadow));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 1, y, rect.right - 1, rect.bottom - 1, 5, 5);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  const COLORREF oldBack = SetBkColor(dc, FaceColour());
  if (!captionText_.empty()) {
    if (GetWindowLongA(windowHandle_, GWL_EXSTYLE) & WS_EX_RIGHT) {
      RECT text{rect.left, rect.top, rect.right - 8, rect.bottom};
      DrawSkinText(dc, captionText_, text, BiDiTextFlags(DT_RIGHT | DT_EXPANDTABS));
    } else {
      RECT text{rect.left + 8, rect.top, rect.right, rect.bottom};
      DrawSkinText(dc, captionText_, text, DT_EXPANDTABS);
    }
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  SelectObject(dc, oldFont);
}
