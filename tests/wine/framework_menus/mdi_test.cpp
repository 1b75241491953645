// MDI frames and children: the client window, creation through WM_MDICREATE, tiling,
// maximising (the frame's bar takes the child's buttons), closing and the MDI keys.
#include "framework/core/exceptions.h"
#include "framework/form.h"

#include "menu_test_support.h"

#include <string>

namespace {

using menu_test::HeldKeys;

class TFrameForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TMDIFrameTestForm"; }
};
class TChildForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TMDIChildTestForm"; }
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectInClient(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Counts WM_MDICREATE on the client window, as the skin engine listens there.
WNDPROC clientProc;
int mdiCreates;
LRESULT CALLBACK CountingClientProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_MDICREATE)
    ++mdiCreates;
  return CallWindowProcA(clientProc, hwnd, msg, w, l);
}

class MDITest : public menu_test::MenuFixture {
protected:
  MDITest() {
    frame_ = new TFrameForm(&root_);
    frame_->SetVisible(false);
    frame_->SetFormStyle(TFormStyle::fsMDIForm);
    frame_->SetClientWidth(600);
    frame_->SetClientHeight(400);
    bar_ = new TMainMenu(&root_);
    auto* window = new TMenuItem(&root_);
    window->SetCaption("&Windows");
    auto* tile = new TMenuItem(&root_);
    tile->SetCaption("&Tile");
    window->Add(tile);
    bar_->Add(window);
    frame_->SetWindowMenu(window);
    frame_->SetMenu(bar_);
    frame_->Handle();
    mdiCreates = 0;
    clientProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        frame_->ClientHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingClientProc)));
  }
  ~MDITest() override {
    if (frame_->ClientHandle())
      SetWindowLongPtrA(frame_->ClientHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clientProc));
  }
  TChildForm* Child(const std::string& caption) {
    auto* child = new TChildForm(frame_);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetCaption(caption);
    child->Show();
    return child;
  }
  TFrameForm* frame_;
  TMainMenu* bar_;
};

TEST_F(MDITest, ChildrenLiveInTheFramesClientAndAreMadeThroughIt) {
  HWND client = frame_->ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(ClassOf(client), "MDIClient");
  EXPECT_EQ(GetParent(client), frame_->Handle());
  RECT area;
  GetClientRect(frame_->Handle(), &area);
  const RECT clientRect = RectInClient(client);
  EXPECT_EQ(clientRect.left, 0);
  EXPECT_EQ(clientRect.right, area.right);  // fills the frame's client area
  EXPECT_EQ(clientRect.bottom, area.bottom);
  EXPECT_EQ(area.bottom, 400);  // which the bar did not shrink

  TChildForm* one = Child("One");
  TChildForm* two = Child("Two");
  EXPECT_EQ(mdiCreates, 2);
  for (TChildForm* child : {one, two}) {
    EXPECT_EQ(GetParent(child->Handle()), client);
    EXPECT_TRUE(GetWindowLongA(child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(ClassOf(child->Handle()), "TMDIChildTestForm");
    EXPECT_EQ(TWinControl::FromHandle(child->Handle()), child);
  }
  EXPECT_EQ(frame_->MDIChildCount(), 2);
  EXPECT_EQ(frame_->ActiveMDIChild(), two);  // the last one shown
  // The window menu lists the children after its own items.
  EXPECT_GT(GetMenuItemCount(bar_->Items(0)->Handle()), 1);
}

TEST_F(MDITest, TileSetsTheChildrenSideBySideAndCascadeStaggersThem) {
  frame_->Show();  // only visible children are arranged
  TChildForm* one = Child("One");
  TChildForm* two = Child("Two");
  frame_->Tile();
  RECT a = RectInClient(one->Handle()), b = RectInClient(two->Handle());
  RECT overlap;
  EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
  RECT client;
  GetClientRect(frame_->ClientHandle(), &client);
  EXPECT_EQ(a.bottom - a.top, client.bottom);  // vertical tiling: full-height columns
  EXPECT_EQ(b.bottom - b.top, client.bottom);

  frame_->Cascade();
  a = RectInClient(one->Handle());
  b = RectInClient(two->Handle());
  EXPECT_TRUE(IntersectRect(&overlap, &a, &b));
  EXPECT_NE(a.left, b.left);
  EXPECT_NE(a.top, b.top);
}

TEST_F(MDITest, AMaximisedChildPutsItsButtonsOnTheFramesBar) {
  Child("One");
  TChildForm* two = Child("Two");
  HMENU bar = GetMenu(frame_->Handle());
  ASSERT_EQ(bar, bar_->Handle());
  const int items = GetMenuItemCount(bar);
  SendMessageA(frame_->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(two->Handle()), 0);
  EXPECT_TRUE(IsZoomed(two->Handle()));
  EXPECT_GT(GetMenuItemCount(bar), items);  // window menu and caption buttons of the child

  // A bar rebuilt meanwhile keeps them: the frame hands it to its client.
  auto* help = new TMenuItem(&root_);
  help->SetCaption("&Help");
  bar_->Add(help);
  EXPECT_GT(GetMenuItemCount(GetMenu(frame_->Handle())), items + 1);

  SendMessageA(frame_->ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(two->Handle()), 0);
  EXPECT_EQ(GetMenuItemCount(GetMenu(frame_->Handle())), items + 1);
}

TEST_F(MDITest, ClosingAChildDestroysItsWindowButNotTheForm) {
  TChildForm* one = Child("One");
  TChildForm* two = Child("Two");
  HWND gone = two->Handle();
  PostMessageA(gone, WM_CLOSE, 0, 0);
  app_.ProcessMessages();
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_FALSE(two->HandleAllocated());
  EXPECT_EQ(frame_->MDIChildCount(), 1);
  EXPECT_EQ(frame_->MDIChildren(0), one);
  EXPECT_EQ(frame_->ActiveMDIChild(), one);
  delete one;  // a child freed with its window still there leaves through the client too
  EXPECT_EQ(frame_->MDIChildCount(), 0);
}

TEST_F(MDITest, CtrlF4InTheLoopClosesTheActiveChild) {
  Child("One");
  TChildForm* two = Child("Two");
  HWND active = two->Handle();
  {
    HeldKeys ctrl({VK_CONTROL});
    PostMessageA(active, WM_KEYDOWN, VK_F4, 1);
    app_.ProcessMessages();
  }
  app_.ProcessMessages();
  EXPECT_FALSE(IsWindow(active));
  EXPECT_EQ(frame_->MDIChildCount(), 1);
}

TEST_F(MDITest, StyleRulesAreEnforced) {
  EXPECT_THROW(frame_->SetFormStyle(TFormStyle::fsNormal), EInvalidOperation);
  // A child without any MDI frame cannot be made.
  TChildForm orphan(nullptr);
  orphan.SetFormStyle(TFormStyle::fsMDIChild);
  EXPECT_THROW(orphan.Handle(), EInvalidOperation);
  EXPECT_FALSE(orphan.HandleAllocated());
  // A normal form has no MDI side at all.
  TChildForm plain(nullptr);
  plain.SetVisible(false);
  plain.Handle();
  EXPECT_EQ(plain.ClientHandle(), nullptr);
  EXPECT_EQ(plain.MDIChildCount(), 0);
  EXPECT_EQ(plain.ActiveMDIChild(), nullptr);
}

}  // namespace
