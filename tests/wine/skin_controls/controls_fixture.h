#pragma once
// A skinned form with real framework controls on it, every kind of control skinning switched on.

#include "frame_fixture.h"

#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/group_box.h"
#include "skin/controls/skin_control.h"
#include "skin/model/element_drawing.h"

#include <set>

namespace controls_test {

using frame_test::Pump;
using frame_test::PumpUntil;
using frame_test::PicturePixel;
using frame_test::WindowPixel;

inline TSkinControls EveryKind() {
  TSkinControls all;
  for (int kind = xcMainMenu; kind <= xcFastReport; ++kind)
    all.Include(static_cast<TSkinControlType>(kind));
  return all;
}

// Frame FRAME of COUNT in the element's strip as the skinner draws it over a WIDTH x HEIGHT
// control: the pixel at (x, y).
inline COLORREF ElementPixel(const TDataSkinObject& element, int count, int frame, int width, int height, int x, int y) {
  const TBitmap built = BuildSkinElementBitmap({0, 0, width, height}, element.Image, element.Margins, false,
                                               element.Tile != 0, count, frame);
  return PicturePixel(built, x, y);
}

// A point of the left WIDTH/5 of a WIDTH x HEIGHT control, clear of a centred caption, where
// frames FRAMES of the element all differ; (-1, -1) when there is none.
inline POINT DistinctFramePoint(const TDataSkinObject& element, int width, int height, std::initializer_list<int> frames) {
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width / 5; ++x) {
      std::set<COLORREF> colours;
      for (int frame : frames)
        colours.insert(ElementPixel(element, element.FrameCount, frame, width, height, x, y));
      if (colours.size() == frames.size())
        return {x, y};
    }
  return {-1, -1};
}

template <class T>
T& Place(TWinControl& parent, int left, int top, int width, int height, const std::string& caption = {}) {
  auto* control = new T(&parent);
  control->SetBounds(left, top, width, height);
  control->SetCaption(caption);
  control->SetParent(&parent);
  return *control;
}

class ControlsTest : public frame_test::SkinnedWindowTest {
protected:
  // The default skin with every kind switched on (or KINDS), and an unshown form to fill.
  TSkinData& Start(TSkinControls kinds = EveryKind()) {
    TSkinData& data = StartSkinning();
    data.SetSkinControls(kinds);
    form_ = std::make_unique<frame_test::TTestForm>("Controls", 360, 240);
    return data;
  }

  // Shows the form and waits until it is skinned and painted.
  HWND ShowAndSkin() {
    form_->Show();
    PumpUntil([&] { return Skinner(form_->Handle()) && Skinner(form_->Handle())->State() == ssRunning; });
    Pump(80);
    return form_->Handle();
  }

  TSkinControl* SkinnerOf(TWinControl& control) {
    TWinSkinForm* frame = Skinner(form_->Handle());
    return frame ? frame->FindControlSkinner(control.Handle()) : nullptr;
  }
  std::string KindOf(TWinControl& control) {
    TSkinControl* skinner = SkinnerOf(control);
    return skinner ? skinner->ClassName() : "none";
  }

  void TearDown() override {
    form_.reset();
    Pump(20);
  }

  std::unique_ptr<frame_test::TTestForm> form_;
};

}  // namespace controls_test
