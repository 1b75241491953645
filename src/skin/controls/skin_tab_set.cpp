#include "skin/controls/skin_tab_set.h"

#include "framework/control.h"
#include "framework/glyph.h"
#include "framework/published.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <string>
#include <vector>

namespace {

// Room a tab gives its text on each side, and what the scroll arrows take at the end.
constexpr int kTabPadding = 9;
constexpr int kScrollerRoom = 12;

std::vector<std::string> TabTexts(TComponent* control) {
  const TPublishedProperty* property = control ? FindPublishedProperty(*control, "Tabs") : nullptr;
  if (!property || !property->Get)
    return {};
  const TPropertyValue value = property->Get(*control);
  const auto* texts = std::get_if<std::vector<std::string>>(&value);
  return texts ? *texts : std::vector<std::string>{};
}

// An integer property, or FALLBACK when the control has none.
int IntOr(TComponent* control, const char* name, int fallback) {
  return control && FindPublishedProperty(*control, name) ? TSkinControl::GetIntProperty(control, name) : fallback;
}

COLORREF ColourOf(TColour colour) {
  return static_cast<COLORREF>(ResolveColour(colour));
}

// The control's window, made if it is not there yet; null when it cannot be.
HWND WindowOf(TWinControl* control) {
  try {
    return control->Handle();
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

// ---- Old-style tab set ----------------------------------------------------------------------

// The strip is reached through its window procedure, below the framework's own handling.
void TSkinTab31::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool, HDC canvas) {
  if (isAttached_)
    return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  HWND window = control ? WindowOf(control) : nullptr;
  if (!window)
    return;
  TSkinControl::AttachWindow(window, skinData, ownerForm, canvas);
  skinnedControl_ = control;
  PrepareTabImage();
  if (control->ComponentCount() > 0)
    scroller_ = dynamic_cast<TWinControl*>(control->Components(0));
  if (scroller_ && !spinSkinner_)
    if (HWND arrows = WindowOf(scroller_)) {
      spinSkinner_ = new TSkinUpDown(this);
      spinSkinner_->SetHorizontal(true);
      spinSkinner_->AttachWindow(arrows, skinData, ownerForm, canvas);
    }
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareTabImage();
  Repaint();
}

void TSkinTab31::PrepareTabImage() {
  tabImage_.Clear();
  const TDataSkinBorder* tabs = skinData_ ? skinData_->Elements().Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty())
    return;
  tabImage_ = tabs->Image.Clone();
  FlipBitmap(tabImage_);
}

bool TSkinTab31::BeforeMessage(TSkinMessage& message) {
  // Without a picture the strip paints itself, as if unskinned.
  if (tabImage_.Empty() && (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND))
    return true;
  switch (message.Msg) {
    case WM_PAINT:
      // The strip's own paint follows and finds nothing left to paint; AfterMessage then draws
      // the skinned strip over the window once more.
      PaintMessage(message);
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
  if (tabImage_.Empty() || !skinnedControl_)
    return;
  const TDataSkinBorder& tabs = *skinData_->Elements().Tabs;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return;
  TBitmap picture(width, height);
  TMemoryDC buffer(picture.Handle());
  FillFace(buffer.Get(), {0, 0, width, height});
  HFONT font = ControlFont();
  HGDIOBJ oldFont = SelectObject(buffer.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  const std::vector<std::string> texts = TabTexts(skinnedControl_);
  const int selected = IntOr(skinnedControl_, "TabIndex", -1);
  const int endMargin = IntOr(skinnedControl_, "EndMargin", 0);
  const int room = width - endMargin - (scroller_ && scroller_->Visible() ? kScrollerRoom : 0);
  int x = IntOr(skinnedControl_, "StartMargin", 0);
  for (int i = std::max(IntOr(skinnedControl_, "FirstIndex", 0), 0); i < static_cast<int>(texts.size()); ++i) {
    const std::wstring text = AnsiToWide(texts[static_cast<size_t>(i)]);
    SIZE extent{};
    GetTextExtentPoint32W(buffer.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    const int tabWidth = extent.cx + kTabPadding;
    if (x + tabWidth + kTabPadding > room)
      break;
    const RECT tab{x, 0, x + tabWidth + kTabPadding, height};
    const bool chosen = i == selected;
    DrawSkinElement(buffer.Get(), tab, tabImage_, false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount,
                    chosen ? 2 : 1, tabs.Margins);
    SetTextColor(buffer.Get(), ColourOf(chosen ? tabs.MouseOverColour2 : tabs.NormalColour2));
    DrawCaptionText(buffer.Get(), tab, DT_CENTER, skinnedControl_->Enabled(), text);
    x += tabWidth + kTabPadding;
  }
  SelectObject(buffer.Get(), oldFont);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

// ---- Add-on page control --------------------------------------------------------------------

void TSkinAdvPage::AttachControl(TSkinnerHost* ownerForm, TSkinData* skinData, bool manageColor, HDC canvas) {
  if (isAttached_)
    return;
  TSkinControl::AttachControl(ownerForm, skinData, manageColor, canvas);
  AssignTabPictures();
}

void TSkinAdvPage::AssignTabPictures() {
  if (advMode_ != kAdvModeTabPictures || !skinData_ || !skinnedControl_)
    return;
  const TDataSkinBorder* tabs = skinData_->Elements().Tabs.get();
  if (!tabs || tabs->Image.Empty())
    return;  // the control keeps its own tabs
  const char* names[] = {"TabBackGround", "TabBackGroundActive"};
  for (int frame = 1; frame <= 2; ++frame) {
    auto* target = dynamic_cast<TGlyph*>(GetObjectProperty(skinnedControl_, names[frame - 1], "TGlyph"));
    if (!target)
      continue;
    TBitmap picture(kAddOnTabWidth, kAddOnTabHeight);
    {
      TMemoryDC to(picture.Handle());
      FillFace(to.Get(), {0, 0, kAddOnTabWidth, kAddOnTabHeight});
      // Drawn over the face colour, keyed like the tabs themselves: no magenta in the corners.
      DrawSkinElement(to.Get(), {0, 0, kAddOnTabWidth, kAddOnTabHeight}, tabs->Image, false, tabs->Tile != 0,
                      tabs->Trans != 0, tabs->FrameCount, frame, tabs->Margins);
    }
    target->SetBitmap(std::move(picture));
  }
}

void TSkinAdvPage::Detach() {
  const bool wasActive = isActive_;
  TSkinControl::Detach();
  if (!wasActive || lifeState_ == lsWindowGone || !skinnedControl_)
    return;
  for (const char* name : {"TabBackGround", "TabBackGroundActive"})
    if (auto* target = dynamic_cast<TGlyph*>(GetObjectProperty(skinnedControl_, name, "TGlyph")))
      target->SetBitmap(TBitmap());
}

void TSkinAdvPage::SkinChanged() {
  TSkinControl::SkinChanged();
  AssignTabPictures();
}

void TSkinAdvPage::DrawControl(HDC, const RECT&) {
  if (spinSkinner_)
    return;
  if (HWND arrows = FindWindowExA(windowHandle_, nullptr, "msctls_updown32", nullptr)) {
    spinSkinner_ = new TSkinUpDown(this);
    spinSkinner_->AttachWindow(arrows, skinData_, ownerForm_, drawCanvas_);
  }
}
