#include "app/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(SingleInstance, TheFirstHolderWinsAndEveryLaterOneIsTurnedAway) {
  const std::string name = "tl-single-instance-test-" + std::to_string(GetCurrentProcessId());
  EXPECT_TRUE(AcquireSingleInstance(name));
  EXPECT_FALSE(AcquireSingleInstance(name));
  EXPECT_FALSE(AcquireSingleInstance(name));
  EXPECT_TRUE(AcquireSingleInstance(name + "-other"));
}
