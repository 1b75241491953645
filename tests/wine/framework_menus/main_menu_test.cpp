// A form's menu bar: attaching, the menu-changed notification, commands, shortcuts, the dialog
// character, owner-drawn items answered by the form, and the bar's lifetime.
#include "framework/button.h"
#include "framework/form.h"

#include "menu_test_support.h"

#include <memory>
#include <vector>

namespace {

using menu_test::HeldKeys;
using menu_test::NativeText;

class TMenuForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TMenuTestForm"; }
};

class MainMenuTest : public menu_test::MenuFixture {
protected:
  MainMenuTest() {
    form_ = new TMenuForm(&root_);
    form_->SetVisible(false);  // no window manager here: mapping a top-level window costs seconds
    bar_ = new TMainMenu(&root_);
    file_ = Item("&File");
    open_ = Item("&Open...", file_);
    open_->SetShortCut("Ctrl+O");
    bar_->Add(file_);
  }
  TMenuItem* Item(const std::string& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(&root_);
    item->SetCaption(caption);
    if (parent)
      parent->Add(item);
    return item;
  }
  TMenuForm* form_;
  TMainMenu* bar_;
  TMenuItem* file_;
  TMenuItem* open_;
};

TEST_F(MainMenuTest, TheBarIsAttachedWhetherSetBeforeOrAfterTheWindowExists) {
  for (bool early : {true, false}) {
    SCOPED_TRACE(early ? "before" : "after");
    auto form = std::make_unique<TMenuForm>(nullptr);
    form->SetVisible(false);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    if (early)
      form->SetMenu(bar_);
    HWND window = form->Handle();
    if (!early)
      form->SetMenu(bar_);
    EXPECT_EQ(GetMenu(window), bar_->Handle());
    EXPECT_EQ(NativeText(GetMenu(window), 0), "&File");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 200);  // the bar takes no room from the client area asked for
    form->SetMenu(nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
  }
}

TEST_F(MainMenuTest, TheMenuChangedNotificationComesBeforeTheBarChanges) {
  form_->SetMenu(bar_);
  HWND window = form_->Handle();
  struct TSeen {
    HMENU before, after;
    bool beforeAlive;  // the old bar still exists while the hook looks at it
  };
  std::vector<TSeen> seen;
  TWinControl::THookId id = 0;
  id = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg != CM_MENUCHANGED)
      return form_->CallNextHook(id, msg, w, l);
    TSeen s{GetMenu(window), nullptr, IsMenu(GetMenu(window)) != FALSE};
    const LRESULT result = form_->CallNextHook(id, msg, w, l);
    s.after = GetMenu(window);
    seen.push_back(s);
    return result;
  });

  const HMENU old = bar_->Handle();
  bar_->Add(Item("&Help"));  // a new native bar
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].before, old);
  EXPECT_TRUE(seen[0].beforeAlive);
  EXPECT_FALSE(IsMenu(old));  // and destroyed once the window let go of it
  EXPECT_EQ(seen[0].after, bar_->Handle());
  EXPECT_NE(seen[0].after, old);

  open_->SetCaption("&Open skin...");  // updated in place, announced all the same
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].before, seen[1].after);
  form_->RemoveMessageHook(id);
}

TEST_F(MainMenuTest, AHookThatSwallowsTheNotificationStillLeavesNoDeadBar) {
  form_->SetMenu(bar_);
  HWND window = form_->Handle();
  const TWinControl::THookId id = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    return msg == CM_MENUCHANGED ? 0 : form_->CallNextHook(id, msg, w, l);
  });
  bar_->Add(Item("&Help"));
  EXPECT_TRUE(IsMenu(GetMenu(window)));
  EXPECT_EQ(GetMenu(window), bar_->Handle());
  form_->RemoveMessageHook(id);
}

TEST_F(MainMenuTest, MenuCommandsRunTheItemsClickIncludingItemsWithSubItems) {
  form_->SetMenu(bar_);
  TMenuItem* disabled = Item("Disabled", file_);
  disabled->SetEnabled(false);
  std::vector<std::string> clicked;
  for (TMenuItem* item : {file_, open_, disabled})
    item->OnClick = [&clicked, item](TComponent*) { clicked.push_back(item->Caption()); };
  struct Row {
    TMenuItem* item;
    WPARAM high;  // 0 from a menu, 1 from an accelerator
  } rows[] = {{open_, 0}, {file_, 0}, {disabled, 0}, {open_, 1}};
  for (const Row& row : rows)
    PostMessageA(form_->Handle(), WM_COMMAND, MAKEWPARAM(row.item->Command(), row.high), 0);
  app_.ProcessMessages();
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Open...", "&File", "&Open..."}));
}

TEST_F(MainMenuTest, ShortCutKeysRunTheirItemFromAnyControlOfTheForm) {
  form_->SetMenu(bar_);
  auto* button = new TButton(form_);
  button->SetParent(form_);
  button->SetBounds(0, 0, 50, 20);
  form_->Handle();
  int opened = 0;
  open_->OnClick = [&](TComponent*) { ++opened; };
  struct Row {
    std::vector<BYTE> held;
    WORD key;
    int opens;
  } rows[] = {
      {{VK_CONTROL}, 'O', 1},
      {{}, 'O', 0},
      {{VK_CONTROL, VK_SHIFT}, 'O', 0},
      {{VK_CONTROL}, 'P', 0},
  };
  for (const Row& row : rows) {
    opened = 0;
    HeldKeys held(row.held);
    PostMessageA(button->Handle(), WM_KEYDOWN, row.key, 1);
    app_.ProcessMessages();
    EXPECT_EQ(opened, row.opens) << "key " << static_cast<char>(row.key) << ", " << row.held.size() << " held";
  }
}

TEST_F(MainMenuTest, SystemCharactersAreOfferedToTheFormFirst) {
  form_->SetMenu(bar_);
  std::vector<WPARAM> offered;
  bool answer = true;
  const TWinControl::THookId id = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == CM_DIALOGCHAR) {
      offered.push_back(w);
      return answer ? 1 : form_->CallNextHook(id, msg, w, l);
    }
    return form_->CallNextHook(id, msg, w, l);
  });
  int menusOpened = 0;
  const TWinControl::THookId watch = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(w) == file_->Handle()) {
      ++menusOpened;
      EndMenu();
    }
    return form_->CallNextHook(watch, msg, w, l);
  });
  constexpr LPARAM kAltDown = 1 << 29;
  PostMessageA(form_->Handle(), WM_SYSCHAR, 'f', kAltDown);
  app_.ProcessMessages();
  EXPECT_EQ(offered, std::vector<WPARAM>{'f'});
  EXPECT_EQ(menusOpened, 0);  // answered: no default handling

  answer = false;  // passed on: Alt+F opens the File menu the system's way
  menu_test::MenuDriver closer({});
  PostMessageA(form_->Handle(), WM_SYSCHAR, 'f', kAltDown);
  app_.ProcessMessages();
  EXPECT_EQ(offered.size(), 2u);
  EXPECT_EQ(menusOpened, 1);
  form_->RemoveMessageHook(watch);
  form_->RemoveMessageHook(id);
}

TEST_F(MainMenuTest, OpeningASubmenuRunsItsItemsClickOnce) {
  form_->SetMenu(bar_);
  int fileClicks = 0;
  file_->OnClick = [&](TComponent*) { ++fileClicks; };
  open_->OnClick = [&](TComponent*) { ADD_FAILURE() << "a sub-item ran as its submenu opened"; };
  const TWinControl::THookId watch = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    const LRESULT result = form_->CallNextHook(watch, msg, w, l);
    if (msg == WM_INITMENUPOPUP)
      EndMenu();
    return result;
  });
  menu_test::MenuDriver closer({});
  PostMessageA(form_->Handle(), WM_SYSCHAR, 'f', 1 << 29);
  app_.ProcessMessages();
  EXPECT_EQ(fileClicks, 1);
  // The window menu's opening names no framework item.
  SendMessageA(form_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file_->Handle()), MAKELPARAM(0, TRUE));
  EXPECT_EQ(fileClicks, 1);
  form_->RemoveMessageHook(watch);
}

TEST_F(MainMenuTest, ASubmenuRebuiltAsItOpensStaysAliveUntilTheMenuLoopEnds) {
  form_->SetMenu(bar_);
  HMENU opening = file_->Handle();
  file_->OnClick = [&](TComponent*) { Item("Recent.skin", file_); };  // a list made as it opens
  bool aliveAfterClick = false;
  const TWinControl::THookId watch = form_->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    const LRESULT result = form_->CallNextHook(watch, msg, w, l);
    if (msg == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(w) == opening) {
      aliveAfterClick = IsMenu(opening) != FALSE;
      EndMenu();
    }
    return result;
  });
  menu_test::MenuDriver closer({});
  PostMessageA(form_->Handle(), WM_SYSCHAR, 'f', 1 << 29);
  app_.ProcessMessages();
  EXPECT_TRUE(aliveAfterClick);
  EXPECT_EQ(GetMenuItemCount(file_->Handle()), 2);  // the next opening shows the new list
  EXPECT_FALSE(IsMenu(opening));  // freed once the loop was over
  form_->RemoveMessageHook(watch);
}

TEST_F(MainMenuTest, TheFormAnswersOwnerDrawMessagesOfItsBarsItems) {
  bar_->SetOwnerDraw(true);
  form_->SetMenu(bar_);
  RECT drawnRect = {};
  bool drawnSelected = false;
  int measuredWidth = -1;
  open_->OnMeasureItem = [&](TMenuItem*, HDC, int& width, int& height) {
    measuredWidth = width;
    width = 123;
    height = 21;
  };
  open_->OnDrawItem = [&](TMenuItem*, HDC, const RECT& rect, bool selected) {
    drawnRect = rect;
    drawnSelected = selected;
  };
  MEASUREITEMSTRUCT measure = {ODT_MENU, 0, open_->Command(), 0, 0, 0};
  EXPECT_EQ(SendMessageA(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
  EXPECT_GT(measuredWidth, 0);
  EXPECT_EQ(measure.itemWidth, 123u);
  EXPECT_EQ(measure.itemHeight, 21u);

  TWindowDC screen(nullptr);
  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_MENU;
  draw.itemID = open_->Command();
  draw.itemState = ODS_SELECTED;
  draw.hwndItem = reinterpret_cast<HWND>(file_->Handle());
  draw.hDC = screen.Get();
  draw.rcItem = {3, 4, 126, 25};
  EXPECT_EQ(SendMessageA(form_->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
  EXPECT_EQ(drawnRect.left, 3);
  EXPECT_EQ(drawnRect.bottom, 25);
  EXPECT_TRUE(drawnSelected);

  // An item of no framework menu is left to the window's own handling.
  MEASUREITEMSTRUCT foreign = {ODT_MENU, 0, 0xEFFE, 0, 0, 0};
  SendMessageA(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&foreign));
  EXPECT_EQ(foreign.itemWidth, 0u);
}

TEST_F(MainMenuTest, TheBarOutlivesItsFormsWindowAndTheWindowOutlivesTheBar) {
  form_->SetMenu(bar_);
  HMENU native = bar_->Handle();
  delete form_;  // DestroyWindow would destroy an attached menu
  EXPECT_TRUE(IsMenu(native));
  EXPECT_EQ(bar_->Handle(), native);

  TMenuForm form(nullptr);
  form.SetVisible(false);
  form.SetMenu(bar_);
  HWND window = form.Handle();
  delete bar_;
  EXPECT_EQ(form.Menu(), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
}

}  // namespace
