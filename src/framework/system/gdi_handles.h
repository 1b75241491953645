#pragma once
// Owners of GDI and USER handles: each closes what it owns with the call that handle needs.
//
//   UniqueBitmap bmp(CreateCompatibleBitmap(dc, w, h));
//   UniqueDC mem(CreateCompatibleDC(dc));
//   TSelectObject keep(mem.Get(), bmp.Get());   // selected until the end of the scope
//   TWindowDC screen(nullptr);                  // GetDC/ReleaseDC
//   TPaintScope paint(window);                  // BeginPaint/EndPaint, selections put back
//
// A handle must not be destroyed while it is selected into a DC, so declare the TSelectObject
// after the owners of both: it goes first.

#include "framework/core/unique_handle.h"

#include <windows.h>

// Any object freed with DeleteObject: bitmaps, brushes, pens, fonts, regions, palettes.
template <class H>
struct TGdiObjectTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

template <class H>
using TGdiObject = TUniqueHandle<TGdiObjectTraits<H>>;

using UniqueBitmap = TGdiObject<HBITMAP>;
using UniqueBrush = TGdiObject<HBRUSH>;
using UniquePen = TGdiObject<HPEN>;
using UniqueFont = TGdiObject<HFONT>;
using UniqueRgn = TGdiObject<HRGN>;
using UniquePalette = TGdiObject<HPALETTE>;

// A DC made by CreateCompatibleDC or CreateDC.
struct TDCTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};
using UniqueDC = TUniqueHandle<TDCTraits>;

struct TIconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
};
using UniqueIcon = TUniqueHandle<TIconTraits>;

struct TCursorTraits {
  using Handle = HCURSOR;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyCursor(h); }
};
using UniqueCursor = TUniqueHandle<TCursorTraits>;

struct TMenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyMenu(h); }
};
using UniqueMenu = TUniqueHandle<TMenuTraits>;

struct TEnhMetaFileTraits {
  using Handle = HENHMETAFILE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteEnhMetaFile(h); }
};
using UniqueEnhMetaFile = TUniqueHandle<TEnhMetaFileTraits>;

// A window's DC (GetDC, or GetWindowDC when whole is set), released on scope exit.
// A null window gives the screen.
class TWindowDC {
public:
  explicit TWindowDC(HWND window, bool whole = false)
      : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window)) {}
  ~TWindowDC() {
    if (dc_)
      ReleaseDC(window_, dc_);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HWND window_;  // the window the DC belongs to
  HDC dc_;       // the DC, null when GetDC failed
};

// Selects an object into a DC and selects the previous one back on scope exit.
class TSelectObject {
public:
  TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~TSelectObject() {
    if (old_ && old_ != HGDI_ERROR)
      SelectObject(dc_, old_);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC dc_;        // the DC changed
  HGDIOBJ old_;   // what it held before
};

// Saves a DC's state (SaveDC) and restores it on scope exit, clipping region included.
class TSaveDC {
public:
  explicit TSaveDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TSaveDC() {
    if (saved_)
      RestoreDC(dc_, saved_);
  }
  TSaveDC(const TSaveDC&) = delete;
  TSaveDC& operator=(const TSaveDC&) = delete;

private:
  HDC dc_;     // the DC
  int saved_;  // the level SaveDC returned, 0 on failure
};

// A window's paint: BeginPaint, and EndPaint on scope exit. The DC's state is saved after
// BeginPaint and restored before EndPaint, so the objects a painter selects (fonts, pens,
// brushes), its colours and modes are put back before the DC goes back to the system.
class TPaintScope {
public:
  explicit TPaintScope(HWND window)
      : window_(window), dc_(BeginPaint(window, &paint_)), saved_(dc_ ? SaveDC(dc_) : 0) {}
  ~TPaintScope() {
    if (saved_)
      RestoreDC(dc_, saved_);
    EndPaint(window_, &paint_);
  }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

  HDC Get() const { return dc_; }

private:
  HWND window_;        // the window painted
  PAINTSTRUCT paint_;  // filled by BeginPaint
  HDC dc_;             // the paint DC, null when BeginPaint failed
  int saved_;          // the level SaveDC returned, 0 on failure
};
