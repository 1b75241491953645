#pragma once
#include "framework/core/component.h"
#include "framework/shortcut.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TMenu;

// One item of a menu. A caption of "-" makes it a separator. Each item has a command
// identifier of its own, unique in the process, by which the menu's WM_COMMAND finds it; an
// item with sub-items opens a submenu, whose native items carry the item's identifier too.
// Items are components of their owner (usually the form); a menu or a parent item only lists
// them.
class TMenuItem : public TComponent {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;
  // Owner-draw hooks for a menu built with OwnerDraw. RECT is the item's rectangle in DC; the
  // menu font is selected. A measure handler gets WIDTH and HEIGHT filled with the item's
  // default measuring and may change them.
  using TDrawItemEvent = std::function<void(TMenuItem* item, HDC dc, const RECT& rect, bool selected)>;
  using TMeasureItemEvent = std::function<void(TMenuItem* item, HDC dc, int& width, int& height)>;

  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const char* ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The default item is drawn bold and is what a double click on the tray icon chooses.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // A hidden item is left out of the native menu.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The shortcut as shown right-aligned in the menu ("Ctrl+O"); the form runs the item when
  // that key is pressed (see TextToShortCut).
  const std::string& ShortCut() const { return shortCutText_; }
  void SetShortCut(const std::string& text);
  TShortCut ShortCutKey() const { return shortCut_; }
  // Index into the menu's Images; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  // Sub-items, in menu order. An item is listed by one parent (item or menu) at most: adding
  // it here takes it from its old one.
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  // The menu the item belongs to, through its parents; null when it is in none.
  TMenu* Menu() const;
  // The native submenu of an item with visible sub-items (built with the menu), else null.
  HMENU Handle();
  // Whether the item's menu is right-to-left.
  bool RightToLeft() const;

  UINT Command() const { return command_; }

  // Runs OnClick when the item is enabled.
  void Click();
  // A layout places the item in its menu or under its parent item.
  void SetParentComponent(TComponent* parent) override;
  NotifyEvent OnClick;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  // The item's default measuring: the caption's width plus the shortcut's (with a gap) in the
  // menu font, and the line height; a separator is kSeparatorHeight high. Handlers that add
  // room of their own call it first.
  void MeasureDefault(HDC dc, int& width, int& height) const;
  static constexpr int kSeparatorHeight = 8;
  static constexpr int kShortCutGap = 16;

  // The live item with that command identifier, or null.
  static TMenuItem* FindByCommand(UINT command);
  // The live item whose native submenu is MENU, or null.
  static TMenuItem* FindBySubMenu(HMENU menu);
  // The visible, enabled item of the tree below (this one excluded) with that shortcut.
  TMenuItem* FindByShortCut(const TShortCut& shortCut) const;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TMenu;
  // A change of the item's look, or (STRUCTURE) of which native items exist.
  void Changed(bool structure = false);
  void Detach();

  std::string caption_;               // the text; "-" for a separator
  bool enabled_ = true;               // grayed and not clickable when false
  bool default_ = false;              // the menu's default item
  bool visible_ = true;               // in the native menu
  bool checked_ = false;              // shows a check mark
  std::string shortCutText_;          // as shown
  TShortCut shortCut_;                // as matched against key presses
  int imageIndex_ = -1;               // in the menu's image list
  UINT command_;                      // WM_COMMAND identifier, kFirstCommand..kLastCommand
  std::vector<TMenuItem*> items_;     // sub-items in order, not owned
  TMenuItem* parent_ = nullptr;       // the item that lists this one
  TMenu* menu_ = nullptr;             // the menu that lists this one (top-level items only)
  HMENU subMenu_ = nullptr;           // native submenu, owned by the menu's native tree
};
