#include "framework/image_list.h"

#include "framework/core/exceptions.h"

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height),
      list_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 4)) {
  if (!list_)
    throw EInvalidOperation("Invalid ImageList");
}

int TImageList::AddIcon(const TIcon& icon) {
  if (icon.Empty())
    return -1;
  return ImageList_AddIcon(list_.Get(), icon.Handle());
}

void TImageList::GetIcon(int index, TIcon& icon) const {
  const bool inside = index >= 0 && index < Count();
  icon.SetHandle(inside ? ImageList_GetIcon(list_.Get(), index, ILD_NORMAL) : nullptr);
}

void TImageList::Clear() {
  ImageList_RemoveAll(list_.Get());
}
