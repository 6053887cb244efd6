#include <gtest/gtest.h>

#include "installer/vm_hog.h"
#include "shared/error_box.h"
#include "support/ui_driver.h"
#include "tools/samples/sample_modules.h"

using namespace testing_support;

namespace {

class HogErrorBox : public UiTest {
 protected:
  HogErrorBox() { writeFile(prefix.driveC() / "MODS" / "BAD.QRM", "VHX" + samples::hogArchive({{"a.txt", "a"}})); }
};

TEST_F(HogErrorBox, Flag4ShowsTheBoxForAFileThatIsNoArchive) {
  std::string caption, message;
  user.onModal("VystEMsg", [&](ui::Form&) {
    caption = VystEMsg.ErrorHeader.caption();
    message = VystEMsg.ErrorMessage.text();
    VystEMsg.ButtonOK.click();
  });
  EXPECT_EQ(Extract_HOG("C:\\MODS\\BAD.QRM", "*.*", "C:\\MODS", kHogReportInvalid), 0);
  EXPECT_EQ(caption, "HOG file error ");
  EXPECT_EQ(message, "HOG file contains invalid data.");
  EXPECT_EQ(emsg_code, "");
}

// Unscripted boxes fail the test, so none may appear without the flag, nor for a good archive.
TEST_F(HogErrorBox, NoBoxWithoutTheFlagOrForAGoodArchive) {
  EXPECT_EQ(Extract_HOG("C:\\MODS\\BAD.QRM", "*.*", "C:\\MODS", 0), 0);
  writeFile(prefix.driveC() / "MODS" / "GOOD.QRM", "VHF");
  EXPECT_EQ(Extract_HOG("C:\\MODS\\GOOD.QRM", "*.*", "C:\\MODS", kHogReportInvalid), 0);
  EXPECT_EQ(Extract_HOG("C:\\MODS\\MISSING.QRM", "*.*", "C:\\MODS", kHogReportInvalid), 0);
  EXPECT_TRUE(user.modalForms().empty());
}

}  // namespace
