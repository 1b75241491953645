// The start with Windows where the machine-wide Run key refuses the program, as User Account
// Control makes it for a program not run as administrator: TESSALOOM_REFUSE_MACHINE_RUN makes
// the program's writes and deletes there fail as refused.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "tessaloom/run_value.h"
#include "window_search.h"

namespace e2e {
namespace {

constexpr char kRefuse[] = "TESSALOOM_REFUSE_MACHINE_RUN";
constexpr char kBox[] = "开机自动更换桌面壁纸...";

class AutoStart : public TessaloomTest {
protected:
  TRunValueAt machine_{HKEY_LOCAL_MACHINE};
  TRunValueAt user_{HKEY_CURRENT_USER};

  std::string Quoted() const { return "\"" + program_->ExePath() + "\""; }
  HWND Box(const TTessaloomWindow& window) const { return FindDescendant(window.Main(), "Button", kBox); }
  // An automatic start opens the window out of sight: it is brought where a click reaches it.
  static void BringIntoView(const TTessaloomWindow& window) {
    SetWindowPos(window.Main(), nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.Sync();
  }
};

TEST_F(AutoStart, ARefusedMachineWideWriteGoesToTheUsersKeyAndTheStatusBarSaysSo) {
  program_->SetEnvironment(kRefuse, "1");
  const TTessaloomWindow window = Launch();
  ASSERT_TRUE(window.ClickTickBox(Box(window), true));
  EXPECT_EQ(user_.Read(), std::optional<std::string>(Quoted()));
  EXPECT_FALSE(machine_.Read().has_value());
  EXPECT_EQ(window.Panel(1), "无权写入全机开机启动项，已写入当前用户的开机启动项");
  EXPECT_FALSE(FindMessageBox(program_->Process().Id()).has_value()) << "an error box was shown";
}

TEST_F(AutoStart, WhereTheMachineWideKeyTakesTheValueTheUsersOneIsRemoved) {
  user_.Write("\"C:\\old place\\Tessaloom.exe\"");
  PrepareListOfBitmaps(1);  // an automatic start with an empty list says so in a box
  const TTessaloomWindow window = Launch();  // started from the user's value
  window.Sync();
  BringIntoView(window);
  ASSERT_TRUE(window.ClickTickBox(Box(window), false));
  ASSERT_TRUE(window.ClickTickBox(Box(window), true));
  EXPECT_EQ(machine_.Read(), std::optional<std::string>(Quoted()));
  EXPECT_FALSE(user_.Read().has_value()) << "both values would start the program twice";
  EXPECT_EQ(window.Panel(1), "");
}

TEST_F(AutoStart, AStartFromTheUsersValueOpensOutOfSightRotatesAndTicksTheBox) {
  program_->SetEnvironment(kRefuse, "1");
  user_.Write("\"C:\\old place\\Tessaloom.exe\"");
  const std::vector<std::string> paths = PrepareListOfBitmaps(2);
  const TTessaloomWindow window = Launch();
  window.Sync();
  EXPECT_EQ(user_.Read(), std::optional<std::string>(Quoted())) << "the value names the program where it is now";
  ExpectAnAutomaticStart(window, paths[0]);
}

TEST_F(AutoStart, UntickingRemovesBothValuesAndReportsARefusedMachineWideDelete) {
  const struct {
    bool refused;
    const char* startPanel;  // after the start re-ticked the box
    bool machineLeft;
    const char* panel;       // after the untick
  } cases[] = {
      {true, "无权改写全机开机启动项，沿用已有的全机开机启动项", true,
       "无权删除全机开机启动项，开机仍会自动启动（请以管理员身份运行后取消）"},
      {false, "", false, ""},
  };
  PrepareListOfBitmaps(1);  // an automatic start with an empty list says so in a box
  for (const auto& c : cases) {
    program_->SetEnvironment(kRefuse, c.refused ? "1" : "");
    machine_.Write("\"C:\\admin\\Tessaloom.exe\"");
    user_.Write("\"C:\\mine\\Tessaloom.exe\"");
    const TTessaloomWindow window = Launch();
    window.Sync();
    BringIntoView(window);
    // The machine-wide value stands (rewritten where allowed): the user's would start it twice.
    EXPECT_EQ(window.Panel(1), c.startPanel);
    EXPECT_FALSE(user_.Read().has_value()) << c.refused;
    EXPECT_EQ(machine_.Read(), std::optional<std::string>(c.refused ? "\"C:\\admin\\Tessaloom.exe\"" : Quoted()));
    ASSERT_TRUE(window.ClickTickBox(Box(window), false));
    EXPECT_FALSE(user_.Read().has_value()) << c.refused;
    EXPECT_EQ(machine_.Read().has_value(), c.machineLeft) << c.refused;
    EXPECT_EQ(window.Panel(1), c.panel);
    EXPECT_FALSE(FindMessageBox(program_->Process().Id()).has_value()) << "an error box was shown";
    ASSERT_TRUE(program_->Quit());
  }
}

}  // namespace
}  // namespace e2e
