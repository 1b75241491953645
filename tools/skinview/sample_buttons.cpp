#include "sample_buttons.h"

#include "framework/bit_btn.h"
#include "framework/check_box.h"
#include "framework/form.h"
#include "framework/glyph.h"
#include "framework/popup_menu.h"
#include "framework/published.h"
#include "framework/speed_button.h"

#include <windows.h>

namespace {

// A button whose click drops its owner form's popup menu down below it.
class TMenuButton : public TBitBtn {
public:
  using TBitBtn::TBitBtn;
  const char* ClassName() const override { return "TMenuButton"; }
  void Click() override {
    auto* popup = dynamic_cast<TPopupMenu*>(Owner() ? Owner()->FindComponent("PopupMenu1") : nullptr);
    RECT r{};
    GetWindowRect(Handle(), &r);
    if (popup)
      popup->Popup(r.left, r.bottom);
  }
};

// COUNT 16 x 16 glyphs side by side on a white background (the transparent colour): an arrow
// in blue, grey (disabled), dark blue (pressed) and green (down).
TBitmap ArrowStrip(int count) {
  constexpr int kSize = 16;
  const COLORREF colours[] = {RGB(40, 90, 200), RGB(150, 150, 150), RGB(20, 40, 120), RGB(30, 150, 60)};
  TBitmap strip(kSize * count, kSize);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, strip.Handle());
  const RECT all{0, 0, kSize * count, kSize};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int i = 0; i < count; ++i) {
    HBRUSH brush = CreateSolidBrush(colours[i % 4]);
    HPEN pen = CreatePen(PS_SOLID, 1, colours[i % 4]);
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    const int x = i * kSize;
    const POINT arrow[] = {{x + 3, 3}, {x + 13, 8}, {x + 3, 13}};
    Polygon(dc, arrow, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return strip;
}

void GiveGlyph(TComponent* control, int count) {
  TGlyph* glyph = nullptr;
  if (auto* button = dynamic_cast<TBitBtn*>(control))
    glyph = button->Glyph();
  else if (auto* speed = dynamic_cast<TSpeedButton*>(control))
    glyph = speed->Glyph();
  if (!glyph)
    return;
  glyph->SetBitmap(ArrowStrip(count));
  glyph->SetNumGlyphs(count);
}

}  // namespace

void RegisterSampleButtonClasses() {
  if (FindPublishedClass("TMenuButton"))
    return;
  const TPublishedClass* base = FindPublishedClass("TBitBtn");
  TPublishedClass menuButton{"TMenuButton", "TBitBtn", [](TComponent* owner) -> TComponent* { return new TMenuButton(owner); },
                             base ? base->Properties : std::vector<TPublishedProperty>{}};
  RegisterPublishedClass(std::move(menuButton));
}

const std::vector<std::string>& SampleSkin3rdLines() {
  static const std::vector<std::string> lines = {
      "TBitBtn=bitbtn",       "TMenuButton=menubtn",     "TSpeedButton=speedbutton",
      "TRadioButton=radiobutton", "TRadioGroup=radiogroup",
  };
  return lines;
}

void PrepareSampleButtons(TForm& form) {
  for (const char* name : {"GlyphLeft", "GlyphRight", "GlyphTop", "GlyphBottom", "DisabledTwoGlyphs", "SpeedDown"})
    GiveGlyph(form.FindComponent(name), 4);
  for (const char* name : {"DisabledOneGlyph", "MenuButton", "SpeedPlain", "SpeedFlat"})
    GiveGlyph(form.FindComponent(name), 1);
  if (auto* box = dynamic_cast<TCheckBox*>(form.FindComponent("LeftTextBox"))) {
    HWND window = box->Handle();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | BS_LEFTTEXT);
  }
}
