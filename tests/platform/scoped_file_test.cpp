#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/files.h"
#include "support/temp_prefix.h"

using namespace testing_support;

TEST(ScopedFile, ClosesItsNumberWhenTheScopeEnds) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "A.DAT", "abc");
  int number = 0;
  {
    win::ScopedFile file("C:\\A.DAT", win::OpenMode::BinaryRead);
    number = file.number();
    EXPECT_TRUE(win::isOpen(number));
  }
  EXPECT_FALSE(win::isOpen(number));
}

TEST(ScopedFile, FailedOpenHoldsNoNumber) {
  TempPrefix prefix;
  int first = win::freeFile();
  EXPECT_THROW(win::ScopedFile("C:\\MISSING.DAT", win::OpenMode::BinaryRead), win::Error);
  EXPECT_EQ(win::freeFile(), first);
}
