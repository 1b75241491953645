#pragma once
// The skin's item painters put on a framework form's own menus while it is skinned, and taken
// off again.

class TComponent;
class TMenuItem;
class TSkinData;
struct TMenuItemLook;

// Popup menus owned by CONTAINER (and by the forms it owns), unless tagged with the skin's
// DisableTag: owner-drawn with the skin's painters when ENABLE, back to the system's when not.
void PrepareFormMenus(TComponent& container, TSkinData& skin, bool enable);
// The menu bars owned by FORM: their submenus' items likewise.
void PrepareMainMenus(TComponent& form, TSkinData& skin, bool enable);
// How the painters see a framework item.
TMenuItemLook LookOf(TMenuItem& item);
