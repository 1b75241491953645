#include "main_form_fixture.h"

#include "framework/core/bmp_format.h"
#include "framework/system/gdi_handles.h"
#include "framework/registry.h"
#include "skin/data/skin_data.h"

namespace {

// A W x H 24-bit bitmap file, the left half red, the right half blue.
std::string HalvesBitmap(int w, int h) {
  std::string row(DibStride(w, 24), '\0');
  for (int x = 0; x < w; ++x)
    row[static_cast<size_t>(x) * 3 + (x < w / 2 ? 2 : 0)] = '\xFF';
  return EncodeBmpFile(w, h, 24, {}, reinterpret_cast<const uint8_t*>(row.data()), 0);  // every row alike
}

TEST_F(MainFormTest, AFirstStartCreatesEmptyFilesWritesTheWallpaperAndHidesTheTaskbarButton) {
  TForm1& form = Start();
  EXPECT_EQ(FileText("Filelist.txt"), "");
  EXPECT_EQ(FileText("Set.ini"), "");
  EXPECT_EQ(FileText("Wallpaper.BMP").size(), 401078u);
  EXPECT_EQ(form.StatusBar->PanelText(0), "共有壁纸0张");
  EXPECT_EQ(form.Timer_BiZhiGengHuan_T->Text(), "25000");
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  EXPECT_TRUE(GetWindowLongA(app_.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(form.CheckBoxRun->Checked());
  EXPECT_TRUE(form.ButtonStart->Enabled() && form.ButtonStop->Enabled());
  EXPECT_TRUE(boxes_.empty());
  char cls[16] = {}, caption[16] = {};
  GetClassNameA(form.Handle(), cls, sizeof cls);
  GetWindowTextA(form.Handle(), caption, sizeof caption);
  EXPECT_STREQ(cls, "TForm1");
  EXPECT_STREQ(caption, "Muravane");
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 554);
  EXPECT_EQ(client.bottom, 464);
}

TEST_F(MainFormTest, TheMainWindowLoadsItsStoredSkinWithItsStoredSettings) {
  TForm1& form = Start();
  auto* skin = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_FALSE(skin->NoSkin());
  EXPECT_FALSE(skin->Elements().Title.Image.Empty());
  EXPECT_EQ(skin->DisableTag(), 99);
  EXPECT_TRUE(skin->SkinControls().Contains(xcSystemMenu));
  EXPECT_FALSE(skin->SkinControls().Contains(xcMenuItem));
  EXPECT_EQ(skin->Version(), "5.40.07.15");
}

TEST_F(MainFormTest, TheListAndThePeriodComeBackFromTheirFilesAndAChangedWallpaperIsRestored) {
  WriteWholeFile(folder_ + "Filelist.txt", "C:\\a.bmp\n\nC:\\b.bmp\r\nC:\\c.bmp");
  WritePrivateProfileStringA("userinfo", "Timer", "4000", (folder_ + "Set.ini").c_str());
  WriteWholeFile(folder_ + "Wallpaper.BMP", "changed by the user");
  TForm1& form = Start();
  EXPECT_EQ(form.FileList->Items(), (std::vector<std::string>{"C:\\a.bmp", "", "C:\\b.bmp", "C:\\c.bmp"}));
  EXPECT_EQ(form.StatusBar->PanelText(0), "共有壁纸4张");
  EXPECT_EQ(form.Timer_BiZhiGengHuan_T->Text(), "4000");
  EXPECT_EQ(FileText("Wallpaper.BMP").size(), 401078u);
}

TEST_F(MainFormTest, AddScansTheChosenTreeBreadthFirstIntoTheListItsFileAndTheStatus) {
  const std::string root = folder_ + "tree";
  for (const char* dir : {"", "\\sub", "\\sub\\deeper"})
    CreateDirectoryA((root + dir).c_str(), nullptr);
  WriteWholeFile(root + "\\sub\\deeper\\c.bmp", "");
  WriteWholeFile(root + "\\sub\\b.BMP", "");
  WriteWholeFile(root + "\\a.bmp", "");
  WriteWholeFile(root + "\\notes.txt", "");
  TForm1& form = Start();
  form.FileList->SetItems({"old entry"});
  SetEnvironmentVariableA("TESSALOOM_BROWSE_FOLDER", root.c_str());
  form.Button4Click(nullptr);
  const std::vector<std::string> expected = {root + "\\a.bmp", root + "\\sub\\b.BMP", root + "\\sub\\deeper\\c.bmp"};
  EXPECT_EQ(form.FileList->Items(), expected);
  EXPECT_EQ(FileText("Filelist.txt"), expected[0] + "\r\n" + expected[1] + "\r\n" + expected[2] + "\r\n");
  EXPECT_EQ(form.StatusBar->PanelText(0), "共3张壁纸");
  EXPECT_EQ(form.PicFilePath->Text(), root);
  EXPECT_EQ(form.filepathList->Items(), (std::vector<std::string>{root + "\\sub\\", root + "\\sub\\deeper\\"}));
}

TEST_F(MainFormTest, AddOnAFolderWhoseNameEndsInATrailByteLikeABackslashListsItsOwnPictures) {
  // "灯籠" ends in the bytes BB 5C: one character, not a folder "灯" and a backslash.
  const std::string root = folder_ + "灯籠";
  for (const char* dir : {"", "\\夜景"})
    CreateDirectoryA((root + dir).c_str(), nullptr);
  WriteWholeFile(root + "\\元宵.bmp", "");
  WriteWholeFile(root + "\\夜景\\河灯.bmp", "");
  TForm1& form = Start();
  SetEnvironmentVariableA("TESSALOOM_BROWSE_FOLDER", root.c_str());
  form.Button4Click(nullptr);
  EXPECT_EQ(form.FileList->Items(), (std::vector<std::string>{root + "\\元宵.bmp", root + "\\夜景\\河灯.bmp"}));
  EXPECT_EQ(form.filepathList->Items(), std::vector<std::string>{root + "\\夜景\\"});
  EXPECT_EQ(form.PicFilePath->Text(), root);
}

TEST_F(MainFormTest, ACancelledFolderDialogChangesNothing) {
  TForm1& form = Start();
  form.FileList->SetItems({"kept"});
  SetEnvironmentVariableA("TESSALOOM_BROWSE_FOLDER", "");
  form.Button4Click(nullptr);
  EXPECT_EQ(form.FileList->Items(), std::vector<std::string>{"kept"});
  EXPECT_EQ(FileText("Filelist.txt"), "");
}

TEST_F(MainFormTest, DeleteKeepsTheUnselectedEntriesInOrderAndClearLeavesAnEmptyFile) {
  WriteWholeFile(folder_ + "Filelist.txt", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  TForm1& form = Start();
  for (int i : {0, 2, 3})
    form.FileList->SetSelected(i, true);
  form.Button2Click(nullptr);
  EXPECT_EQ(form.FileList->Items(), (std::vector<std::string>{"b", "e"}));
  EXPECT_EQ(FileText("Filelist.txt"), "b\r\ne\r\n");
  EXPECT_EQ(form.StatusBar->PanelText(0), "共有壁纸5张");  // the old count stands
  form.Button6Click(nullptr);
  EXPECT_EQ(form.FileList->Count(), 0);
  EXPECT_EQ(FileText("Filelist.txt"), "");
}

// Counts the messages sent to one window of this thread while it lives.
class SentMessages {
public:
  explicit SentMessages(HWND window) {
    window_ = window;
    count_ = 0;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Count, nullptr, GetCurrentThreadId());
  }
  ~SentMessages() { UnhookWindowsHookEx(hook_); }
  int Count() const { return count_; }

private:
  static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->hwnd == window_)
      ++count_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND window_ = nullptr;
  static inline int count_ = 0;
  HHOOK hook_;
};

TEST_F(MainFormTest, DeletingThousandsOfEntriesTakesTheListWindowAFewMessagesNotSomeForEach) {
  TForm1& form = Start();
  std::vector<std::string> entries, kept;
  for (int i = 0; i < 4000; ++i) {
    entries.push_back("Z:\\p" + std::to_string(i) + ".bmp");
    if (i % 4)
      kept.push_back(entries.back());
  }
  form.FileList->SetItems(entries);
  for (int i = 0; i < 4000; i += 4)
    form.FileList->SetSelected(i, true);
  SentMessages sent(form.FileList->Handle());
  form.Button2Click(nullptr);
  EXPECT_LT(sent.Count(), 100);
  EXPECT_EQ(form.FileList->Items(), kept);
  EXPECT_EQ(SendMessageA(form.FileList->Handle(), LB_GETCOUNT, 0, 0), 3000);
  EXPECT_EQ(SendMessageA(form.FileList->Handle(), LB_GETSELCOUNT, 0, 0), 0);
  std::string file;
  for (const std::string& entry : kept)
    file += entry + "\r\n";
  EXPECT_EQ(FileText("Filelist.txt"), file);
}

TEST_F(MainFormTest, AClickOnAnEntryAppliesItAndShowsItInThePreviewAndAnEmptyListDoesNothing) {
  TForm1& form = Start();
  form.FileListClick(nullptr);  // no entry under the caret
  EXPECT_TRUE(boxes_.empty());
  const std::vector<std::string> pictures = Pictures(3);
  form.FileList->SetItems(pictures);
  SendMessageA(form.FileList->Handle(), LB_SETCARETINDEX, 1, 0);
  form.FileListClick(nullptr);
  EXPECT_EQ(DesktopValue("Wallpaper"), pictures[1]);
  EXPECT_EQ(DesktopValue("TileWallPaper"), "0");
  EXPECT_EQ(form.FilePath->Text(), pictures[1]);
  EXPECT_EQ(form.StatusBar->PanelText(1), pictures[1]);
  EXPECT_EQ(form.Image1->Picture().Width(), 2);
}

TEST_F(MainFormTest, ABitmapLargerThanThePreviewIsShownAndKeptOnlyAtThePreviewsSize) {
  const std::string large = folder_ + "large.bmp";
  WriteWholeFile(large, HalvesBitmap(3000, 2000));
  TForm1& form = Start();
  form.FileList->SetItems({large});
  SendMessageA(form.FileList->Handle(), LB_SETCARETINDEX, 0, 0);
  form.FileListClick(nullptr);
  DeleteFileA(large.c_str());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(form.Image1->Picture().Width(), 346);
  EXPECT_EQ(form.Image1->Picture().Height(), 238);

  TWindowDC screen(nullptr);
  UniqueDC dc(CreateCompatibleDC(screen.Get()));
  UniqueBitmap canvas(CreateCompatibleBitmap(screen.Get(), 346, 238));
  TSelectObject select(dc.Get(), canvas.Get());
  form.Image1->PaintTo(dc.Get());
  for (int y : {0, 119, 237}) {
    EXPECT_EQ(GetPixel(dc.Get(), 0, y), RGB(255, 0, 0)) << y;
    EXPECT_EQ(GetPixel(dc.Get(), 171, y), RGB(255, 0, 0)) << y;
    EXPECT_EQ(GetPixel(dc.Get(), 174, y), RGB(0, 0, 255)) << y;
    EXPECT_EQ(GetPixel(dc.Get(), 345, y), RGB(0, 0, 255)) << y;
  }
}

TEST_F(MainFormTest, APreviewThatCannotLoadIsReportedAfterTheWallpaperWasApplied) {
  TForm1& form = Start();
  form.FileList->SetItems({folder_ + "missing.bmp", folder_ + "picture.gif"});
  SendMessageA(form.FileList->Handle(), LB_SETCARETINDEX, 1, 0);
  CallGuarded([&] { form.FileListClick(nullptr); });
  EXPECT_EQ(DesktopValue("Wallpaper"), folder_ + "picture.gif");
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0], "Tapestrel|Unknown picture file extension (.gif)|error");
}

TEST_F(MainFormTest, SavingThePeriodWritesTheSettingsFileAndSaysSo) {
  TForm1& form = Start();
  form.Timer_BiZhiGengHuan_T->SetText("abc");
  form.Button10Click(nullptr);
  EXPECT_EQ(FileText("Set.ini"), "[userinfo]\r\nTimer=abc\r\n");
  EXPECT_EQ(boxes_, std::vector<std::string>{"Tapestrel|配置选项保存成功!"});
}

// What the Run value holds: the program's path in quotes.
std::string QuotedExePath() { return std::string(1, '"').append(ExePath()).append(1, '"'); }

// The machine-wide Run value, removed again whatever the test does.
class RunValue {
public:
  ~RunValue() {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", false))
      registry.DeleteValue("Kestova");
  }
  std::string Read() const {
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", false);
    return registry.ValueExists("Kestova") ? registry.ReadString("Kestova") : "<missing>";
  }
};

TEST_F(MainFormTest, TheAutomaticStartValueHoldsTheQuotedPathAndUntickingRemovesIt) {
  RunValue run;
  TForm1& form = Start();
  form.CheckBoxRun->SetChecked(true);
  EXPECT_EQ(run.Read(), QuotedExePath());
  form.CheckBoxRun->SetChecked(false);
  EXPECT_EQ(run.Read(), "<missing>");
}

TEST_F(MainFormTest, AStartWithTheValuePresentOpensOutOfSightStartsAndRewritesTheValue) {
  RunValue run;
  {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", false));
    registry.WriteString("Kestova", "C:\\old place\\Tessaloom.exe");
  }
  TForm1& form = Start();
  EXPECT_EQ(form.Left(), -5000);
  // The list is empty: the start action says so, out of sight, and the box is ticked all the same.
  EXPECT_EQ(boxes_, std::vector<std::string>{"Tapestrel|壁纸文件列表不能为空"});
  EXPECT_TRUE(form.CheckBoxRun->Checked());
  EXPECT_EQ(run.Read(), QuotedExePath());
}

TEST_F(MainFormTest, ARunValueOfAnotherTypeIsReportedAndTheRestOfTheStartUpIsSkipped) {
  RunValue run;
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                          KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExA(key, "Kestova", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  TForm1& form = Start();
  EXPECT_EQ(boxes_, std::vector<std::string>{"Tapestrel|Invalid data type for 'Kestova'|error"});
  EXPECT_FALSE(form.CheckBoxRun->Checked());
  EXPECT_TRUE(form.ButtonStart->Enabled());  // no automatic start
  EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(MainFormTest, SettingsThatCannotBeWrittenAreReportedWithoutTheSuccessMessage) {
  TForm1& form = Start();
  const std::string settings = folder_ + "Set.ini";
  DeleteFileA(settings.c_str());
  CreateDirectoryA(settings.c_str(), nullptr);  // a folder where the file should be
  CallGuarded([&] { form.Button10Click(nullptr); });
  RemoveDirectoryA(settings.c_str());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].rfind("Tapestrel|Unable to write to ", 0), 0u) << boxes_[0];
  EXPECT_NE(boxes_[0].find("|error"), std::string::npos);
}

}  // namespace
