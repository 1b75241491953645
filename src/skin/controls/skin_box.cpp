#include "skin/controls/skin_box.h"

#include "framework/control.h"
#include "skin/data/skin_data.h"

void TSkinBox::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control)
    return;
  manageColor_ = manageColor;
  skinData_ = skinData;
  drawCanvas_ = canvas;
  skinnedControl_ = control;
  windowHandle_ = control->HandleAllocated() ? control->Handle() : nullptr;
  ownerForm_ = ownerForm;
  if (ownerForm_)
    ownerForm_->RegisterControlSkinner(this);
  if (manageColor_) {
    SwitchParentBackground(true);
    savedColor_ = control->Color();
    control->SetColor(FaceColour());
  }
}

void TSkinBox::Detach() {
  if (manageColor_ && skinnedControl_) {
    SwitchParentBackground(false);
    skinnedControl_->SetColor(savedColor_);
  }
  lifeState_ = lsDetached;
}

bool TSkinBoxH::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT rect{};
      GetWindowRect(windowHandle_, &rect);
      OffsetRect(&rect, -rect.left, -rect.top);
      FillFace(reinterpret_cast<HDC>(message.WParam), rect);
      message.Result = 0;
      return false;
    }
    // Static children draw on the face colour: their brush, and their text's background.
    case WM_CTLCOLORSTATIC:
      CallOriginal(message);
      SetBkColor(reinterpret_cast<HDC>(message.WParam), FaceColour());
      message.Result = reinterpret_cast<LRESULT>(skinData_->ButtonFaceBrush());
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}
