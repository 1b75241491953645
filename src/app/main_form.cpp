#include "app/main_form.h"

#include "app/exe_folder.h"
#include "app/folder_dialog.h"
#include "app/folder_scan.h"
#include "app/main_form_layout.h"
#include "app/res.h"
#include "app/wallpaper_apply.h"
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
#include "framework/page_control.h"
#include "framework/registry.h"
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
constexpr char kRunKey[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Kestova";
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
}

TNotifyEvent TForm1::MethodAddress(const std::string& name) {
  auto it = Handlers().find(name);
  if (it == Handlers().end())
    return {};
  return [this, handler = it->second](TComponent* sender) { (this->*handler)(sender); };
}

void TForm1::FormCreate(TComponent*) {
  const std::string folder = ExeFolder();
  TrayIcon1->SetIconVisible(true);

  const std::string listPath = folder + kFileListName;
  if (FileExists(listPath)) {
    TStringList list;
    LoadStringListFromFile(list, listPath);
    FileList->SetItems(ToVector(list));
  } else {
    CreateEmptyFile(listPath);
  }

  ExtractResourceToFile("Wallpaper", "BMP", folder + kDefaultWallpaperName);
  StatusBar->SetPanelText(0, "共有壁纸" + IntToStr(FileList->Count()) + "张");

  // No taskbar button: the application window that would carry it is hidden for good.
  HWND appWindow = Application->Handle();
  ShowWindow(appWindow, SW_HIDE);
  SetWindowLongA(appWindow, GWL_EXSTYLE, GetWindowLongA(appWindow, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);

  const std::string settingsPath = folder + kSettingsName;
  if (FileExists(settingsPath))
    Timer_BiZhiGengHuan_T->SetText(
        TIniFile(settingsPath).ReadString("userinfo", "Timer", Timer_BiZhiGengHuan_T->Text()));
  else
    CreateEmptyFile(settingsPath);

  TRegistry registry(KEY_READ);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  std::string autoStart;
  if (registry.OpenKey(kRunKey, false))
    autoStart = registry.ReadString(kRunValue);
  if (!autoStart.empty()) {
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

void TForm1::SaveFileList() {
  TStringList list;
  for (const std::string& item : FileList->Items())
    list.Add(item);
  SaveStringListToFile(list, ExeFolder() + kFileListName);
}

void TForm1::LoadPreview(const std::string& path) {
  Image1->Picture().LoadFromFileWithin(path, Image1->Width(), Image1->Height());
}

void TForm1::Button4Click(TComponent*) {
  std::string folder;
  if (!ChooseFolder(Application->Handle(), "选择文件夹", folder))
    return;
  PicFilePath->SetText(folder);
  FileList->Clear();
  TBusyCursor busy;
  ScanFolderIntoLists(folder, *FileList, *filepathList);
  StatusBar->SetPanelText(0, "共" + IntToStr(FileList->Count()) + "张壁纸");
  SaveFileList();
}

void TForm1::Button2Click(TComponent*) {
  FileList->DeleteSelected();
  SaveFileList();
}

void TForm1::Button6Click(TComponent*) {
  FileList->Clear();
  SaveFileList();
}

void TForm1::FileListClick(TComponent*) {
  const int index = FileList->ItemIndex();
  if (index < 0)
    return;  // the caret names no entry: nothing to apply
  const std::string entry = FileList->Item(index);
  ApplyWallpaper(entry);
  FilePath->SetText(entry);
  StatusBar->SetPanelText(1, entry);
  LoadPreview(FilePath->Text());
}

void TForm1::ButtonStartClick(TComponent*) {
  if (FileList->Count() == 0) {
    ShowMessage("壁纸文件列表不能为空");
    return;
  }
  ButtonStart->SetEnabled(false);
  ButtonStop->SetEnabled(true);
  ApplyWallpaper(ExeFolder() + kDefaultWallpaperName);
  TimerMpic->SetEnabled(true);
  TimerMpic->SetInterval(kFirstWallpaperDelay);
  Timer_BiZhiGengHuan->SetEnabled(true);
  const std::string periodText = Timer_BiZhiGengHuan_T->Text();
  const int period = StrToInt(periodText);
  // A negative period would become an interval of weeks: refuse it like a text that is no
  // number, keeping the interval the timer has.
  if (period < 0)
    throw EConvertError("'" + periodText + "' is not a valid period: it must be 0 or more milliseconds");
  Timer_BiZhiGengHuan->SetInterval(static_cast<uint32_t>(period));
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
    ApplyWallpaper(FileList->Item(0));
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
  ApplyWallpaper(suijipicFILE->Text());
}

void TForm1::Button10Click(TComponent*) {
  TIniFile(ExeFolder() + kSettingsName).WriteString("userinfo", "Timer", Timer_BiZhiGengHuan_T->Text());
  ShowMessage("配置选项保存成功!");
}

void TForm1::CheckBoxRunClick(TComponent*) {
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  registry.OpenKey(kRunKey, false);
  if (CheckBoxRun->Checked())
    // Quoted: an unquoted path with spaces could start another program (C:\Program.exe).
    registry.WriteString(kRunValue, "\"" + ExePath() + "\"");
  else
    registry.DeleteValue(kRunValue);
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
