#pragma once
// Skinned forms carrying tab controls, status bars and the other bars, native windows among
// them, and skins whose pictures are replaced by solid strips so that a pixel tells the frame.

#include "controls_fixture.h"

#include "skin/controls/skinner_kinds.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>

namespace tabs_test {

using namespace controls_test;

// Frame i of the strips below is filled with StripColour(i).
inline COLORREF StripColour(int frame) {
  return RGB(20 * frame, 250 - 20 * frame, 60);
}

// COUNT frames of WIDTH x HEIGHT side by side, each one solid colour.
inline TBitmap SolidStrip(int count, int width, int height) {
  TBitmap strip(count * width, height);
  TMemoryDC dc(strip.Handle());
  for (int i = 1; i <= count; ++i) {
    HBRUSH brush = CreateSolidBrush(StripColour(i));
    const RECT r{(i - 1) * width, 0, i * width, height};
    FillRect(dc.Get(), &r, brush);
    DeleteObject(brush);
  }
  return strip;
}

// Makes ELEMENT a solid strip of COUNT frames, without margins or transparency.
inline void MakeSolid(TDataSkinObject& element, int count, int width = 16, int height = 16) {
  element.Image = SolidStrip(count, width, height);
  element.FrameCount = count;
  element.Margins = {};
  element.Trans = 0;
  element.Tile = 0;
}

// The skin's colour INDEX as it is painted.
inline COLORREF SkinColourOf(TSkinData& data, int index) {
  return static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[index]));
}

inline void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

class TabsTest : public ControlsTest {
protected:
  // A native child window of the form, made after the form is skinned.
  HWND Native(const char* className, DWORD style, int left, int top, int width, int height) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                      ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    HWND window = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                                  form_->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return window;
  }

  // A skinner of KIND on a window known by its handle, listed with the form's other skinners.
  template <class T>
  T& AttachNative(TSkinnerKind kind, HWND window) {
    TSkinControl* skinner = CreateControlSkinner(kind, nullptr);
    TWinSkinForm* frame = Skinner(form_->Handle());
    skinner->AttachWindow(window, skinData_.get(), frame, frame->ControlCanvas());
    RepaintNow(window);
    return *dynamic_cast<T*>(skinner);
  }

  // A skinner of KIND on a framework control.
  template <class T>
  T& AttachFramework(TSkinnerKind kind, TWinControl& control, const TSkinnerSettings& settings = {}) {
    TSkinControl* skinner = CreateControlSkinner(kind, &control, settings);
    TWinSkinForm* frame = Skinner(form_->Handle());
    skinner->AttachControl(frame, skinData_.get(), false, frame->ControlCanvas());
    RepaintNow(control.Handle());
    return *dynamic_cast<T*>(skinner);
  }
};

}  // namespace tabs_test
