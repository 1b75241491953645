#include "framework/busy_cursor.h"
#include "framework/dialogs.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ShowMessage, UsesOkOnlyWithoutIconUnderTheApplicationTitle) {
  TApplication app;
  Application = &app;
  app.SetTitle("Tapestrel");
  std::string text, caption;
  UINT flags = 0xFFFF;
  app.SetMessageBoxFunction([&](HWND, const std::string& t, const std::string& c, UINT f) {
    text = t, caption = c, flags = f;
    return IDOK;
  });
  ShowMessage("配置选项保存成功!");
  Application = nullptr;
  EXPECT_EQ(text, "配置选项保存成功!");  // no period appended: that rule is the error box's
  EXPECT_EQ(caption, "Tapestrel");
  EXPECT_EQ(flags, static_cast<UINT>(MB_OK));
}

TEST(BusyCursor, NestsAndComesBackAfterAnException) {
  EXPECT_FALSE(TBusyCursor::Active());
  try {
    TBusyCursor outer;
    EXPECT_TRUE(TBusyCursor::Active());
    {
      TBusyCursor inner;
      EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    }
    EXPECT_TRUE(TBusyCursor::Active());
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    throw std::runtime_error("scan failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(TBusyCursor::Active());
  EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}
