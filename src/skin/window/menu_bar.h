#pragma once
// The skinned menu bar: the window's native menu bar is taken away and a row of buttons is drawn
// in the frame instead, each opening its item's submenu.

#include "framework/graphics/bitmap.h"
#include "skin/window/caption_buttons.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TSkinData;
class TWinSkinMenu;

// One top-level item of the menu bar.
class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar) : TNCObject(owner), bar_(bar) {}
  void Paint() override;

  int Index = 0;            // position in the bar
  std::wstring Caption;     // "&" marks the accelerator
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;  // null for an item that acts on a click
  UINT Command = 0;

private:
  TWinSkinMenu& bar_;
};

class TWinSkinMenu {
public:
  TWinSkinMenu(TWinSkinForm& form, TSkinData& skinData, HWND window);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Builds the buttons from the window's menu and takes the native menu bar away.
  void ReadMenu();
  // The same for the menu an MDI frame was given, skipping items without text.
  void ReadMDIMenu(HMENU menu);
  // The native menu the window had, for giving it back.
  HMENU NativeMenu() const { return nativeMenu_; }

  // Places the buttons in BAR (window coordinates) without painting.
  void LayoutMenuBar(const RECT& bar, bool active);
  void PaintMenuBar(HDC dc, const RECT& bar, bool active);
  // Repaints one button from the painted background, framed when hot or pressed.
  void PaintButton(const TMenuBtn& button);

  TMenuBtn* ButtonAt(POINT windowPoint) const;
  TMenuBtn* AcceleratorButton(wchar_t character) const;
  int Count() const { return static_cast<int>(buttons_.size()); }
  TMenuBtn* Button(int index) const { return buttons_.at(static_cast<size_t>(index)).get(); }

private:
  void AddItems(HMENU menu, bool skipEmpty);
  // Lays the buttons out from START pixels inside the bar's reading edge; paints their captions
  // into DC when it is not null.
  void PlaceButtons(HDC dc, const RECT& bar, int start);
  int StartX(int width) const;

  TWinSkinForm& form_;
  TSkinData& skinData_;
  HWND window_;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  RECT barRect_{};            // where the bar was last painted
  TBitmap background_;        // the painted bar without its captions
  HMENU nativeMenu_ = nullptr;
};
