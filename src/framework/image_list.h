#pragma once
#include "framework/core/component.h"
#include "framework/core/unique_handle.h"
#include "framework/graphics/icon.h"

#include <windows.h>
#include <commctrl.h>

struct TImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ImageList_Destroy(h); }
};
using UniqueImageList = TUniqueHandle<TImageListTraits>;

// A list of equally sized images (comctl32's image list), here filled with icons, for
// components that show one of several pictures (the tray icon's cycling).
class TImageList : public TComponent {
public:
  // Images are WIDTH x HEIGHT pixels, 32-bit with a mask.
  explicit TImageList(TComponent* owner, int width = 16, int height = 16);

  const char* ClassName() const override { return "TImageList"; }

  HIMAGELIST Handle() const { return list_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return ImageList_GetImageCount(list_.Get()); }

  // Appends a copy of ICON, scaled to the list's size; returns its index, or -1 when the list
  // refused it (an empty icon, for one).
  int AddIcon(const TIcon& icon);
  // ICON becomes a copy of image INDEX; an index outside the list leaves ICON empty.
  void GetIcon(int index, TIcon& icon) const;
  void Clear();

private:
  int width_;              // size of every image
  int height_;
  UniqueImageList list_;   // the images
};
