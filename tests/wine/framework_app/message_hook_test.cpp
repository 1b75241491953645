#include "framework/application.h"
#include "framework/button.h"
#include "framework/control.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kProbe = WM_APP + 7;

// A hook that writes its name for every probe message and passes everything on.
struct TRecordingHook {
  TRecordingHook(TWinControl& control, std::string name, std::vector<std::string>& seen)
      : control_(control) {
    id_ = control.AddMessageHook([this, name, &seen](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
      if (msg == kProbe)
        seen.push_back(name);
      return control_.CallNextHook(id_, msg, w, l);
    });
  }
  ~TRecordingHook() { Remove(); }
  void Remove() { control_.RemoveMessageHook(id_); }
  TWinControl& control_;
  TWinControl::THookId id_ = 0;
};

TWinControl* foundAtCreation;
LRESULT CALLBACK FindObjectAtCreation(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND && !foundAtCreation)
    foundAtCreation = TWinControl::FromHandle(reinterpret_cast<HWND>(w));
  return CallNextHookEx(nullptr, code, w, l);
}

class MessageHookTest : public ::testing::Test {
protected:
  MessageHookTest() : form_(nullptr) {
    Application = &app_;
    form_.SetBounds(0, 0, 200, 100);
    form_.SetVisible(false);  // no window manager here: mapping a top-level window costs seconds
  }
  ~MessageHookTest() override { Application = nullptr; }
  TApplication app_;
  TWinControl form_;
};

TEST_F(MessageHookTest, TwoHooksRemovedInEitherOrderLeaveTheOtherSeeingEveryMessage) {
  for (bool firstGoesFirst : {true, false}) {
    std::vector<std::string> seen;
    TRecordingHook first(form_, "first", seen);
    TRecordingHook second(form_, "second", seen);
    SendMessageA(form_.Handle(), kProbe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));  // the newest sees it first
    seen.clear();
    TRecordingHook& gone = firstGoesFirst ? first : second;
    TRecordingHook& kept = firstGoesFirst ? second : first;
    gone.Remove();
    SendMessageA(form_.Handle(), kProbe, 0, 0);
    EXPECT_EQ(seen, std::vector<std::string>{firstGoesFirst ? "second" : "first"});
    kept.Remove();
    seen.clear();
    SendMessageA(form_.Handle(), kProbe, 0, 0);
    EXPECT_TRUE(seen.empty());
  }
}

TEST_F(MessageHookTest, AHookThatRemovesItselfWhileAMessagePassesStillHandsItOn) {
  std::vector<std::string> seen;
  TRecordingHook older(form_, "older", seen);
  TWinControl::THookId self = 0;
  self = form_.AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == kProbe) {
      seen.push_back("self");
      form_.RemoveMessageHook(self);
    }
    return form_.CallNextHook(self, msg, w, l);
  });
  SendMessageA(form_.Handle(), kProbe, 0, 0);
  SendMessageA(form_.Handle(), kProbe, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"self", "older", "older"}));
}

TEST_F(MessageHookTest, TheObjectIsFoundUnderTheControlAtomFromCreationToTheLastMessage) {
  // The atom's name carries the module and the thread, as every skinner of the process expects.
  char name[64] = {};
  ASSERT_NE(GlobalGetAtomNameA(TWinControl::ControlAtom(), name, sizeof name), 0u);
  char expected[64];
  wsprintfA(expected, "ControlOfs%.8X%.8X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
            static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_STREQ(name, expected);

  // A thread's WH_CBT hook installed before the control sees the window being created with the
  // object already bound, as the skin manager's does.
  foundAtCreation = nullptr;
  HHOOK cbt = SetWindowsHookExA(WH_CBT, &FindObjectAtCreation, nullptr, GetCurrentThreadId());
  auto* button = new TButton(&form_);
  button->SetParent(&form_);
  form_.Handle();
  UnhookWindowsHookEx(cbt);
  EXPECT_EQ(foundAtCreation, &form_);

  // The hooks see the whole life of the window, creation and destruction included.
  std::vector<UINT> messages;
  TWinControl::THookId id = 0;
  auto* child = new TWinControl(&form_);
  id = child->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_NCCREATE || msg == WM_CREATE || msg == WM_NCCALCSIZE || msg == WM_DESTROY || msg == WM_NCDESTROY)
      messages.push_back(msg);
    if (msg == WM_NCDESTROY)  // the binding still holds at the last message
      EXPECT_EQ(TWinControl::FromHandle(child->Handle()), child);
    return child->CallNextHook(id, msg, w, l);
  });
  child->SetParent(&form_);
  HWND window = child->Handle();
  EXPECT_EQ(TWinControl::FromHandle(window), child);
  EXPECT_EQ(messages, (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));
  messages.clear();
  delete child;
  EXPECT_EQ(messages, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
}

// A subclass installed over the framework's stays in the chain when the framework lets go.
WNDPROC countingPrevious;
int countedDestroys;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NCDESTROY)
    ++countedDestroys;
  return CallWindowProcA(countingPrevious, hwnd, msg, w, l);
}

TEST_F(MessageHookTest, ALaterSubclassSurvivesTheFrameworkLettingGoOfTheWindow) {
  auto* child = new TWinControl(&form_);
  child->SetParent(&form_);
  HWND window = child->Handle();
  countedDestroys = 0;
  countingPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  delete child;
  EXPECT_EQ(countedDestroys, 1);
}

TEST_F(MessageHookTest, ParentNotificationsReachTheChildThroughItsHooks) {
  auto* button = new TButton(&form_);
  button->SetParent(&form_);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  HWND window = button->Handle();
  std::vector<UINT> reflected;
  TWinControl::THookId id = 0;
  id = button->AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg >= CN_BASE)
      reflected.push_back(msg);
    if (msg == CN_CTLCOLORSTATIC)  // a skinner taking the colour over
      return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    return button->CallNextHook(id, msg, w, l);
  });
  SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(clicks, 1);  // the control's own handling still runs below the hook
  HDC dc = GetDC(window);
  EXPECT_EQ(SendMessageA(form_.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)),
            reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(window, dc);
  NMHDR header{window, 0, NM_CLICK};
  SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(reflected, (std::vector<UINT>{CN_COMMAND, CN_CTLCOLORSTATIC, CN_NOTIFY}));
  button->RemoveMessageHook(id);  // it refers to this test's locals; the button lives on
}

TEST_F(MessageHookTest, APaintThatThrowsStillValidatesTheWindow) {
  int paints = 0;
  const TWinControl::THookId hook = form_.AddMessageHook([&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_PAINT && ++paints <= 3)  // a broken fallback ends after three rounds
      throw std::runtime_error("paint failed");
    if (msg == WM_PAINT)
      return ValidateRect(form_.Handle(), nullptr), 0;
    return form_.DefaultHandler(msg, w, l);
  });
  form_.SetVisible(true);  // only a shown window is painted
  HWND window = form_.Handle();
  int errors = 0;
  // The error box is modal: it dispatches what is queued, paints included, while it is open.
  app_.SetMessageBoxFunction([&](HWND, const std::string&, const std::string&, UINT) {
    if (++errors < 5)
      app_.ProcessMessages();
    return IDOK;
  });
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  app_.ProcessMessages();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(errors, 1);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  form_.RemoveMessageHook(hook);
}

}  // namespace
