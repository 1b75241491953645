#pragma once
#include "app/random_draw.h"
#include "framework/form.h"
#include "framework/timer.h"

class TButton;
class TCheckBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TLabeledEdit;
class TListBox;
class TMenuItem;
class TMemo;
class TPageControl;
class TStatusBar;
class TTabSheet;
class TTrayIcon;

// The main window "Muravane": the wallpaper list, its preview and the rotation. Its controls
// come from its layout (main_form_layout.cpp); this class is its handlers.
class TForm1 : public TForm {
public:
  explicit TForm1(TComponent* owner);
  const char* ClassName() const override { return "TForm1"; }
  TNotifyEvent MethodAddress(const std::string& name) override;

  // Start-up.
  void FormCreate(TComponent* sender);
  // True once the tray icon, which waits for the first paint, has been made.
  bool StartFinished() const { return startFinished_; }
  // The wallpaper list.
  void Button4Click(TComponent* sender);  // Add: choose a folder and scan it
  void Button2Click(TComponent* sender);  // Delete the selected entries
  void Button6Click(TComponent* sender);  // Clear
  void FileListClick(TComponent* sender);
  // Applying and rotating.
  void ButtonStartClick(TComponent* sender);
  void ButtonStopClick(TComponent* sender);
  void TimerMpicTimer(TComponent* sender);
  void Timer_BiZhiGengHuanTimer(TComponent* sender);
  void LabeledEditRandomChange(TComponent* sender);
  void suijipicFILEChange(TComponent* sender);
  // Settings and automatic start.
  void Button10Click(TComponent* sender);
  void CheckBoxRunClick(TComponent* sender);
  // The tray icon, its menu, the hide button and the web links.
  void TrayIcon1Click(TComponent* sender);
  void N4Click(TComponent* sender);  // 显示窗体: show, centred
  void N5Click(TComponent* sender);  // 隐藏窗体: hide
  void N9Click(TComponent* sender);  // 下一张壁纸: another entry now, the period from now
  void N3Click(TComponent* sender);  // 退  出: close, which ends the program
  void N8Click(TComponent* sender);  // the maker's home page
  void Button8Click(TComponent* sender);  // 托盘: hide, rotation goes on
  void Button9Click(TComponent* sender);  // 关于: the information page
  void Button1Click(TComponent* sender);  // 检测更新: the information page
  void Image2Click(TComponent* sender);   // the banner: the information page

  // The controls the handlers use, found by name once the layout is read.
  TImage* Image2 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TListBox* FileList = nullptr;
  TButton* Button4 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button6 = nullptr;
  TImage* Image1 = nullptr;
  TCheckBox* CheckBoxRun = nullptr;
  TCheckBox* CheckBoxAllPictures = nullptr;
  TLabeledEdit* Timer_BiZhiGengHuan_T = nullptr;
  TLabeledEdit* piccount = nullptr;
  TLabeledEdit* LabeledEditRandom = nullptr;
  TLabeledEdit* suijipicFILE = nullptr;
  TStatusBar* StatusBar = nullptr;
  TLabeledEdit* FilePath = nullptr;
  TEdit* PicFilePath = nullptr;
  TListBox* filepathList = nullptr;
  TButton* ButtonStart = nullptr;
  TButton* ButtonStop = nullptr;
  TTimer* Timer_BiZhiGengHuan = nullptr;
  TTimer* TimerMpic = nullptr;
  TTrayIcon* TrayIcon1 = nullptr;
  TMenuItem* N9 = nullptr;

private:
  void BindFields();
  // The start's work the first paint does not wait for: the tray icon.
  void FinishStartAfterFirstPaint();
  void FinishStart();
  // Saves the list; 下一张壁纸 is offered while the list has entries.
  void StoreFileList();
  // Makes a list entry the wallpaper. With photos collected, a JPEG or PNG entry is made into
  // Current.BMP first; one that cannot be is skipped, the reason in status panel 1. True when
  // the wallpaper was changed.
  bool ApplyEntry(const std::string& entry);
  // Loads the file into the preview, which only ever shows it stretched to its own size. A
  // photo that cannot be shown is reported in status panel 1 instead of an error box.
  void LoadPreview(const std::string& path);
  // Shown from the tray: restored first when minimised, then centred on the desktop.
  void ShowCentred();
  bool PhotosCollected() const;
  void ReportSkipped(const std::string& entry, const std::string& reason);
  // The period typed in the settings page, in milliseconds.
  uint32_t PeriodFromEdit() const;

  TRandomDraw random_;      // seeded with 0 at start, never reseeded
  std::string shown_;       // the entry last made the wallpaper
  std::string skipped_;     // the photo entry last skipped, until an entry is applied
  uint64_t attempts_ = 0;   // entries ApplyEntry was given so far
  TTimer finishStart_;      // runs FinishStart once the first paint is through
  bool startFinished_ = false;
};

// The main window, known by the handlers before its creation handler runs.
extern TForm1* Form1;
