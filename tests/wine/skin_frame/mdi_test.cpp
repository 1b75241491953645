// Skinned MDI frames and documents: every document wears the skin, a maximised document gives
// its caption buttons to the frame's skinned menu bar, and tiling gives them frames back.

#include "frame_fixture.h"
#include "plain_frame_skin.h"

#include "framework/main_menu.h"

#include <vector>

using namespace frame_test;

namespace {

class TFrameForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TSkinnedFrameForm"; }
};
class TDocumentForm : public TForm {
public:
  using TForm::TForm;
  const char* ClassName() const override { return "TSkinnedDocumentForm"; }
};

}  // namespace

class SkinnedMDI : public SkinnedWindowTest {
protected:
  ~SkinnedMDI() override {
    documents_.clear();
    frame_.reset();
    menuItems_.clear();
  }

  // An MDI frame with a menu bar and documents opened before its window existed, while skinning
  // was off, and after the frame was shown; DOCUMENTS of them (at least 2).
  void Open(int documents) {
    frame_ = std::make_unique<TFrameForm>(nullptr);
    frame_->SetFormStyle(TFormStyle::fsMDIForm);
    frame_->SetCaption("Frame");
    frame_->SetBounds(40, 40, 640, 480);
    bar_ = new TMainMenu(frame_.get());
    auto* file = new TMenuItem(frame_.get());
    file->SetCaption("&File");
    auto* exit = new TMenuItem(frame_.get());
    exit->SetCaption("E&xit");
    file->Add(exit);
    bar_->Add(file);
    frame_->SetMenu(bar_);
    StartSkinning();
    AddDocument("Before the frame's window");  // the document makes its frame's window
    skinData_->SetActive(false);
    AddDocument("Before skinning began");
    skinData_->SetActive(true);
    frame_->Show();
    for (int i = 2; i < documents; ++i)
      AddDocument("Document " + std::to_string(i + 1));
    PumpUntil([&] {
      for (TForm* document : documents_)
        if (!Skinner(document->Handle()) || Skinner(document->Handle())->State() != ssRunning)
          return false;
      return Skinner(frame_->Handle()) && Skinner(frame_->Handle())->State() == ssRunning;
    });
    Pump(100);
  }

  void AddDocument(const std::string& caption) {
    auto* document = new TDocumentForm(frame_.get());
    document->SetFormStyle(TFormStyle::fsMDIChild);
    document->SetCaption(caption);
    document->SetBounds(10 * static_cast<int>(documents_.size()), 10 * static_cast<int>(documents_.size()), 300, 200);
    document->Show();
    documents_.push_back(document);
  }

  std::unique_ptr<TFrameForm> frame_;
  TMainMenu* bar_ = nullptr;
  std::vector<TForm*> documents_;          // owned by the frame
  std::vector<std::unique_ptr<TMenuItem>> menuItems_;
};

TEST_F(SkinnedMDI, EveryDocumentWearsTheSkinEvenOneOpenedBeforeSkinningBegan) {
  Open(3);
  ASSERT_NE(Skinner(frame_->Handle()), nullptr);
  EXPECT_NE(Skinner(frame_->Handle())->MenuBar(), nullptr);
  for (TForm* document : documents_) {
    TWinSkinForm* skinner = Skinner(document->Handle());
    ASSERT_NE(skinner, nullptr) << document->Caption();
    EXPECT_TRUE(skinner->IsMDIChild());
    EXPECT_EQ(SendMessageA(document->Handle(), SKM_ISSKINNED, 0, 0), 1) << document->Caption();
  }
}

TEST_F(SkinnedMDI, AMaximisedDocumentGivesItsButtonsToTheFramesBarAndTilingTakesThemBack) {
  Open(2);
  HWND client = frame_->ClientHandle();
  HWND document = documents_.back()->Handle();
  SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(document), 0);
  Pump(200);
  EXPECT_TRUE(Manager().MDIMaximized());
  TWinSkinForm* frame = Skinner(frame_->Handle());
  int inBar = 0;
  for (const auto& button : frame->CaptionButtons())
    if (button->Element().Visibility == 100 && button->Visible) {
      ++inBar;
      const RECT b = button->Bounds;
      EXPECT_GE(b.top, frame->Borders().top) << "in the menu bar, below the caption";
      EXPECT_LE(b.bottom, frame->Borders().top + frame->MenuBarHeight() + 1);
    }
  EXPECT_EQ(inBar, 3) << "minimise, restore and close of the document";
  UniqueRgn region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(document, region.Get()), ERROR) << "no outline of its own while maximised";

  SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  Pump(200);
  EXPECT_FALSE(Manager().MDIMaximized());
  for (TForm* each : documents_)
    EXPECT_NE(GetWindowRgn(each->Handle(), region.Get()), ERROR) << each->Caption();
}

// A skin of other border sizes reaches every document too: each gets a frame of the new sizes
// around the client area it had.
TEST_F(SkinnedMDI, ASkinOfOtherBorderSizesReframesEveryDocumentAroundItsClientArea) {
  Open(2);
  const auto size = [](HWND window, bool client) {
    RECT r{};
    if (client)
      GetClientRect(window, &r);
    else
      GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  };
  std::vector<SIZE> clients;
  for (TForm* document : documents_)
    clients.push_back(size(document->Handle(), true));
  const RECT old = Skinner(documents_[0]->Handle())->Borders();
  skinData_->ReadSkinStream(StreamOf(Compressed(PlainFrameSkin(old.left + 5, old.top + 7, old.right + 3, old.bottom + 4, 0))));
  skinData_->SkinChanged();
  Pump(300);
  for (size_t i = 0; i < documents_.size(); ++i) {
    HWND document = documents_[i]->Handle();
    TWinSkinForm* skinner = Skinner(document);
    ASSERT_NE(skinner, nullptr) << i;
    const RECT borders = skinner->Borders();
    EXPECT_EQ(borders.left, old.left + 5) << i << ": the new skin's borders";
    const SIZE window = size(document, false), client = size(document, true);
    EXPECT_EQ(window.cx - client.cx, borders.left + borders.right) << "document " << i;
    EXPECT_EQ(window.cy - client.cy, borders.top + borders.bottom + skinner->MenuBarHeight()) << "document " << i;
    EXPECT_EQ(client.cx, clients[i].cx) << "document " << i;
    EXPECT_EQ(client.cy, clients[i].cy) << "document " << i;
  }
}

// Alt and a letter that no button of a form's own bar takes reach the bar that may: a document's
// frame's, another form's main form's (here the frame is the main form).
TEST_F(SkinnedMDI, AltAndALetterInADocumentOrAnotherFormOpenTheMainBarsMenu) {
  Open(2);
  HWND frame = frame_->Handle();
  TForm* frameForm = frame_.get();
  app_.AddForm(std::move(frame_));
  ASSERT_EQ(app_.MainForm(), frameForm);
  forms_.push_back(std::make_unique<TTestForm>("Tool"));
  TTestForm& tool = *forms_.back();
  tool.Show();
  PumpUntil([&] { return Skinner(tool.Handle()) && Skinner(tool.Handle())->State() == ssRunning; });
  BYTE keys[256]{};
  GetKeyboardState(keys);
  const BYTE alt = keys[VK_MENU];
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  const struct {
    const char* what;
    HWND from;
  } cases[] = {{"a document", documents_[0]->Handle()}, {"another form", tool.Handle()}};
  for (const auto& c : cases) {
    MSG posted{};
    while (PeekMessageA(&posted, frame, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
    }
    EXPECT_EQ(SendMessageA(c.from, CM_DIALOGCHAR, 'f', 0), 1) << c.what;
    ASSERT_TRUE(PeekMessageA(&posted, frame, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) << c.what;
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTMENU)) << c.what;
    EXPECT_EQ(SendMessageA(c.from, CM_DIALOGCHAR, 'q', 0), 0) << c.what << ": no button takes Q";
  }
  keys[VK_MENU] = alt;
  SetKeyboardState(keys);
}
