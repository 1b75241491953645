// The published face of TSkinData: what a form's layout sets by name.

#include "framework/core/exceptions.h"
#include "framework/published.h"
#include "skin/data/skin_data.h"

namespace {

constexpr uint32_t kSkinControlBits = (1u << kSkinControlTypeCount) - 1;
constexpr uint32_t kSkinOptionBits = (1u << kSkinOptionCount) - 1;

// Bits beyond the last member name nothing and are dropped.
TSkinControls ControlsFromBits(int bits) {
  return TSkinControls(static_cast<uint32_t>(bits) & kSkinControlBits);
}

TSkinOptions OptionsFromBits(int bits) {
  return TSkinOptions(static_cast<uint16_t>(static_cast<uint32_t>(bits) & kSkinOptionBits));
}

TSkinFormType FormTypeFromValue(int value) {
  if (value < sfMainform || value > sfDLL)
    throw EReadError("Invalid property value");
  return static_cast<TSkinFormType>(value);
}

TPublishedClass SkinDataClass() {
  using S = TSkinData;
  TPublishedClass cls{"TSkinData", "TComponent", [](TComponent* owner) -> TComponent* {
                        auto* skinData = new TSkinData(owner);
                        skinData->BeginReading();
                        return skinData;
                      }, {}};
  cls.Properties = {
      BooleanProperty<S>("Active", [](S& s) { return s.Active(); }, [](S& s, bool v) { s.SetActive(v); }),
      IntegerProperty<S>("DisableTag", [](S& s) { return s.DisableTag(); },
                         [](S& s, int v) { s.SetDisableTag(v); }),
      IntegerProperty<S>("SkinControls", [](S& s) { return static_cast<int>(s.SkinControls().ToBits()); },
                         [](S& s, int v) { s.SetSkinControls(ControlsFromBits(v)); }),
      IntegerProperty<S>("Options", [](S& s) { return static_cast<int>(s.Options().ToBits()); },
                         [](S& s, int v) { s.SetOptions(OptionsFromBits(v)); }),
      StringsProperty<S>("Skin3rd", [](S& s) { return s.Skin3rd(); },
                         [](S& s, const std::vector<std::string>& v) { s.SetSkin3rd(v); }),
      StringProperty<S>("SkinFile", [](S& s) { return s.SkinFile(); },
                        [](S& s, const std::string& v) { s.SetSkinFile(v); }),
      StringProperty<S>("SkinStore", [](S& s) { return s.SkinStore(); },
                        [](S& s, const std::string& v) { s.SetSkinStore(v); }),
      IntegerProperty<S>("SkinFormtype", [](S& s) { return static_cast<int>(s.SkinFormtype()); },
                         [](S& s, int v) { s.SetSkinFormtype(FormTypeFromValue(v)); }),
      StringProperty<S>("Version", [](S& s) { return s.Version(); },
                        [](S& s, const std::string& v) { s.SetVersion(v); }),
      BooleanProperty<S>("MenuUpdate", [](S& s) { return s.MenuUpdate(); },
                         [](S& s, bool v) { s.SetMenuUpdate(v); }),
      BooleanProperty<S>("MenuMerge", [](S& s) { return s.MenuMerge(); }, [](S& s, bool v) { s.SetMenuMerge(v); }),
      MakeProperty<S, std::string, TPropertyKind::pkBinary>(
          "SkinStream", [](S& s) { return s.WriteSkinStream(); },
          [](S& s, const std::string& bytes) { s.ReadSkinStream(bytes); }),
  };
  return cls;
}

}  // namespace

void RegisterSkinDataClass() {
  RegisterPublishedClass(SkinDataClass());
}
