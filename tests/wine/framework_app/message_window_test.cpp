#include "framework/message_window.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr TMessageWindowClass kProbeClass{.name = "TlProbeMessageWindow"};

class MessageWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application = &app_;
    app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string&, UINT) {
      errors_.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { Application = nullptr; }

  TApplication app_;
  std::vector<std::string> errors_;
};

TEST_F(MessageWindowTest, TheHandlerSeesEveryMessageFromNcCreateToNcDestroy) {
  struct Case {
    const char* kind;
    TMessageWindowStyle style;
    bool topLevel;
    bool destroyedOutside;  // by DestroyWindow, not by the owner
  };
  const TMessageWindowStyle popup{.exStyle = WS_EX_TOOLWINDOW, .style = WS_POPUP, .parent = nullptr};
  const Case cases[] = {
      {"message-only, owner destroys", {}, false, false},
      {"message-only, destroyed outside", {}, false, true},
      {"hidden popup, owner destroys", popup, true, false},
      {"hidden popup, destroyed outside", popup, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    std::vector<UINT> seen;
    HWND atNcCreate = nullptr;
    auto window = std::make_unique<TMessageWindow>(kProbeClass, c.style,
                                                   [&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                                                     seen.push_back(msg);
                                                     if (msg == WM_NCCREATE)
                                                       atNcCreate = hwnd;
                                                     return DefWindowProcA(hwnd, msg, wParam, lParam);
                                                   });
    const HWND handle = window->Handle();
    ASSERT_NE(handle, nullptr);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(atNcCreate, handle);
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_CREATE)), seen.end());
    EXPECT_EQ(GetAncestor(handle, GA_PARENT) == GetDesktopWindow(), c.topLevel);
    EXPECT_FALSE(IsWindowVisible(handle));

    if (c.destroyedOutside) {
      DestroyWindow(handle);
      EXPECT_EQ(window->Handle(), nullptr);
    }
    window.reset();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(seen.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_NCDESTROY)), 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_DESTROY)), seen.end());
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MessageWindowTest, AnErrorInTheHandlerIsReportedAndTheWindowCarriesOn) {
  TMessageWindow window(kProbeClass, {}, [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg == WM_APP)
      throw std::runtime_error("Handler failed");
    return msg == WM_APP + 1 ? 7 : DefWindowProcA(hwnd, msg, wParam, lParam);
  });
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 0);
  EXPECT_EQ(errors_, std::vector<std::string>{"Handler failed."});
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 1, 0, 0), 7);
}

TEST_F(MessageWindowTest, OwnersOfOneClassNameEachGetTheirOwnMessages) {
  std::string seen;
  auto make = [&](char tag) {
    return std::make_unique<TMessageWindow>(kProbeClass, TMessageWindowStyle{},
                                            [&seen, tag](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                                              if (msg == WM_APP)
                                                seen += tag;
                                              return DefWindowProcA(hwnd, msg, wParam, lParam);
                                            });
  };
  auto a = make('a');
  auto b = make('b');
  SendMessageA(a->Handle(), WM_APP, 0, 0);
  SendMessageA(b->Handle(), WM_APP, 0, 0);
  a.reset();
  SendMessageA(b->Handle(), WM_APP, 0, 0);
  auto c = make('c');
  SendMessageA(c->Handle(), WM_APP, 0, 0);
  EXPECT_EQ(seen, "abbc");
}

TEST_F(MessageWindowTest, AClassOrWindowThatCannotBeMadeIsReported) {
  WNDCLASSA foreign{};
  foreign.lpfnWndProc = DefWindowProcA;
  foreign.hInstance = GetModuleHandleA(nullptr);
  foreign.lpszClassName = "TlForeignClass";
  ASSERT_NE(RegisterClassA(&foreign), 0);
  const std::string tooLong(300, 'N');
  auto refuseCreation = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    return msg == WM_NCCREATE ? FALSE : DefWindowProcA(hwnd, msg, wParam, lParam);
  };
  struct Case {
    const char* what;
    const char* className;
    TMessageWindow::Handler handler;
    std::string message;
  };
  const Case cases[] = {
      {"a name held by another procedure", "TlForeignClass", nullptr,
       "Window class TlForeignClass belongs to another window procedure"},
      {"a name too long to register", tooLong.c_str(), nullptr, "Out of system resources"},
      {"a handler refusing WM_NCCREATE", kProbeClass.name, refuseCreation, "Out of system resources"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      TMessageWindow window(TMessageWindowClass{.name = c.className}, {}, c.handler);
      ADD_FAILURE() << "made a window";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
  }
  UnregisterClassA("TlForeignClass", GetModuleHandleA(nullptr));
}

}  // namespace
