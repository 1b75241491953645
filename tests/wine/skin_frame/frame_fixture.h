#pragma once
// Skinned windows for tests: the skin manager of the program, a skin data component loaded with
// a skin (the default one unless a test gives its own), and real forms that it skins.

#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/system/gdi_handles.h"
#include "skin/data/skin_data.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace frame_test {

// The stored-property form of a compressed skin: its size, then its bytes.
inline std::string StreamOf(const std::string& compressed) {
  const int32_t size = static_cast<int32_t>(compressed.size());
  std::string bytes(sizeof size, '\0');
  std::memcpy(bytes.data(), &size, sizeof size);
  return bytes + compressed;
}

inline std::string DefaultSkin() {
  std::ifstream in(DEFAULT_SKIN, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Dispatches messages for about MS milliseconds, or until DONE answers true.
template <class Done>
bool PumpUntil(Done done, int ms = 3000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done())
      return true;
    if (GetTickCount() - start > static_cast<DWORD>(ms))
      return false;
    Sleep(5);
  }
}

inline void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

inline SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

inline COLORREF WindowPixel(HWND window, int x, int y) {
  TWindowDC dc(window, true);
  return GetPixel(dc.Get(), x, y);
}

// The pixel of a picture, read through GDI whatever its format.
inline COLORREF PicturePixel(const TBitmap& picture, int x, int y) {
  UniqueDC dc(CreateCompatibleDC(nullptr));
  TSelectObject keep(dc.Get(), picture.Handle());
  return GetPixel(dc.Get(), x, y);
}

// A plain form with a caption and a client area of the size asked for.
class TTestForm : public TForm {
public:
  explicit TTestForm(const std::string& caption, int clientWidth = 300, int clientHeight = 200)
      : TForm(nullptr) {
    SetCaption(caption);
    SetBounds(100, 100, 400, 300);
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
  }
  const char* ClassName() const override { return "TTestForm"; }
};

class SkinnedWindowTest : public ::testing::Test {
protected:
  SkinnedWindowTest() { Application = &app_; }
  ~SkinnedWindowTest() override {
    forms_.clear();
    skinData_.reset();
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
    Application = nullptr;
  }

  // The program's manager and a main-form skin data component with the program's switches,
  // loaded with COMPRESSED (the default skin when empty).
  TSkinData& StartSkinning(const std::string& compressed = {}, TSkinFormType type = sfMainform) {
    InstallSkinManage();
    skinData_ = MakeSkinData(compressed, type);
    return *skinData_;
  }

  std::unique_ptr<TSkinData> MakeSkinData(const std::string& compressed, TSkinFormType type,
                                          TComponent* owner = nullptr) {
    auto data = std::make_unique<TSkinData>(owner);
    data->BeginReading();
    TSkinControls controls;
    for (TSkinControlType kind : {xcMainMenu, xcPopupMenu, xcSystemMenu, xcButton})
      controls.Include(kind);
    TSkinOptions options;
    for (TSkinOption option : {xoPreview, xoCaptionButtonHint})
      options.Include(option);
    data->SetSkinControls(controls);
    data->SetOptions(options);
    data->SetSkinFormtype(type);
    data->SetActive(true);
    data->ReadSkinStream(StreamOf(compressed.empty() ? DefaultSkin() : compressed));
    data->Loaded();
    return data;
  }

  TSkinManage& Manager() { return *SkinManage(); }

  // A shown form, skinned once the set-up message has been handled.
  TTestForm& ShowForm(const std::string& caption, int clientWidth = 300, int clientHeight = 200) {
    forms_.push_back(std::make_unique<TTestForm>(caption, clientWidth, clientHeight));
    TTestForm& form = *forms_.back();
    form.Show();
    PumpUntil([&] { return Skinner(form.Handle()) && Skinner(form.Handle())->State() == ssRunning; });
    Pump(50);
    return form;
  }

  TWinSkinForm* Skinner(HWND window) { return SkinManage() ? SkinManage()->FindFormSkinner(window) : nullptr; }

  TApplication app_;
  std::unique_ptr<TSkinData> skinData_;
  std::vector<std::unique_ptr<TTestForm>> forms_;
};

}  // namespace frame_test
