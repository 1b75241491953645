// The framework pieces the tray icon brought: application-window hooks, the utility window,
// window subclassing, popup menus and their items, image lists, icons made from handles.
#include "framework/application.h"
#include "framework/graphics/icon.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/utility_window.h"
#include "framework/window_subclass.h"

#include "tray_test_support.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using tray_test::IconColour;
using tray_test::MakeIcon;
using tray_test::PumpUntil;

class FrameworkPiecesTest : public tray_test::TrayFixture {
protected:
  TComponent root_{nullptr};
};

// ---- Application-window hooks ----

TEST_F(FrameworkPiecesTest, HooksSeeTheApplicationWindowsMessagesInOrder) {
  std::vector<std::string> seen;
  const UINT probe = WM_APP + 7;
  auto first = app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == probe)
      seen.push_back("first");
    return false;
  });
  app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != probe)
      return false;
    seen.push_back("second");
    result = 42;
    return true;
  });
  app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == probe)
      seen.push_back("third");
    return false;
  });
  EXPECT_EQ(SendMessageA(app_.Handle(), probe, 0, 0), 42);
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
  app_.UnhookMainWindow(first);
  seen.clear();
  SendMessageA(app_.Handle(), probe, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"second"}));
}

TEST_F(FrameworkPiecesTest, AHookMayRemoveAnotherOrItselfWhileItRuns) {
  const UINT probe = WM_APP + 8;
  int later = 0;
  TApplication::HookId laterId = 0, selfId = 0;
  selfId = app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == probe) {
      app_.UnhookMainWindow(laterId);
      app_.UnhookMainWindow(selfId);
    }
    return false;
  });
  laterId = app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    later += msg == probe;
    return false;
  });
  SendMessageA(app_.Handle(), probe, 0, 0);
  SendMessageA(app_.Handle(), probe, 0, 0);
  EXPECT_EQ(later, 0);
}

TEST_F(FrameworkPiecesTest, AFailingHookIsReportedAndTheMessageGoesOn) {
  const UINT probe = WM_APP + 9;
  int after = 0;
  app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) -> bool {
    if (msg == probe)
      throw std::runtime_error("Hook failed");
    return false;
  });
  app_.HookMainWindow([&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    after += msg == probe;
    return false;
  });
  SendMessageA(app_.Handle(), probe, 0, 0);
  EXPECT_EQ(after, 1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Hook failed.");
}

TEST_F(FrameworkPiecesTest, TheMainWindowAndShowMainFormAreTheApplications) {
  EXPECT_EQ(app_.MainWindow(), nullptr);
  EXPECT_TRUE(app_.ShowMainForm());
  app_.SetMainWindow(app_.Handle());
  app_.SetShowMainForm(false);
  EXPECT_EQ(app_.MainWindow(), app_.Handle());
  EXPECT_FALSE(app_.ShowMainForm());
}

// ---- Utility window and subclassing ----

TEST_F(FrameworkPiecesTest, AUtilityWindowGuardsItsProcedure) {
  std::vector<UINT> seen;
  TUtilityWindow window([&](UINT msg, WPARAM, LPARAM) -> LRESULT {
    seen.push_back(msg);
    if (msg == WM_APP)
      throw std::runtime_error("Procedure failed");
    return msg == WM_APP + 1 ? 5 : 0;
  });
  EXPECT_FALSE(window.HandleAllocated()) << "made when first asked for";
  ASSERT_TRUE(IsWindow(window.Handle()));
  EXPECT_TRUE(seen.empty()) << "creation messages get default handling";
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 1, 0, 0), 5);
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Procedure failed.");
  HWND handle = window.Handle();
  window.~TUtilityWindow();
  EXPECT_FALSE(IsWindow(handle));
  new (&window) TUtilityWindow(nullptr);  // for the destructor at scope end
}

TEST_F(FrameworkPiecesTest, SubclassesOfOneWindowChainAndComeOffInAnyOrder) {
  TUtilityWindow window([&](UINT msg, WPARAM, LPARAM) -> LRESULT { return msg == WM_APP ? 1 : 0; });
  std::vector<std::string> seen;
  auto filter = [&](const char* name, bool answer) {
    return [&seen, name, answer](UINT msg, WPARAM, LPARAM, LRESULT& result) {
      if (msg != WM_APP)
        return false;
      seen.push_back(name);
      if (answer)
        result = 9;
      return answer;
    };
  };
  auto a = std::make_unique<TWindowSubclass>(window.Handle(), filter("a", false));
  auto b = std::make_unique<TWindowSubclass>(window.Handle(), filter("b", false));
  EXPECT_TRUE(a->Installed());
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"b", "a"}));  // newest first, then the window's own
  a.reset();  // the older one comes off from under the newer
  seen.clear();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"b"}));
  auto c = std::make_unique<TWindowSubclass>(window.Handle(), filter("c", true));
  seen.clear();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 9);
  EXPECT_EQ(seen, (std::vector<std::string>{"c"}));
  c.reset();
  b.reset();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 1);

  // A filter may free its own subclass while a message is inside it (a nested loop that ends
  // its skinner): the filter, and what it holds, lasts until the message is through.
  std::unique_ptr<TWindowSubclass> self;
  const std::string held(40, 'd');
  self = std::make_unique<TWindowSubclass>(window.Handle(), [&, held](UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_APP)
      return false;
    self.reset();
    seen.push_back(held);
    result = 7;
    return true;
  });
  seen.clear();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 7);
  EXPECT_EQ(seen, std::vector<std::string>{held});
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 1) << "gone after the message";
}

namespace {
WNDPROC procedureUnderOurs = nullptr;  // for a procedure put over a subclassed window's
LRESULT CALLBACK ProcedureOverOurs(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(procedureUnderOurs, hwnd, msg, wParam, lParam);
}
}  // namespace

TEST_F(FrameworkPiecesTest, SubclassesHandOnFromBelowThemselvesAndGiveTheProcedureBack) {
  TUtilityWindow window([&](UINT msg, WPARAM, LPARAM) -> LRESULT { return msg == WM_APP ? 1 : 0; });
  const HWND handle = window.Handle();
  const LONG_PTR own = GetWindowLongPtrW(handle, GWLP_WNDPROC);
  std::vector<std::string> seen;
  std::wstring setText;
  auto a = std::make_unique<TWindowSubclass>(handle, [&](UINT msg, WPARAM, LPARAM lParam, LRESULT&) {
    if (msg == WM_SETTEXT)
      setText = reinterpret_cast<const wchar_t*>(lParam);  // filters see the Unicode form
    if (msg == WM_APP)
      seen.push_back("a");
    return false;
  });
  // One that takes itself out inside its filter still hands the message to what is below it.
  std::unique_ptr<TWindowSubclass> b;
  b = std::make_unique<TWindowSubclass>(handle, [&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_APP)
      return false;
    b->Remove();
    seen.push_back("b");
    result = b->Default(msg, wParam, lParam) + 10;
    return true;
  });
  EXPECT_EQ(SendMessageA(handle, WM_APP, 0, 0), 11);
  EXPECT_EQ(seen, (std::vector<std::string>{"b", "a"}));
  SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("tray"));
  EXPECT_EQ(setText, L"tray");
  b.reset();
  a.reset();
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_WNDPROC), own) << "the last one out gives it back";

  // A procedure put over ours later keeps working when the filter comes off under it.
  a = std::make_unique<TWindowSubclass>(handle, [](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
  procedureUnderOurs = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcedureOverOurs)));
  a.reset();
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ProcedureOverOurs));
  EXPECT_EQ(SendMessageA(handle, WM_APP, 0, 0), 1);
  SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedureUnderOurs));
  EXPECT_EQ(SendMessageA(handle, WM_APP, 0, 0), 1);
}

// ---- Popup menus ----

TEST_F(FrameworkPiecesTest, TheNativeMenuFollowsTheItems) {
  TPopupMenu menu(&root_);
  EXPECT_TRUE(menu.AutoPopup());
  std::vector<TMenuItem*> items;
  for (const char* caption : {"显示窗体", "-", "退  出"}) {
    items.push_back(new TMenuItem(&root_));
    items.back()->SetCaption(caption);
    menu.Add(items.back());
  }
  items[2]->SetEnabled(false);
  items[0]->SetDefault(true);
  HMENU handle = menu.Handle();
  ASSERT_NE(handle, nullptr);
  ASSERT_EQ(GetMenuItemCount(handle), 3);
  char text[64] = {};
  GetMenuStringA(handle, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "\xCF\xD4\xCA\xBE\xB4\xB0\xCC\xE5");  // 显示窗体 in GBK
  EXPECT_EQ(GetMenuItemID(handle, 0), items[0]->Command());
  EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(handle, 2, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(GetMenuDefaultItem(handle, FALSE, 0), items[0]->Command());
  EXPECT_EQ(menu.DefaultItem(), items[0]);

  delete items[1];  // an item that goes leaves its menu
  EXPECT_EQ(menu.Count(), 2);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2);
}

TEST_F(FrameworkPiecesTest, ItemsHaveCommandsOfTheirOwnAndTheCommandClicksThem) {
  TPopupMenu menu(&root_);
  auto* a = new TMenuItem(&root_);
  auto* b = new TMenuItem(&root_);
  EXPECT_NE(a->Command(), b->Command());
  EXPECT_EQ(TMenuItem::FindByCommand(b->Command()), b);
  int clicks = 0;
  TComponent* sender = nullptr;
  b->OnClick = [&](TComponent* s) { ++clicks, sender = s; };
  menu.Add(a);
  menu.Add(b);
  PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, b->Command(), 0);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 500));
  EXPECT_EQ(sender, b);
  b->SetEnabled(false);
  b->Click();
  EXPECT_EQ(clicks, 1);
  const UINT gone = a->Command();
  delete a;
  EXPECT_EQ(TMenuItem::FindByCommand(gone), nullptr);
  SendMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, gone, 0);  // nothing to click
}

TEST_F(FrameworkPiecesTest, AnItemMovesBetweenMenusAndOutlivesItsMenu) {
  auto first = std::make_unique<TPopupMenu>(&root_);
  TPopupMenu second(&root_);
  auto* item = new TMenuItem(&root_);
  first->Add(item);
  second.Add(item);
  EXPECT_EQ(first->Count(), 0);
  EXPECT_EQ(second.Count(), 1);
  EXPECT_EQ(item->Menu(), &second);
  first->Add(item);
  first.reset();
  EXPECT_EQ(item->Menu(), nullptr);
  item->SetCaption("Brellow");  // no menu left to tell
}

TEST_F(FrameworkPiecesTest, ThePopupListWindowLivesWithThePopupMenus) {
  EXPECT_EQ(TPopupMenu::PopupListWindow(), nullptr);
  HWND window = nullptr;
  {
    TPopupMenu a(&root_), b(&root_);
    window = TPopupMenu::PopupListWindow();
    EXPECT_TRUE(IsWindow(window));
  }
  EXPECT_EQ(TPopupMenu::PopupListWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

// ---- Image lists and icons ----

TEST_F(FrameworkPiecesTest, AnIconTakesAHandleOverAndReportsItsSize) {
  TIcon icon;
  int changes = 0;
  icon.OnChange = [&] { ++changes; };
  icon.SetHandle(MakeIcon(24, 0x123456));
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 24);
  EXPECT_EQ(icon.Height(), 24);
  EXPECT_EQ(changes, 1);
  TIcon copy;
  copy.Assign(icon);
  EXPECT_NE(copy.Handle(), icon.Handle());
  EXPECT_EQ(IconColour(copy.Handle(), 24), 0x123456u);
  icon.SetHandle(nullptr);
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 0);
  EXPECT_EQ(changes, 2);
}

TEST_F(FrameworkPiecesTest, AnImageListHoldsCopiesOfIcons) {
  TImageList list(&root_);
  EXPECT_EQ(list.Count(), 0);
  TIcon red, empty;
  red.SetHandle(MakeIcon(16, 0xFF0000));
  EXPECT_EQ(list.AddIcon(red), 0);
  EXPECT_EQ(list.AddIcon(empty), -1);
  EXPECT_EQ(list.Count(), 1);
  TIcon out;
  list.GetIcon(0, out);
  EXPECT_FALSE(out.Empty());
  EXPECT_EQ(out.Width(), 16);
  EXPECT_EQ(IconColour(out.Handle(), 16), 0xFF0000u);
  list.GetIcon(1, out);
  EXPECT_TRUE(out.Empty());
  list.GetIcon(-1, out);
  EXPECT_TRUE(out.Empty());
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
