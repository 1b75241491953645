#include "framework/font.h"

HFONT TFont::Handle() {
  if (!handle_)
    handle_.Reset(CreateFontA(-height_, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset_,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, name_.c_str()));
  return handle_.Get();
}
