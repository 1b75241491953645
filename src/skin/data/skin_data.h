#pragma once
// The skin data component a form carries to be skinned: it holds the compressed skin and the
// elements unpacked from it, the switches that say what is skinned, and starts and stops
// skinning through the process-wide skin manager.

#include "framework/core/component.h"
#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"
#include "skin/data/caption_hint.h"
#include "skin/format/memory_stream.h"
#include "skin/model/menu_glyphs.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin_colours.h"
#include "skin/data/skin_data_types.h"
#include "skin/model/skin_element_table.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TSkinReader;

class TSkinData : public TComponent {
public:
  using TFormSkinEvent = std::function<void(TSkinData* sender, const std::string& className, bool& doSkin)>;
  using TSkinControlEvent = std::function<void(TComponent* sender, TSkinData* skinData, TComponent* form,
                                               TComponent* control, const std::string& controlClass,
                                               TComponent*& skinnedControl)>;
  // SENDER is the framework form being skinned, or null for a window known only by its handle.
  using TSkinFormEvent = std::function<void(TComponent* sender, HWND window, const std::string& className)>;
  using TSkinChangedEvent = std::function<void(TSkinData* sender)>;

  static constexpr const char* kVersion = "5.40.07.15";
  static constexpr int32_t kSkinDelayMs = 250;

  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  const char* ClassName() const override { return "TSkinData"; }

  // Until Loaded, the component counts as being read from a form's layout: switching Active
  // then only stores the value.
  void BeginReading() { reading_ = true; }
  void Loaded() override;

  bool Active() const { return active_; }
  void SetActive(bool active);
  int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(int32_t tag) { disableTag_ = tag; }
  TSkinControls SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControls controls) { skinControls_ = controls; }
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions options) { options_ = options; }
  TSkinFormType SkinFormtype() const { return skinFormtype_; }
  void SetSkinFormtype(TSkinFormType type) { skinFormtype_ = type; }
  const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(std::vector<std::string> lines) { skin3rd_ = std::move(lines); }
  const std::string& SkinFile() const { return skinFile_; }
  // Loads the skin file in place of the stored skin; a missing file leaves no usable skin.
  void SetSkinFile(const std::string& fileName);
  // Loads and applies the skin package in the file. A missing file leaves no skin; a package
  // that does not unpack leaves the current skin in place (false), and so does one with a
  // damaged picture (EInvalidGraphic naming the picture). False when the file's skin was not
  // taken.
  bool LoadSkinFile(const std::string& fileName);
  // "(none)" at run time, whether a skin is stored or not; the setter ignores the value.
  std::string SkinStore() const { return "(none)"; }
  void SetSkinStore(const std::string&) {}
  std::string Version() const { return kVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool update) { menuUpdate_ = update; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool merge) { menuMerge_ = merge; }

  // The stored binary property "SkinStream": a 4-byte size, then that many bytes of
  // compressed skin. Reading a positive size replaces the skin and loads it; EReadError when
  // the bytes are fewer than the size says.
  void ReadSkinStream(const std::string& bytes);
  std::string WriteSkinStream() const;

  // Unpacks the compressed skin into the elements; false when the package is rejected.
  bool LoadSkin();
  // Tells the manager that the skin changed, so that skinned windows are redrawn.
  void SkinChanged();
  // Fires OnSkinChanged; the manager calls it after carrying out an action.
  void DoSkinChanged();
  // The final word on skinning a window of that class.
  void CheckFormSkin(HWND window, const std::string& className, bool& doSkin);

  void ShowCaptionHint(const RECT& rect, const std::string& text);
  void HideCaptionHint();
  bool HintShowing() const { return hintShowing_; }
  const TCaptionHint& HintWindow() const { return hintWindow_; }

  // True while the component holds no usable skin.
  bool NoSkin() const { return noSkin_; }
  const TMemoryStream& SkinStream() const { return skinStream_; }
  TSkinElementTable& Elements() { return elements_; }
  const TSkinElementTable& Elements() const { return elements_; }
  TSkinColours& ColourTable() { return colours_; }
  const TSkinColours& ColourTable() const { return colours_; }
  HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_.Get(); }
  HIMAGELIST MenuGlyphs() const { return menuGlyphs_.Get(); }
  const TBitmap& FormIcon() const { return formIcon_; }
  // The system caption font, or the default GUI font when the system did not say.
  HFONT CaptionFont() const;
  HWND CheckedWindow() const { return checkedWindow_; }

  // The frame skinner turns frame painting off while the form's menu changes.
  bool AllowFramePaint = true;

  TFormSkinEvent OnFormSkin;
  TSkinChangedEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;
  TSkinFormEvent OnBeforeSkinForm;
  TSkinFormEvent OnAfterSkinForm;

private:
  // Fills the elements from the loaded description and package; the skin counts as held only
  // when every element loaded.
  void ApplyPackage(const TSkinReader& reader);
  void ApplyDescription(const TQuickIni& ini, const TSkinReader& reader);
  void LoadedAsMainform();
  void LoadedAsOwnForm();
  HWND OwnerFormWindow() const;

  bool active_ = false;               // skinning switched on
  int32_t disableTag_ = 99;           // controls with this Tag stay unskinned
  TSkinControls skinControls_;        // kinds of control that are skinned
  TSkinOptions options_;              // xo... switches
  TSkinFormType skinFormtype_ = sfMainform;  // which windows this component serves
  std::vector<std::string> skin3rd_;  // further class names mapped to skinner kinds
  std::string skinFile_;              // the skin file loaded last, if any
  bool menuUpdate_ = true;            // the frame skinner follows menu changes
  bool menuMerge_ = false;            // stored only
  bool reading_ = false;              // being read from a form's layout

  TMemoryStream skinStream_;          // the compressed skin
  bool noSkin_ = true;                // no usable skin held
  TSkinElementTable elements_;        // the unpacked elements
  TSkinColours colours_;              // the skin's colour table
  UniqueBrush buttonFaceBrush_;       // solid brush of the button face colour
  UniqueImageList menuGlyphs_;        // restore, maximise, minimise, close
  TBitmap formIcon_;                  // the application's small icon on magenta
  UniqueFont captionFont_;            // the system caption font, once loaded
  TCaptionHint hintWindow_;           // the caption-button hint
  bool hintShowing_ = false;
  HWND checkedWindow_ = nullptr;      // the window CheckFormSkin was last asked about
};

// Makes TSkinData known to form layouts, with its published properties. Safe to call again.
void RegisterSkinDataClass();
