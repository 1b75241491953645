#include "framework/status_bar.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace {

class StatusBarTest : public ::testing::Test {
protected:
  StatusBarTest() : form_(nullptr), bar_(new TStatusBar(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 554, 464);
    bar_->SetParent(&form_);
    bar_->SetBounds(0, 0, 554, 23);
  }
  std::string WindowText(int panel) {
    char text[256] = {};
    SendMessageA(bar_->Handle(), SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // The bar's window rectangle in its parent's client coordinates.
  RECT PlacedAt() {
    RECT rect{};
    GetWindowRect(bar_->Handle(), &rect);
    MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  TApplication app_;
  TWinControl form_;
  TStatusBar* bar_;
};

TEST_F(StatusBarTest, PanelsSetBeforeTheWindowExistsReachItWithEdgesFromTheWidths) {
  bar_->SetPanelWidths({200, 150});
  bar_->SetPanelText(0, "共有壁纸12张");
  form_.Handle();
  bar_->SetPanelText(1, "C:\\pics\\a.bmp");

  int edges[4] = {};
  ASSERT_EQ(SendMessageA(bar_->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 200);
  EXPECT_EQ(edges[1], 350);
  EXPECT_EQ(WindowText(0), "共有壁纸12张");
  EXPECT_EQ(WindowText(1), "C:\\pics\\a.bmp");
  EXPECT_EQ(bar_->PanelText(1), "C:\\pics\\a.bmp");
  EXPECT_THROW(bar_->SetPanelText(2, "x"), std::out_of_range);
  EXPECT_THROW(bar_->PanelText(-1), std::out_of_range);

  bar_->SetPanelWidths({100});  // new panels, texts cleared
  EXPECT_EQ(SendMessageA(bar_->Handle(), SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(WindowText(0), "");
}

TEST_F(StatusBarTest, SitsAtTheBottomOfItsParentAtItsOwnHeightAndFollowsAResize) {
  bar_->SetPanelWidths({200, 150});
  form_.Handle();
  RECT client{};
  GetClientRect(form_.Handle(), &client);
  RECT placed = PlacedAt();
  EXPECT_EQ(placed.top, client.bottom - 23);
  EXPECT_EQ(placed.bottom, client.bottom);
  EXPECT_EQ(placed.right - placed.left, client.right);

  form_.SetBounds(0, 0, 400, 300);
  GetClientRect(form_.Handle(), &client);
  placed = PlacedAt();
  EXPECT_EQ(placed.bottom - placed.top, 23);
  EXPECT_EQ(placed.bottom, client.bottom);
  EXPECT_EQ(placed.right, client.right);
  EXPECT_FALSE(GetWindowLongA(bar_->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
}

}  // namespace
