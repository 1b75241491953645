#include "framework/core/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int> closed;  // handles closed, in order

struct FakeTraits {
  using Handle = int;
  static Handle Invalid() { return -1; }
  static void Close(Handle h) { closed.push_back(h); }
};
using Owner = TUniqueHandle<FakeTraits>;

class UniqueHandle : public ::testing::Test {
protected:
  void SetUp() override { closed.clear(); }
};

TEST_F(UniqueHandle, ClosesWhatItOwnsOnceAndNothingElse) {
  {
    Owner empty;
    Owner zero(0);  // 0 is a valid handle for these traits
    EXPECT_FALSE(empty.Valid());
    EXPECT_TRUE(zero);
  }
  EXPECT_EQ(closed, std::vector<int>{0});
}

TEST_F(UniqueHandle, ReleaseHandsOverWithoutClosing) {
  {
    Owner a(5);
    EXPECT_EQ(a.Release(), 5);
    EXPECT_FALSE(a.Valid());
  }
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandle, ResetClosesTheOldHandleButNotTheSameOneAgain) {
  Owner a(1);
  a.Reset(2);
  EXPECT_EQ(closed, std::vector<int>{1});
  a.Reset(2);
  EXPECT_EQ(closed, std::vector<int>{1});
  a.Reset();
  EXPECT_EQ(closed, (std::vector<int>{1, 2}));
  EXPECT_FALSE(a.Valid());
}

TEST_F(UniqueHandle, MovesTransferOwnership) {
  {
    Owner a(1);
    Owner b(std::move(a));
    EXPECT_FALSE(a.Valid());
    EXPECT_EQ(b.Get(), 1);
    Owner c(3);
    c = std::move(b);  // c's old handle is closed at once
    EXPECT_EQ(closed, std::vector<int>{3});
    EXPECT_EQ(c.Get(), 1);
  }
  EXPECT_EQ(closed, (std::vector<int>{3, 1}));
}

}  // namespace
