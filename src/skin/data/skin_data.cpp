#include "skin/data/skin_data.h"

#include "framework/application.h"
#include "framework/core/class_ancestry.h"
#include "framework/core/exceptions.h"
#include "framework/form.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/skin_bitmap_loading.h"
#include "skin/data/optional_user32.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin3rd_defaults.h"
#include "skin/model/skin_element_loader.h"
#include "skin/data/skin_manager_interface.h"
#include "skin/format/skin_reader.h"
#include "skin/model/system_look.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// The class tree learns of this class before any object of it exists.
const bool kClassRegistered = RegisterClassAncestry("TSkinData", "TComponent");

constexpr int kHintMaxWidth = 500;

TSkinControls DefaultSkinControls() {
  TSkinControls controls;
  for (int i = 0; i < kSkinControlTypeCount; ++i)
    controls.Include(static_cast<TSkinControlType>(i));
  controls.Exclude(xcMenuItem);
  controls.Exclude(xcFastReport);
  return controls;
}

TSkinOptions DefaultOptions() {
  TSkinOptions options;
  options.Include(xoPreview);
  options.Include(xoToolbarBK);
  options.Include(xoCaptionButtonHint);
  return options;
}

// The package reader's message for a package of an unknown version.
void ShowOlderSkinMessage(const std::string& message) {
  if (Application)
    Application->ShowMessageBox(message, MB_OK);
  else
    MessageBoxA(nullptr, message.c_str(), "", MB_OK);
}

bool ReadWholeFile(const std::string& fileName, TMemoryStream& into) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file)
    return false;
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  into.Clear();
  into.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
  into.SetPosition(0);
  return true;
}

}  // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      skinControls_(DefaultSkinControls()),
      options_(DefaultOptions()),
      skin3rd_(DefaultSkin3rd()),
      menuGlyphs_(LoadMenuGlyphs()) {
  TSkinReader::Notify = ShowOlderSkinMessage;
}

TSkinData::~TSkinData() {
  if (ISkinManager* manager = SkinManager())
    manager->UnregisterSkinData(this);
}

void TSkinData::ReadSkinStream(const std::string& bytes) {
  int32_t size = 0;
  if (bytes.size() < sizeof(size))
    throw EReadError("Stream read error");
  std::memcpy(&size, bytes.data(), sizeof(size));
  if (size <= 0)
    return;
  if (bytes.size() - sizeof(size) < static_cast<size_t>(size))
    throw EReadError("Stream read error");
  skinStream_.Clear();
  skinStream_.Write(bytes.data() + sizeof(size), size);
  skinStream_.SetPosition(0);
  LoadSkin();
}

std::string TSkinData::WriteSkinStream() const {
  const int32_t size = static_cast<int32_t>(skinStream_.Size());
  std::string bytes(sizeof(size), '\0');
  std::memcpy(bytes.data(), &size, sizeof(size));
  bytes.append(reinterpret_cast<const char*>(skinStream_.Memory()), static_cast<size_t>(size));
  return bytes;
}

bool TSkinData::LoadSkin() {
  noSkin_ = true;
  TSkinReader reader;
  skinStream_.SetPosition(0);
  if (!reader.LoadPackage(skinStream_))
    return false;
  ApplyPackage(reader);
  return true;
}

void TSkinData::ApplyPackage(const TSkinReader& reader) {
  TMemoryStream entry;
  std::string name;
  reader.ExtractEntryContaining(".ini", entry, name);
  TQuickIni ini;
  ini.LoadFromStream(std::string_view(reinterpret_cast<const char*>(entry.Memory()),
                                      static_cast<size_t>(entry.Size())));
  ApplyDescription(ini, reader);
}

void TSkinData::ApplyDescription(const TQuickIni& ini, const TSkinReader& reader) {
  TSkinElementLoader(ini, reader, elements_, colours_).ApplyDescription();
  buttonFaceBrush_.Reset();
  buttonFaceBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(ResolveColour(colours_.Colours[ciButtonFace]))));
  noSkin_ = false;
}

void TSkinData::SetSkinFile(const std::string& fileName) {
  LoadSkinFile(fileName);
}

bool TSkinData::LoadSkinFile(const std::string& fileName) {
  skinFile_ = fileName;
  TMemoryStream candidate;
  if (!ReadWholeFile(fileName, candidate)) {
    noSkin_ = true;
    return false;
  }
  // A package that does not unpack, or holds a damaged picture, must not cost the windows the
  // skin they wear; the damaged picture is named in the exception.
  TSkinReader reader;
  if (!reader.LoadPackage(candidate))
    return false;
  DecodeEveryPicture(reader);
  skinStream_ = std::move(candidate);
  noSkin_ = true;
  ApplyPackage(reader);
  SkinChanged();
  return true;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  reading_ = false;
  if (!OptionalUser32().GetScrollBarInfo)
    skinControls_.Exclude(xcScrollbar);
  if (ISkinManager* manager = EnsureSkinManager())
    manager->RegisterSkinData(this);
  if (UniqueFont font = CreateCaptionFont())
    captionFont_ = std::move(font);
  if (skinFormtype_ == sfMainform)
    LoadedAsMainform();
  else
    LoadedAsOwnForm();
}

void TSkinData::LoadedAsMainform() {
  ISkinManager* manager = SkinManager();
  if (manager)
    manager->InstallHook();
  if (active_ && noSkin_)
    active_ = false;
  else if (active_ && manager)
    manager->Schedule(saActivate, kSkinDelayMs);
  // The menu bar's own items are skinned with it; without it the window menu is left alone.
  if (skinControls_.Contains(xcMainMenu))
    skinControls_.Exclude(xcMenuItem);
  else
    skinControls_.Exclude(xcSystemMenu);
  formIcon_ = BuildFormIcon(Application ? Application->Handle() : nullptr);
}

void TSkinData::LoadedAsOwnForm() {
  ISkinManager* manager = SkinManager();
  if (!manager)
    return;
  manager->SetActive(true);
  manager->SetState(manager->State() + 1);
  if (!active_)
    return;
  if (HWND window = OwnerFormWindow())
    manager->SkinWindow(window);
}

HWND TSkinData::OwnerFormWindow() const {
  auto* form = dynamic_cast<TForm*>(Owner());
  return form ? form->Handle() : nullptr;
}

void TSkinData::SetActive(bool active) {
  if (active == active_)
    return;
  active_ = active;
  ISkinManager* manager = SkinManager();
  if (reading_ || !manager)
    return;
  switch (skinFormtype_) {
    case sfMainform:
      if (active && noSkin_)
        return;
      manager->SetRequester(this);
      manager->Schedule(active ? saActivate : saDeactivate, kSkinDelayMs);
      if (active)
        manager->SetState(kManagerRunning);
      break;
    case sfOnlyThisForm:
      manager->SetRequester(this);
      if (active && noSkin_)
        return;
      manager->Schedule(active ? saActivate : saDeactivate, kSkinDelayMs);
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::SkinChanged() {
  if (reading_)
    return;
  if (!SkinManager())
    Loaded();
  ISkinManager* manager = SkinManager();
  if (!manager)
    return;
  manager->SetRequester(this);
  manager->RefreshSkin();
  if (manager->State() == kManagerRunning)
    manager->Schedule(saSkinChanged, kSkinDelayMs);
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged)
    OnSkinChanged(this);
}

void TSkinData::CheckFormSkin(HWND window, const std::string& className, bool& doSkin) {
  checkedWindow_ = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32")
    doSkin = false;
  else if (skinControls_.Contains(xcFastReport) && className.rfind("Tfr", 0) == 0)
    doSkin = false;
}

void TSkinData::ShowCaptionHint(const RECT& rect, const std::string& text) {
  if (!options_.Contains(xoCaptionButtonHint) || hintShowing_)
    return;
  RECT hint = hintWindow_.CalcHintRect(kHintMaxWidth, text);
  OffsetRect(&hint, rect.left, rect.top);
  hintWindow_.ActivateHint(hint, text);
  hintShowing_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hintShowing_)
    return;
  hintWindow_.Hide();
  hintShowing_ = false;
}

HFONT TSkinData::CaptionFont() const {
  return captionFont_ ? captionFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
