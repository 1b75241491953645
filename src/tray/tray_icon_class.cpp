#include "tray/tray_icon_class.h"

#include "framework/popup_menu.h"
#include "framework/published.h"
#include "tray/tray_icon.h"

namespace {

// The icon named in the layout, at the size the notification area shows: the shell would
// otherwise shrink the largest image of the resource itself.
void LoadSmallIcon(TTrayIcon& tray, const std::string& resource) {
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                             LR_DEFAULTCOLOR));
  tray.Icon()->SetHandle(icon);
}

}  // namespace

void RegisterTrayIconClass() {
  using T = TTrayIcon;
  RegisterPublishedClass({"TTrayIcon", "TComponent", [](TComponent* owner) { return new T(owner); }, {
      StringProperty<T>("Hint", [](T& t) { return t.Hint(); }, [](T& t, const std::string& v) { t.SetHint(v); }),
      BooleanProperty<T>("IconVisible", [](T& t) { return t.IconVisible(); },
                         [](T& t, bool v) { t.SetIconVisible(v); }),
      IntegerProperty<T>("IconIndex", [](T& t) { return t.IconIndex(); }, [](T& t, int v) { t.SetIconIndex(v); }),
      IntegerProperty<T>("CycleInterval", [](T& t) { return static_cast<int>(t.CycleInterval()); },
                         [](T& t, int v) { t.SetCycleInterval(static_cast<uint32_t>(v)); }),
      ObjectProperty<T>("PopupMenu", [](T& t) { return static_cast<TComponent*>(t.PopupMenu()); },
                        [](T& t, TComponent* v) { t.SetPopupMenu(dynamic_cast<TPopupMenu*>(v)); }),
      StringProperty<T>("Icon", [](T&) { return std::string(); }, LoadSmallIcon),
      EventProperty<T>("OnClick", &T::OnClick),
      EventProperty<T>("OnDblClick", &T::OnDblClick),
  }});
}
