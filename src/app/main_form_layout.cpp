#include "app/main_form_layout.h"

#include "framework/colour.h"
#include "skin/data/skin_data_types.h"

#include <windows.h>

#include <initializer_list>

namespace {

using Strings = std::vector<std::string>;

template <class E>
int Bits(std::initializer_list<E> members) {
  int bits = 0;
  for (E member : members)
    bits |= 1 << member;
  return bits;
}

// Controls outside the client area or invisible are named storage for the handlers.
TFormLayout MakeLayout() {
  TFormLayout layout;
  layout.Form = {
      {"Caption", std::string("Muravane")},
      {"ClientWidth", 554},
      {"ClientHeight", 464},
      {"Color", clWindow},
      {"Position", std::string("poDesktopCenter")},
      {"Icon", std::string("MAINICON")},
      {"OnCreate", std::string("FormCreate")},
  };
  layout.Components = {
      {"TImage", "Image2", "", {
          {"Align", std::string("alTop")}, {"Height", 73}, {"Stretch", false},
          {"OnClick", std::string("Image2Click")},
          {"Picture", TStoredResource{"BANNER", MAKEINTRESOURCEA(10) /* RT_RCDATA */}}}},
      {"TPageControl", "PageControl1", "", {
          {"Left", 0}, {"Top", 76}, {"Width", 560}, {"Height", 332}, {"TabOrder", 0}}},
      {"TTabSheet", "TabSheet1", "PageControl1", {{"Caption", std::string("管理壁纸")}}},
      {"TLabel", "Label2", "TabSheet1", {
          {"Left", 4}, {"Top", 7}, {"Caption", std::string("壁纸文件列表")}}},
      {"TListBox", "FileList", "TabSheet1", {
          {"Left", 4}, {"Top", 22}, {"Width", 133}, {"Height", 251}, {"ItemHeight", 12},
          {"MultiSelect", true}, {"OnClick", std::string("FileListClick")}}},
      {"TButton", "Button4", "TabSheet1", {
          {"Left", 143}, {"Top", 21}, {"Width", 34}, {"Height", 19}, {"Caption", std::string("添加")},
          {"OnClick", std::string("Button4Click")}}},
      {"TButton", "Button2", "TabSheet1", {
          {"Left", 143}, {"Top", 46}, {"Width", 34}, {"Height", 19}, {"Caption", std::string("删除")},
          {"OnClick", std::string("Button2Click")}}},
      {"TButton", "Button6", "TabSheet1", {
          {"Left", 143}, {"Top", 71}, {"Width", 34}, {"Height", 19}, {"Caption", std::string("清空")},
          {"OnClick", std::string("Button6Click")}}},
      {"TGroupBox", "GroupBox3", "TabSheet1", {
          {"Left", 184}, {"Top", 16}, {"Width", 361}, {"Height", 257},
          {"Caption", std::string("壁纸图像预览")}}},
      {"TImage", "Image1", "GroupBox3", {
          {"Left", 8}, {"Top", 13}, {"Width", 346}, {"Height", 238}, {"Stretch", true}}},
      {"TCheckBox", "CheckBoxRun", "TabSheet1", {
          {"Left", 6}, {"Top", 283}, {"Width", 169}, {"Height", 17},
          {"Caption", std::string("开机自动更换桌面壁纸...")}, {"OnClick", std::string("CheckBoxRunClick")}}},
      {"TTabSheet", "TabSheet2", "PageControl1", {{"Caption", std::string("个性设置")}}},
      {"TGroupBox", "GroupBox1", "TabSheet2", {
          {"Left", 0}, {"Top", 0}, {"Width", 553}, {"Height", 137}}},
      {"TLabeledEdit", "Timer_BiZhiGengHuan_T", "GroupBox1", {
          {"Left", 8}, {"Top", 32}, {"Width", 121}, {"Height", 18},
          {"EditLabel.Caption", std::string("壁纸更换周期:(1000=1秒)")}, {"Text", std::string("25000")}}},
      {"TLabeledEdit", "piccount", "GroupBox1", {
          {"Left", 168}, {"Top", 32}, {"Width", 121}, {"Height", 18}, {"Visible", false},
          {"EditLabel.Caption", std::string("壁纸总数")}}},
      {"TLabeledEdit", "LabeledEditRandom", "GroupBox1", {
          {"Left", 304}, {"Top", 31}, {"Width", 121}, {"Height", 18}, {"Visible", false},
          {"EditLabel.Caption", std::string("随机选取壁纸")}, {"OnChange", std::string("LabeledEditRandomChange")}}},
      {"TLabeledEdit", "suijipicFILE", "GroupBox1", {
          {"Left", 304}, {"Top", 74}, {"Width", 121}, {"Height", 18}, {"Visible", false},
          {"EditLabel.Caption", std::string("随机壁纸文件")}, {"OnChange", std::string("suijipicFILEChange")}}},
      {"TButton", "Button10", "GroupBox1", {
          {"Left", 8}, {"Top", 64}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("保存配置")},
          {"OnClick", std::string("Button10Click")}}},
      {"TCheckBox", "CheckBoxAllPictures", "GroupBox1", {
          {"Left", 8}, {"Top", 100}, {"Width", 200}, {"Height", 17},
          {"Caption", std::string("同时收集 JPG/PNG 图片")}}},
      {"TTabSheet", "TabSheet3", "PageControl1", {{"Caption", std::string("更新说明")}}},
      {"TMemo", "Memo1", "TabSheet3", {
          {"Align", std::string("alClient")}, {"ReadOnly", true},
          {"Lines", Strings{
              "2026-12-08  1.2 版：壁纸列表可一次删除多项。",
              "2026-11-20  1.2 版：扫描文件夹时显示忙碌光标。",
              "2026-11-02  1.1 版：隐藏的图片和文件夹也会被收入列表。",
              "2026-10-15  1.1 版：开机自动更换壁纸时窗口不再弹出。",
              "2026-09-28  1.0 版：预览区按比例填满显示图片。",
              "2026-09-10  1.0 版：默认壁纸在每次启动时恢复。",
              "2026-08-22  0.9 版：更换周期可以保存到配置文件。",
              "2026-08-03  0.9 版：托盘菜单可显示或隐藏窗体。",
              "2026-07-16  0.8 版：第一次发布。",
              "欢迎来信提出建议：brellow@example.com"}}}},
      {"TStatusBar", "StatusBar", "", {
          {"Align", std::string("alBottom")}, {"Height", 23}, {"Panels", Strings{"200", "150"}}}},
      {"TLabeledEdit", "FilePath", "", {
          {"Left", 588}, {"Top", 323}, {"Width", 121}, {"Height", 18}, {"Visible", false}, {"TabOrder", 6},
          {"EditLabel.Caption", std::string("文件路径:")}}},
      {"TEdit", "PicFilePath", "", {
          {"Left", 584}, {"Top", 118}, {"Width", 121}, {"Height", 18}, {"Visible", false}, {"TabOrder", 9}}},
      {"TListBox", "filepathList", "", {
          {"Left", 584}, {"Top", 152}, {"Width", 249}, {"Height", 153}, {"TabOrder", 8}}},
      {"TButton", "ButtonStart", "", {
          {"Left", 171}, {"Top", 411}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("开始")},
          {"TabOrder", 3}, {"OnClick", std::string("ButtonStartClick")}}},
      {"TButton", "ButtonStop", "", {
          {"Left", 247}, {"Top", 411}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("停止")},
          {"TabOrder", 4}, {"OnClick", std::string("ButtonStopClick")}}},
      {"TButton", "Button1", "", {
          {"Left", 324}, {"Top", 411}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("检测更新")},
          {"OnClick", std::string("Button1Click")}, {"TabOrder", 7}}},
      {"TButton", "Button9", "", {
          {"Left", 400}, {"Top", 411}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("关于")},
          {"OnClick", std::string("Button9Click")}, {"TabOrder", 5}}},
      {"TButton", "Button8", "", {
          {"Left", 476}, {"Top", 411}, {"Width", 75}, {"Height", 25}, {"Caption", std::string("托盘")},
          {"OnClick", std::string("Button8Click")}, {"TabOrder", 2}}},
      {"TTimer", "Timer_BiZhiGengHuan", "", {
          {"Enabled", false}, {"Interval", 0}, {"OnTimer", std::string("Timer_BiZhiGengHuanTimer")}}},
      {"TTimer", "TimerMpic", "", {
          {"Enabled", false}, {"Interval", 0}, {"OnTimer", std::string("TimerMpicTimer")}}},
      {"TTrayIcon", "TrayIcon1", "", {
          {"Hint", std::string("Kestova")}, {"Icon", std::string("TRAYICON")}, {"IconVisible", true},
          {"IconIndex", 0}, {"CycleInterval", 0}, {"PopupMenu", std::string("PopupMenu1")},
          {"OnClick", std::string("TrayIcon1Click")}}},
      {"TPopupMenu", "PopupMenu1", "", {{"AutoPopup", true}}},
      {"TMenuItem", "N4", "PopupMenu1", {{"Caption", std::string("显示窗体")}, {"OnClick", std::string("N4Click")}}},
      {"TMenuItem", "N5", "PopupMenu1", {{"Caption", std::string("隐藏窗体")}, {"OnClick", std::string("N5Click")}}},
      {"TMenuItem", "N9", "PopupMenu1", {{"Caption", std::string("下一张壁纸")}, {"OnClick", std::string("N9Click")}}},
      {"TMenuItem", "N7", "PopupMenu1", {{"Caption", std::string("-")}}},
      {"TMenuItem", "N3", "PopupMenu1", {{"Caption", std::string("退  出")}, {"OnClick", std::string("N3Click")}}},
      {"TMenuItem", "N8", "PopupMenu1", {
          {"Caption", std::string("Brellow友情开发制作")}, {"OnClick", std::string("N8Click")}}},
      {"TSkinData", "SkinData1", "", {
          {"Active", true},
          {"DisableTag", 99},
          {"SkinControls", Bits({xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
                                 xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn,
                                 xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab,
                                 xcTrackBar, xcSystemMenu})},
          {"Options", Bits({xoPreview, xoToolbarBK, xoCaptionButtonHint})},
          {"SkinFormtype", static_cast<int>(sfMainform)},
          {"MenuUpdate", true},
          {"MenuMerge", false},
          {"SkinStore", std::string("(Good)")},
          {"Version", std::string("5.40.07.15")},
          {"SkinStream", TStoredResource{"SKINSTREAM", MAKEINTRESOURCEA(10) /* RT_RCDATA */}}}},
  };
  return layout;
}

}  // namespace

const TFormLayout& MainFormLayout() {
  static const TFormLayout layout = MakeLayout();
  return layout;
}
