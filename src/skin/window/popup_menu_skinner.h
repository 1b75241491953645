#pragma once
// The skinner of one popup menu window (class "#32768"): it paints the window's border and
// background from the skin's MenuBackground element and keeps that picture, so that the item
// painters can lay each item over its part of it. The manager attaches one to every popup menu
// window as it is created and frees it when the window goes.

#include "framework/graphics/bitmap.h"
#include "framework/window_subclass.h"

#include <windows.h>

#include <functional>
#include <memory>

class TSkinData;

class TWinSkinPopMenu {
public:
  // Whether the skin manager is switched on; while it is not, the menu keeps the system look.
  using TActiveTest = std::function<bool()>;

  explicit TWinSkinPopMenu(TActiveTest isActive);
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Takes over the window's messages with that skin; menu is the menu shown in it, null until
  // the manager learns it. An attached skinner is detached first.
  void Attach(HWND window, const TSkinData* skin, HMENU menu);
  // Gives the window its own procedure back and drops the background.
  void Detach();

  HWND Handle() const { return window_; }
  const TSkinData* SkinData() const { return skin_; }
  // The whole window's skinned picture, frame included; empty until the border was painted.
  const TBitmap& Background() const { return background_; }
  HMENU MenuHandle() const { return menu_; }
  void SetMenuHandle(HMENU menu) { menu_ = menu; }
  // The menu was opened from a skinned menu bar.
  bool FromMenuBar() const { return fromMenuBar_; }
  void SetFromMenuBar(bool fromMenuBar) { fromMenuBar_ = fromMenuBar; }

private:
  bool Filter(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT OnEraseBackground(HDC dc);
  LRESULT OnNcPaint(WPARAM region);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrint(HDC dc, LPARAM flags);
  // The system draws the frame inside the client area (the window has no non-client part).
  bool FrameInClientArea() const;
  // The background over the whole window, and over its frame only.
  void PaintWhole(HDC dc) const;
  void PaintFrame(HDC dc) const;
  // The skin has a MenuBackground picture to paint with.
  bool CanPaint() const;
  // background_ made anew at the window's size.
  void BuildBackground();
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  void Release();

  TActiveTest isActive_;                       // the manager's switch
  HWND window_ = nullptr;                      // the popup menu window; null when detached
  const TSkinData* skin_ = nullptr;            // the skin painted with
  std::unique_ptr<TWindowSubclass> subclass_;  // our place in the window's procedure chain
  TBitmap background_;                         // the painted window, frame included
  HMENU menu_ = nullptr;                       // the menu shown, once bound
  bool fromMenuBar_ = false;                   // opened from a skinned menu bar
};
