#pragma once
// Skins made for the frame tests: plain-coloured frame pictures of chosen border sizes.

#include "test_skin.h"

#include <string>
#include <vector>

namespace frame_test {

using namespace test_skin;

// A skin whose frame pictures are plain colours: borders LEFT wide etc.
inline TTestSkin PlainFrameSkin(int left, int top, int right, int bottom, int trans) {
  TTestSkin skin;
  const std::string t = std::to_string(trans);
  skin.Description =
      "[Personality]\nLeft=left.bmp\nLeftFrame=2\nLeftTrans=" + t + "\nRight=right.bmp\nRightFrame=2\nRightTrans=" + t +
      "\nTop=top.bmp\nTopFrame=2\nTopTrans=" + t + "\nBottom=bottom.bmp\nBottomFrame=2\nBottomTrans=" + t +
      "\nTextBack=textback.bmp\nTextAlignment=1\nTXTBackleft=6\nTXTBackRight=8\n"
      "[Button0]\nAction=0\nAlign=1\nXcoord=24\nYcoord=3\nVisibility=0\nVisibility1=0\nButtonImage=close.bmp\nframe=4\n"
      "[Colours]\nButtonFace=236 233 216\n";
  TBitmap leftPicture = Solid(2 * left, 40, 0x203040);
  SetPixel(leftPicture, 0, 0, kColourKey);  // a rounded corner where the border is shaped
  skin.Add("left.bmp", leftPicture);
  skin.Add("right.bmp", Solid(2 * right, 40, 0x203040));
  skin.Add("top.bmp", Solid(40, 2 * top, 0x604020));
  skin.Add("bottom.bmp", Solid(40, 2 * bottom, 0x203040));
  skin.Add("textback.bmp", Solid(30, 2 * top, 0x102030));
  TBitmap close(4 * 18, 16, 24);
  const TColour frames[] = {0x0000C0, 0x00C000, 0xC00000, 0x808080};
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 18; ++x)
        SetPixel(close, f * 18 + x, y, frames[f]);
  skin.Add("close.bmp", close);
  return skin;
}

// The skin as the stored stream's compressed bytes.
inline std::string Compressed(const TTestSkin& skin) {
  const std::vector<uint8_t> bytes = skin.Compressed();
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace frame_test
