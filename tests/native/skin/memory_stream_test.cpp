#include "skin/format/memory_stream.h"

#include <gtest/gtest.h>

TEST(MemoryStream, TakeContentsHandsTheBytesOverAndLeavesTheStreamEmptyAndUsable) {
  TMemoryStream stream;
  stream.Write("abcdef", 6);
  stream.SetPosition(4);
  const uint8_t* before = stream.Memory();
  const std::vector<uint8_t> taken = stream.TakeContents();
  EXPECT_EQ(std::string(taken.begin(), taken.end()), "abcdef");
  EXPECT_EQ(taken.data(), before);  // moved, not copied
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
  stream.Write("xy", 2);
  EXPECT_EQ(std::string(stream.Contents().begin(), stream.Contents().end()), "xy");
  EXPECT_TRUE(TMemoryStream().TakeContents().empty());
}
