#include <gtest/gtest.h>

#include "platform/system.h"
#include "shared/vyst32.h"
#include "support/temp_prefix.h"

namespace {

TEST(SystemFolders, AsTheSystemReportsThemWithoutSeparator) {
  testing_support::TempPrefix prefix;
  EXPECT_EQ(GetWindowsDir(), "C:\\WINDOWS");
  EXPECT_EQ(GetSystemDir(), "C:\\WINDOWS\\SYSTEM");
}

TEST(GetSpecialFolder, KnownUnknownAndPathless) {
  testing_support::TempPrefix prefix;
  EXPECT_EQ(GetSpecialFolder(win::CSIDL_FONTS), "C:\\WINDOWS\\FONTS");
  EXPECT_EQ(GetSpecialFolder(win::CSIDL_PROGRAMS), "C:\\WINDOWS\\Start Menu\\Programs");
  EXPECT_EQ(GetSpecialFolder(win::CSIDL_DRIVES), "n/a");
  EXPECT_EQ(GetSpecialFolder(9999), "");
}

}  // namespace
