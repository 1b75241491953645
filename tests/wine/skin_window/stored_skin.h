#pragma once
// The program's stored skin, Slate, loaded into a skin data component as the main window's
// layout loads it, and the nine-slice of its elements that a painted pixel is checked against.

#include "framework/system/resource.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace stored_skin {

inline std::unique_ptr<TSkinData> LoadSlate() {
  auto skin = std::make_unique<TSkinData>(nullptr);
  const std::string_view stored =
      ResourceBytes(GetModuleHandleA(nullptr), "SKINSTREAM", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  skin->ReadSkinStream(std::string(stored));
  EXPECT_FALSE(skin->NoSkin());
  return skin;
}

// The pixel at (x, y) of frame FRAME of a horizontal strip element laid over a W x H rectangle.
inline COLORREF ElementPixel(const TDataSkinObject& element, int frameCount, int frame, int w,
                             int h, int x, int y) {
  const TBitmap laid = BuildSkinElementBitmap(RECT{0, 0, w, h}, element.Image, element.Margins,
                                              false, element.Tile != 0, frameCount, frame);
  return test_pictures::PixelAt(laid, x, y);
}

}  // namespace stored_skin
