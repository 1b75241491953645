#pragma once
// A main window made as the program makes it, in a test process whose folder starts empty of the
// program's files, with message boxes recorded instead of shown.
#include "app/exe_folder.h"
#include "app/main_form.h"
#include "framework/check_box.h"
#include "framework/button.h"
#include "framework/system/file_stream.h"
#include "framework/image.h"
#include "framework/labeled_edit.h"
#include "framework/list_box.h"
#include "framework/status_bar.h"
#include "framework/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::string DesktopValue(const char* name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer, type = 0;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "<no key>";
  const LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? std::string(buffer) : "<missing>";
}

// A 2 x 2 24-bit bitmap file, so the preview has something real to load.
inline std::string TinyBitmap() {
  const unsigned char bytes[] = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
      0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 255, 0};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class MainFormTest : public ::testing::Test {
protected:
  MainFormTest() : folder_(ExeFolder()) {
    for (const char* name : {"Filelist.txt", "Set.ini", "Wallpaper.BMP"})
      DeleteFileA((folder_ + name).c_str());
    Application = &app_;
    app_.SetTitle("Tapestrel");
    app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string& caption, UINT flags) {
      boxes_.push_back(caption + "|" + text + ((flags & MB_ICONSTOP) ? "|error" : ""));
      return IDOK;
    });
    SetEnvironmentVariableA("TESSALOOM_BROWSE_FOLDER", nullptr);
  }
  ~MainFormTest() override {
    SetEnvironmentVariableA("TESSALOOM_BROWSE_FOLDER", nullptr);
    Application = nullptr;
  }

  // The program's start: the form, its creation handler, its windows (kept hidden).
  TForm1& Start() {
    CreateForm(Form1);
    Form1->Handle();
    // The tray icon follows the first paint, on a timer's tick.
    for (int i = 0; i < 200 && !Form1->StartFinished(); ++i) {
      app_.ProcessMessages();
      Sleep(5);
    }
    EXPECT_TRUE(Form1->StartFinished());
    return *Form1;
  }

  // Picture files in a scratch folder below this test, named 0.bmp, 1.bmp, ...
  std::vector<std::string> Pictures(int count) {
    const std::string dir = folder_ + "pictures\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      paths.push_back(dir + std::to_string(i) + ".bmp");
      WriteWholeFile(paths.back(), TinyBitmap());
    }
    return paths;
  }

  std::string FileText(const char* name) { return ReadWholeFile(folder_ + name); }

  const std::string folder_;  // the test executable's folder, where the form keeps its files
  TApplication app_;
  std::vector<std::string> boxes_;  // "caption|text[|error]" of every box shown
};
