#include "app/main_form.h"

#include "app/autostart.h"
#include "app/exe_folder.h"
#include "app/folder_dialog.h"
#include "app/folder_scan.h"
#include "app/main_form_layout.h"
#include "app/photo_name.h"
#include "app/res.h"
#include "app/wallpaper_apply.h"
#include "app/wallpaper_picture.h"
#include "app/web_page.h"
#include "framework/busy_cursor.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/core/class_ancestry.h"
#include "framework/core/exceptions.h"
#include "framework/core/string_list.h"
#include "framework/core/sysutils.h"
#include "framework/dialogs.h"
#include "framework/system/file_stream.h"
#include "framework/image.h"
#include "framework/ini_file.h"
#include "framework/labeled_edit.h"
#include "framework/list_box.h"
#include "framework/menu_item.h"
#include "framework/page_control.h"
#include "framework/status_bar.h"
#include "framework/string_list_file.h"
#include "framework/timer.h"
#include "skin/data/skin_data.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_class.h"

#include <map>

TForm1* Form1 = nullptr;

namespace {

// The class tree learns of this class before any object of it exists.
const bool kClassRegistered = RegisterClassAncestry("TForm1", "TForm");

constexpr char kFileListName[] = "Filelist.txt";
constexpr char kSettingsName[] = "Set.ini";
constexpr char kDefaultWallpaperName[] = "Wallpaper.BMP";
constexpr char kPhotoWallpaperName[] = "Current.BMP";  // a photo entry, made screen-sized
constexpr uint32_t kFirstWallpaperDelay = 3000;  // ms from Start to list entry 0
constexpr char kInformationPage[] = "http://www.brellow.example/tessaloom/info.html?qq=Tessaloom";
constexpr char kHomePage[] = "http://www.brellow.example/?Kestovine";

using THandler = void (TForm1::*)(TComponent*);

// The handlers a layout may bind, by name.
const std::map<std::string, THandler>& Handlers() {
  static const std::map<std::string, THandler> handlers = {
      {"FormCreate", &TForm1::FormCreate},
      {"Button4Click", &TForm1::Button4Click},
      {"Button2Click", &TForm1::Button2Click},
      {"Button6Click", &TForm1::Button6Click},
      {"FileListClick", &TForm1::FileListClick},
      {"ButtonStartClick", &TForm1::ButtonStartClick},
      {"ButtonStopClick", &TForm1::ButtonStopClick},
      {"TimerMpicTimer", &TForm1::TimerMpicTimer},
      {"Timer_BiZhiGengHuanTimer", &TForm1::Timer_BiZhiGengHuanTimer},
      {"LabeledEditRandomChange", &TForm1::LabeledEditRandomChange},
      {"suijipicFILEChange", &TForm1::suijipicFILEChange},
      {"Button10Click", &TForm1::Button10Click},
      {"CheckBoxRunClick", &TForm1::CheckBoxRunClick},
      {"TrayIcon1Click", &TForm1::TrayIcon1Click},
      {"N4Click", &TForm1::N4Click},
      {"N5Click", &TForm1::N5Click},
      {"N9Click", &TForm1::N9Click},
      {"N3Click", &TForm1::N3Click},
      {"N8Click", &TForm1::N8Click},
      {"Button8Click", &TForm1::Button8Click},
      {"Button9Click", &TForm1::Button9Click},
      {"Button1Click", &TForm1::Button1Click},
      {"Image2Click", &TForm1::Image2Click},
  };
  return handlers;
}

// A missing list or settings file is created empty; if that fails, nothing is said.
void CreateEmptyFile(const std::string& path) {
  try {
    WriteWholeFile(path, "");
  } catch (const Exception&) {
  }
}

std::vector<std::string> ToVector(const TStringList& list) {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i)
    items.push_back(list[i]);
  return items;
}

template <class T>
T* Find(const TForm& form, const char* name) {
  auto* found = dynamic_cast<T*>(form.FindComponent(name));
  if (!found)
    throw EInvalidOperation(std::string("Component ") + name + " not found");
  return found;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  SetName("Form1");
  RegisterSkinDataClass();
  RegisterTrayIconClass();
  // The tray icon the layout makes visible reaches the shell after the first paint.
  struct THold {
    THold() { TTrayIcon::HoldNewIcons(true); }
    ~THold() { TTrayIcon::HoldNewIcons(false); }
  } hold;
  ReadFormLayout(*this, MainFormLayout());
  BindFields();
}

void TForm1::BindFields() {
  Image2 = Find<TImage>(*this, "Image2");
  PageControl1 = Find<TPageControl>(*this, "PageControl1");
  FileList = Find<TListBox>(*this, "FileList");
  Button4 = Find<TButton>(*this, "Button4");
  Button2 = Find<TButton>(*this, "Button2");
  Button6 = Find<TButton>(*this, "Button6");
  Image1 = Find<TImage>(*this, "Image1");
  CheckBoxRun = Find<TCheckBox>(*this, "CheckBoxRun");
  CheckBoxAllPictures = Find<TCheckBox>(*this, "CheckBoxAllPictures");
  Timer_BiZhiGengHuan_T = Find<TLabeledEdit>(*this, "Timer_BiZhiGengHuan_T");
  piccount = Find<TLabeledEdit>(*this, "piccount");
  LabeledEditRandom = Find<TLabeledEdit>(*this, "LabeledEditRandom");
  suijipicFILE = Find<TLabeledEdit>(*this, "suijipicFILE");
  StatusBar = Find<TStatusBar>(*this, "StatusBar");
  FilePath = Find<TLabeledEdit>(*this, "FilePath");
  PicFilePath = Find<TEdit>(*this, "PicFilePath");
  filepathList = Find<TListBox>(*this, "filepathList");
  ButtonStart = Find<TButton>(*this, "ButtonStart");
  ButtonStop = Find<TButton>(*this, "ButtonStop");
  Timer_BiZhiGengHuan = Find<TTimer>(*this, "Timer_BiZhiGengHuan");
  TimerMpic = Find<TTimer>(*this, "TimerMpic");
  TrayIcon1 = Find<TTrayIcon>(*this, "TrayIcon1");
  N9 = Find<TMenuItem>(*this, "N9");
}

TNotifyEvent TForm1::MethodAddress(const std::string& name) {
  auto it = Handlers().find(name);
  if (it == Handlers().end())
    return {};
  return [this, handler = it->second](TComponent* sender) { (this->*handler)(sender); };
}

void TForm1::FormCreate(TComponent*) {
  const std::string folder = ExeFolder();
  FinishStartAfterFirstPaint();  // armed first, so a failing step below cannot lose the tray icon

  const std::string listPath = folder + kFileListName;
  if (FileExists(listPath)) {
    TStringList list;
    LoadStringListFromFile(list, listPath);
    FileList->SetItems(ToVector(list));
  } else {
    CreateEmptyFile(listPath);
  }
  N9->SetEnabled(FileList->Count() > 0);

  ExtractResourceToFile("Wallpaper", "BMP", folder + kDefaultWallpaperName);
  StatusBar->SetPanelText(0, "共有壁纸" + IntToStr(FileList->Count()) + "张");

  // No taskbar button: the application window that would carry it is hidden for good.
  HWND appWindow = Application->Handle();
  ShowWindow(appWindow, SW_HIDE);
  SetWindowLongA(appWindow, GWL_EXSTYLE, GetWindowLongA(appWindow, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);

  const std::string settingsPath = folder + kSettingsName;
  if (FileExists(settingsPath)) {
    const TIniFile settings(settingsPath);
    Timer_BiZhiGengHuan_T->SetText(settings.ReadString("userinfo", "Timer", Timer_BiZhiGengHuan_T->Text()));
    CheckBoxAllPictures->SetChecked(settings.ReadString("userinfo", "AllPictures", "0") == "1");
  } else {
    CreateEmptyFile(settingsPath);
  }

  if (AutoStartRegistered()) {
    FinishStart();  // off screen there is no first paint to wait for
    Application->ProcessMessages();
    SetPosition(TPosition::poDefault);
    SetBounds(-5000, Top(), Width(), Height());
    ButtonStart->Click();
    CheckBoxRun->SetChecked(true);
  } else {
    SetPosition(TPosition::poDesktopCenter);
    CheckBoxRun->SetChecked(false);
  }
}

// The window's first paint does not wait for the tray icon (the shell's DLL and the tray): it
// follows the first tick of a timer, whose message comes only when no paint is pending. The
// icon's requests held since the layout was read go first, then FormCreate's own.
void TForm1::FinishStartAfterFirstPaint() {
  finishStart_.SetInterval(USER_TIMER_MINIMUM);
  finishStart_.SetOnTimer([this](TComponent*) { FinishStart(); });
}

void TForm1::FinishStart() {
  finishStart_.SetEnabled(false);
  if (startFinished_)
    return;
  startFinished_ = true;
  TrayIcon1->ReleaseShell();
  TrayIcon1->SetIconVisible(true);
}

void TForm1::StoreFileList() {
  N9->SetEnabled(FileList->Count() > 0);
  TStringList list;
  for (const std::string& item : FileList->Items())
    list.Add(item);
  SaveStringListToFile(list, ExeFolder() + kFileListName);
}

bool TForm1::PhotosCollected() const { return CheckBoxAllPictures->Checked(); }

void TForm1::ReportSkipped(const std::string& entry, const std::string& reason) {
  StatusBar->SetPanelText(1, "已跳过 " + entry + "：" + reason);
}

bool TForm1::ApplyEntry(const std::string& entry) {
  ++attempts_;
  std::string wallpaper = entry;
  if (PhotosCollected() && IsPhotoName(entry)) {
    wallpaper = ExeFolder() + kPhotoWallpaperName;
    try {
      WritePhotoWallpaper(entry, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), wallpaper);
    } catch (const Exception& e) {
      ReportSkipped(entry, e.Message());
      skipped_ = entry;
      return false;
    }
  }
  ApplyWallpaper(wallpaper);
  shown_ = entry;
  skipped_.clear();
  return true;
}

void TForm1::LoadPreview(const std::string& path) {
  if (!PhotosCollected() || !IsPhotoName(path)) {
    Image1->Picture().LoadFromFileWithin(path, Image1->Width(), Image1->Height());
    return;
  }
  if (path == skipped_)
    return;  // the reason it was skipped is showing; the preview keeps the last good picture
  try {
    Image1->Picture().LoadFromFileWithin(path, Image1->Width(), Image1->Height());
  } catch (const Exception& e) {
    ReportSkipped(path, e.Message());
  }
}

uint32_t TForm1::PeriodFromEdit() const {
  const std::string periodText = Timer_BiZhiGengHuan_T->Text();
  const int period = StrToInt(periodText);
  // A negative period would become an interval of weeks: refuse it like a text that is no
  // number, keeping the interval the timer has.
  if (period < 0)
    throw EConvertError("'" + periodText + "' is not a valid period: it must be 0 or more milliseconds");
  return static_cast<uint32_t>(period);
}

void TForm1::Button4Click(TComponent*) {
  std::string folder;
  if (!ChooseFolder(Application->Handle(), "选择文件夹", folder))
    return;
  PicFilePath->SetText(folder);
  FileList->Clear();
  TBusyCursor busy;
  ScanFolderIntoLists(folder, *FileList, *filepathList, PhotosCollected());
  StatusBar->SetPanelText(0, "共" + IntToStr(FileList->Count()) + "张壁纸");
  StoreFileList();
}

void TForm1::Button2Click(TComponent*) {
  FileList->DeleteSelected();
  StoreFileList();
}

void TForm1::Button6Click(TComponent*) {
  FileList->Clear();
  StoreFileList();
}

void TForm1::FileListClick(TComponent*) {
  const int index = FileList->ItemIndex();
  if (index < 0)
    return;  // the caret names no entry: nothing to apply
  const std::string entry = FileList->Item(index);
  const bool applied = ApplyEntry(entry);
  FilePath->SetText(entry);
  if (applied)
    StatusBar->SetPanelText(1, entry);  // otherwise the reason it was skipped stays
  LoadPreview(FilePath->Text());
}

void TForm1::ButtonStartClick(TComponent*) {
  if (FileList->Count() == 0) {
    ShowMessage("壁纸文件列表不能为空");
    return;
  }
  ButtonStart->SetEnabled(false);
  ButtonStop->SetEnabled(true);
  ApplyEntry(ExeFolder() + kDefaultWallpaperName);
  TimerMpic->SetEnabled(true);
  TimerMpic->SetInterval(kFirstWallpaperDelay);
  Timer_BiZhiGengHuan->SetEnabled(true);
  Timer_BiZhiGengHuan->SetInterval(PeriodFromEdit());
}

void TForm1::ButtonStopClick(TComponent*) {
  ButtonStart->SetEnabled(true);
  ButtonStop->SetEnabled(false);
  Timer_BiZhiGengHuan->SetInterval(0);
  Timer_BiZhiGengHuan->SetEnabled(true);
}

void TForm1::TimerMpicTimer(TComponent*) {
  // A list emptied since Start leaves nothing to apply; the one-shot still disarms.
  if (FileList->Count() > 0)
    ApplyEntry(FileList->Item(0));
  TimerMpic->SetEnabled(false);
  TimerMpic->SetInterval(0);
}

void TForm1::Timer_BiZhiGengHuanTimer(TComponent*) {
  if (FileList->Count() == 0)
    return;  // emptied while rotating: nothing to draw from, nothing to show
  piccount->SetText(IntToStr(FileList->Count()));
  const int count = StrToInt(piccount->Text());
  LabeledEditRandom->SetText(IntToStr(random_.Next(count)));
  LoadPreview(suijipicFILE->Text());
}

void TForm1::LabeledEditRandomChange(TComponent*) {
  suijipicFILE->SetText(FileList->Item(StrToInt(LabeledEditRandom->Text())));
}

void TForm1::suijipicFILEChange(TComponent*) {
  ApplyEntry(suijipicFILE->Text());
}

void TForm1::Button10Click(TComponent*) {
  TIniFile settings(ExeFolder() + kSettingsName);
  settings.WriteString("userinfo", "Timer", Timer_BiZhiGengHuan_T->Text());
  // Unticked and never saved ticked, the file stays as it always was.
  if (CheckBoxAllPictures->Checked() || !settings.ReadString("userinfo", "AllPictures", "").empty())
    settings.WriteString("userinfo", "AllPictures", CheckBoxAllPictures->Checked() ? "1" : "0");
  ShowMessage("配置选项保存成功!");
}

void TForm1::CheckBoxRunClick(TComponent*) {
  if (!CheckBoxRun->Checked()) {
    if (!UnregisterAutoStart())
      StatusBar->SetPanelText(1, "无权删除全机开机启动项，开机仍会自动启动（请以管理员身份运行后取消）");
    return;
  }
  // Quoted: an unquoted path with spaces could start another program (C:\Program.exe).
  switch (RegisterAutoStart("\"" + ExePath() + "\"")) {
    case TAutoStartPlace::Machine:
      break;
    case TAutoStartPlace::User:
      StatusBar->SetPanelText(1, "无权写入全机开机启动项，已写入当前用户的开机启动项");
      break;
    case TAutoStartPlace::MachineKept:
      StatusBar->SetPanelText(1, "无权改写全机开机启动项，沿用已有的全机开机启动项");
      break;
  }
}

// Show and hide act on the window itself: the form's own visibility stays as it is.
void TForm1::TrayIcon1Click(TComponent*) {
  ShowWindow(Handle(), SW_HIDE);
  ShowCentred();
}

void TForm1::N4Click(TComponent*) {
  ShowCentred();
}

// The window has no taskbar button, so a minimised one could be brought back from nowhere else.
void TForm1::ShowCentred() {
  ShowWindow(Handle(), SW_SHOW);
  if (IsIconic(Handle()))
    ShowWindow(Handle(), SW_RESTORE);
  SetPosition(TPosition::poDesktopCenter);
}

void TForm1::N5Click(TComponent*) {
  ShowWindow(Handle(), SW_SHOW);
  ShowWindow(Handle(), SW_HIDE);
}

void TForm1::N9Click(TComponent*) {
  const int count = FileList->Count();
  if (count == 0)
    return;
  // The tick's draw, drawn again while it names the wallpaper shown now and another entry is
  // there to take (bounded: a list of one path repeated has no other).
  piccount->SetText(IntToStr(count));
  int index = random_.Next(count);
  for (int tries = 0; count > 1 && FileList->Item(index) == shown_ && tries < 64; ++tries)
    index = random_.Next(count);
  // Through the tick's edits, so the next tick goes on from this pick; when they held these
  // texts already the chain tried nothing, and the entry is applied here.
  const uint64_t attemptsBefore = attempts_;
  LabeledEditRandom->SetText(IntToStr(index));
  suijipicFILE->SetText(FileList->Item(index));
  if (attempts_ == attemptsBefore)
    ApplyEntry(FileList->Item(index));
  LoadPreview(suijipicFILE->Text());

  // Rotating from now: a stopped rotation takes the period typed, a running one keeps its own.
  const uint32_t period = ButtonStart->Enabled() ? PeriodFromEdit() : Timer_BiZhiGengHuan->Interval();
  ButtonStart->SetEnabled(false);
  ButtonStop->SetEnabled(true);
  Timer_BiZhiGengHuan->SetEnabled(false);
  Timer_BiZhiGengHuan->SetInterval(period);
  Timer_BiZhiGengHuan->SetEnabled(true);
}

void TForm1::N3Click(TComponent*) {
  Close();
}

void TForm1::N8Click(TComponent*) {
  OpenWebPage(Handle(), kHomePage);
}

void TForm1::Button8Click(TComponent*) {
  ShowWindow(Handle(), SW_HIDE);
}

void TForm1::Button9Click(TComponent*) {
  OpenWebPage(Handle(), kInformationPage);
}

void TForm1::Button1Click(TComponent*) {
  OpenWebPage(Handle(), kInformationPage);
}

void TForm1::Image2Click(TComponent*) {
  OpenWebPage(Handle(), kInformationPage);
}
