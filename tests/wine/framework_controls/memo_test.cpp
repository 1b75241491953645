#include "framework/memo.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MemoTest : public ::testing::Test {
protected:
  MemoTest() : form_(nullptr), memo_(new TMemo(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 300, 200);
    memo_->SetParent(&form_);
    memo_->SetBounds(0, 0, 200, 100);
  }
  std::string WindowText() {
    std::string text(GetWindowTextLengthA(memo_->Handle()) + 1u, '\0');
    text.resize(GetWindowTextA(memo_->Handle(), text.data(), static_cast<int>(text.size())));
    return text;
  }
  TApplication app_;
  TWinControl form_;
  TMemo* memo_;
};

TEST_F(MemoTest, LinesAreOneCrLfTextBeforeAndAfterTheWindowExistsAndReadOnlyReachesIt) {
  const std::vector<std::string> lines{"2026-01-02 更新", "", "欢迎来信提出建议"};
  memo_->SetLines(lines);
  memo_->SetReadOnly(true);
  EXPECT_EQ(memo_->Lines(), lines);
  form_.Handle();
  EXPECT_TRUE(GetWindowLongA(memo_->Handle(), GWL_STYLE) & ES_READONLY);
  memo_->SetReadOnly(false);
  EXPECT_FALSE(GetWindowLongA(memo_->Handle(), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(WindowText(), "2026-01-02 更新\r\n\r\n欢迎来信提出建议");
  EXPECT_EQ(memo_->Lines(), lines);
  memo_->SetLines({});
  EXPECT_EQ(WindowText(), "");
  EXPECT_TRUE(memo_->Lines().empty());
}

TEST_F(MemoTest, ALongTextIsNotCutWhenTheWindowIsCreatedAndTypingIsKept) {
  const std::vector<std::string> lines(2000, std::string(40, 'x'));
  memo_->SetLines(lines);
  form_.Handle();
  EXPECT_EQ(GetWindowTextLengthA(memo_->Handle()), 2000 * 40 + 1999 * 2);
  SendMessageA(memo_->Handle(), EM_SETSEL, 0, 0);
  SendMessageA(memo_->Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("y"));
  EXPECT_EQ(memo_->Lines().size(), 2000u);
  EXPECT_EQ(memo_->Lines()[0], "y" + std::string(40, 'x'));
}

}  // namespace

// The memo's edge and scroll bar lie outside its client area: painted over, a frame repaint
// must bring them back (windows without such an area skip that paint).
TEST_F(MemoTest, ItsEdgeAndScrollBarArePaintedAgainWhenTheFrameIsRepainted) {
  ShowWindow(form_.Handle(), SW_SHOWNOACTIVATE);
  const HWND window = memo_->Handle();
  UpdateWindow(window);
  const COLORREF sentinel = RGB(255, 0, 255);
  HDC dc = GetWindowDC(window);
  const RECT whole{0, 0, 200, 100};
  HBRUSH brush = CreateSolidBrush(sentinel);
  FillRect(dc, &whole, brush);
  DeleteObject(brush);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(GetPixel(dc, 0, 0), sentinel) << "the edge";
  EXPECT_NE(GetPixel(dc, 190, 50), sentinel) << "the scroll bar";
  ReleaseDC(window, dc);
  ShowWindow(form_.Handle(), SW_HIDE);
}
