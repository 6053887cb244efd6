#include <gtest/gtest.h>

#include "platform/drives.h"
#include "platform/error.h"
#include "support/temp_prefix.h"

using namespace testing_support;

TEST(Drives, Smoke) {
  TempPrefix prefix;
  EXPECT_EQ(win::drives().fullPath("c:\\windows\\..\\x"), "C:\\x");
}
