// Menus of the skinned menu bar: opening a button's submenu, moving along the bar with the mouse
// and the arrow keys while one is open, and the skinned drawing of their items.
#include "framework/application.h"
#include "framework/form.h"
#include "framework/main_menu.h"
#include "framework/menu_item.h"
#include "framework/menu_item_paint.h"
#include "framework/system/gdi_handles.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"
#include "skin/window/form_menus.h"
#include "skin/window/menu_item_painter.h"
#include "skin/window/popup_menu_skinner.h"
#include "skin/window/skin_manage.h"
#include "skin/window/win_skin_form.h"

#include <algorithm>

namespace {

// What the message filter knows while a submenu of the bar is open. One menu is tracked at a
// time on the GUI thread.
struct TBarTracking {
  TWinSkinForm* Form = nullptr;  // whose bar
  int OpenIndex = -1;            // the open button
  int SwitchTo = -1;             // the button to open once the open menu has closed
  bool FirstKeySent = false;     // the first item is selected as the menu opens
  POINT LastMouse{};
  HHOOK Hook = nullptr;
};

TBarTracking tracking;

// The deepest highlighted item below MENU: its menu and position; false when none is.
bool DeepestHighlight(HMENU menu, HMENU& owner, int& position) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE))
      continue;
    owner = menu, position = i;
    if (HMENU sub = GetSubMenu(menu, i))
      DeepestHighlight(sub, owner, position);
    return true;
  }
  return false;
}

void SwitchTo(int index) {
  tracking.SwitchTo = index;
  EndMenu();
}

LRESULT FilterMenuMessage(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(tracking.Hook, code, wParam, lParam);
  if (next || code != MSGF_MENU || !tracking.Form || !tracking.Form->MenuBar())
    return next;
  const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
  TWinSkinMenu& bar = *tracking.Form->MenuBar();
  const int count = bar.Count();
  if (!tracking.FirstKeySent) {
    tracking.FirstKeySent = true;
    PostMessageA(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (msg.message == WM_KEYDOWN && count > 0 && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
    HMENU owner = nullptr;
    int position = -1;
    const HMENU tracked = bar.Button(tracking.OpenIndex)->SubMenu;
    const bool selected = DeepestHighlight(tracked, owner, position);
    // The keys keep their meaning inside the (unmirrored) submenus; along a right-to-left bar the
    // left arrow goes on to the next button.
    const int step = (msg.wParam == VK_RIGHT) != tracking.Form->RightToLeft() ? 1 : count - 1;
    if (msg.wParam == VK_LEFT && (!selected || owner == tracked)) {
      SwitchTo((tracking.OpenIndex + step) % count);
      return 1;
    }
    if (msg.wParam == VK_RIGHT && (!selected || !GetSubMenu(owner, position))) {
      SwitchTo((tracking.OpenIndex + step) % count);
      return 1;
    }
  } else if (msg.message == WM_MOUSEMOVE) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (cursor.x != tracking.LastMouse.x || cursor.y != tracking.LastMouse.y) {
      tracking.LastMouse = cursor;
      RECT window{};
      GetWindowRect(tracking.Form->Handle(), &window);
      const TMenuBtn* under = bar.ButtonAt({cursor.x - window.left, cursor.y - window.top});
      if (under && under->Index != tracking.OpenIndex && under->SubMenu)
        SwitchTo(under->Index);
    }
  }
  return 0;
}

// The hook is called from the system's menu loop: nothing may be thrown into it.
LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  CallGuarded([&] { result = FilterMenuMessage(code, wParam, lParam); });
  return result;
}

}  // namespace

bool TWinSkinForm::OpenMenuButton(TMenuBtn* button) {
  if (!button || !menuBar_ || tracking.Form)
    return false;
  PostMessageA(handle_, WM_COMMAND, button->Command, 0);
  if (!button->SubMenu)
    return false;
  TSkinManage* manager = SkinManage();
  for (TMenuBtn* open = button; open;) {
    tracking = {};
    tracking.Form = this;
    tracking.OpenIndex = open->Index;
    GetCursorPos(&tracking.LastMouse);
    ownerDrawn_.Convert(open->SubMenu);
    trackingMenu_ = true;
    trackedMenu_ = open->SubMenu;
    if (manager) {
      manager->SetPopupMode(pmMenuBar);
      manager->SetMenuBarPopup(true);
    }
    tracking.Hook = SetWindowsHookExA(WH_MSGFILTER, MenuFilter, nullptr, GetCurrentThreadId());
    open->MouseState = msPressed;
    open->Paint();
    RECT window{};
    GetWindowRect(handle_, &window);
    if (open->ItemEnabled) {
      const int x = window.left + (rightToLeft_ ? open->Bounds.right : open->Bounds.left);
      const UINT flags = TPM_NONOTIFY | TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : 0);
      TrackPopupMenu(open->SubMenu, flags, x, window.top + open->Bounds.bottom, 0, handle_, nullptr);
    }
    if (tracking.Hook)
      UnhookWindowsHookEx(tracking.Hook);
    ownerDrawn_.Restore();
    open->MouseState = msNormal;
    open->Paint();
    const int next = tracking.SwitchTo;
    tracking = {};
    trackingMenu_ = false;
    trackedMenu_ = nullptr;
    open = next >= 0 && next < menuBar_->Count() ? menuBar_->Button(next) : nullptr;
    if (open)
      PostMessageA(handle_, WM_COMMAND, open->Command, 0);
  }
  hotObject_ = nullptr;
  return true;
}

void TWinSkinForm::PostMenuButtonClick(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(handle_, &window);
  PostMessageA(handle_, WM_NCLBUTTONDOWN, HTMENU,
               MAKELPARAM(window.left + button.Bounds.left + 1, window.top + button.Bounds.top + 1));
}

bool TWinSkinForm::ActiveMDIChildMaximized() const {
  if (!mdiClient_)
    return false;
  BOOL maximized = FALSE;
  return SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) && maximized;
}

void TWinSkinForm::PaintMenuBarButtons(HDC dc, const RECT& bar) {
  if (formKind_ != fkMDIFrame || !ActiveMDIChildMaximized())
    return;
  if (TSkinManage* manager = SkinManage(); manager && !manager->MDIMaximized())
    manager->SetMDIMaximized(true);
  UpdateButtonVisibility();
  LayoutCaptionButtons();
  for (auto& button : captionButtons_) {
    const TDataSkinSysButton& element = button->Element();
    if (!button->Visible || element.Visibility != 100 || element.Image.Empty())
      continue;
    RECT at = button->Bounds;
    OffsetRect(&at, -bar.left, -bar.top);
    DrawSkinFrame(dc, at, element.Image, true, element.FrameCount, 1);
  }
}

// The framework item of the form's menu bar with that command; null for a foreign window and
// for items of other menus (the window menu, popup menus).
TMenuItem* TWinSkinForm::BarItem(UINT command) const {
  if (!form_ || !form_->Menu())
    return nullptr;
  TMenuItem* item = TMenuItem::FindByCommand(command);
  return item && item->Menu() == form_->Menu() ? item : nullptr;
}

// A submenu item of a framework form's bar is measured and drawn from its framework item:
// caption, state and the bar's images, which the native item does not carry.
LRESULT TWinSkinForm::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
  auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (measure.CtlType == ODT_MENU && skinData_) {
    if (TMenuItem* item = BarItem(measure.itemID)) {
      TWindowDC screen(nullptr);
      TSelectObject keep(screen.Get(), MenuFont());
      int width = 0, height = 0;
      item->MeasureDefault(screen.Get(), width, height);
      measure.itemWidth = static_cast<UINT>(std::max(0, MeasureBarItem(width, form_->Menu()->Images() != nullptr, *skinData_)));
      measure.itemHeight = static_cast<UINT>(std::max(0, height));
      return TRUE;
    }
  }
  if (skinData_ && ownerDrawn_.Measure(measure, *skinData_))
    return TRUE;
  return Default(WM_MEASUREITEM, wParam, lParam);
}

LRESULT TWinSkinForm::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (draw.CtlType == ODT_MENU && skinData_) {
    TSkinManage* manager = SkinManage();
    const TBitmap* background = nullptr;
    if (manager) {
      const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
      manager->BindPopupMenu(menu);
      if (trackingMenu_)
        manager->MarkPopupsFromMenuBar();
      if (TWinSkinPopMenu* popup = manager->PopupFor(menu); popup && !popup->Background().Empty())
        background = &popup->Background();
    }
    if (TMenuItem* item = BarItem(draw.itemID)) {
      DrawMenuItem(draw.hDC, draw.rcItem, LookOf(*item), (draw.itemState & ODS_SELECTED) != 0, *skinData_, background);
      return TRUE;
    }
    if (ownerDrawn_.Draw(draw, *skinData_, background, skinData_->MenuGlyphs()))
      return TRUE;
  }
  return Default(WM_DRAWITEM, wParam, lParam);
}
