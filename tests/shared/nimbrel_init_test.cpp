#include "shared/nimbrel_init.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/error_box.h"
#include "shared/identity.h"
#include "support/ui_driver.h"

using namespace testing_support;

namespace {

class NimbrelInit : public UiTest {
 protected:
  // The user reads the next error box and closes it.
  void expectErrorBox() {
    user.onModal("VystEMsg", [this](ui::Form& form) {
      header = VystEMsg.ErrorHeader.caption();
      message = VystEMsg.ErrorMessage.text();
      form.unload();
    });
  }
  std::string header, message;
};

TEST_F(NimbrelInit, RecordsTheAddressAndTheCompanionPicture) {
  pfad_vyst = "C:\\VYST\\";
  writeFile(prefix.driveC() / "VYST" / "Nimbrel" / "fs1.gif", "GIF89a");
  Nimbrel_Init("fs1", "http://www.example.org/vortane/manual/");
  EXPECT_EQ(nimbrel_url, "http://www.example.org/vortane/manual/");
  EXPECT_EQ(nimbrel_image, "C:\\VYST\\Nimbrel\\fs1.gif");
  EXPECT_TRUE(user.modalForms().empty());
}

TEST_F(NimbrelInit, AMissingPictureIsReportedAndLeftEmpty) {
  pfad_vyst = "C:\\VYST";
  expectErrorBox();
  Nimbrel_Init("fs1", "http://www.example.org/vortane/manual/");
  EXPECT_EQ(header, "Nimbrel init failed ");
  EXPECT_EQ(message, "Nimbrel-image not found. Nimbrel will not be completely available.");
  EXPECT_EQ(nimbrel_image, "");
  EXPECT_EQ(nimbrel_url, "http://www.example.org/vortane/manual/");
}

TEST_F(NimbrelInit, BeforeTheBaseDirectoryIsKnownItEndsTheProgram) {
  for (const char* before : {"", "n/a"}) {
    pfad_vyst = before;
    expectErrorBox();
    EXPECT_PROGRAM_ENDS(Nimbrel_Init("fs1", "http://www.example.org/"), 1);
    EXPECT_EQ(header, "Assertion failed! ");
    EXPECT_EQ(message, "pfad_vyst=\"\". Start vyst_init first\r\n\r\nContact program author with this information!");
    EXPECT_EQ(nimbrel_url, "");
    ui::resetProgramState();
  }
}

}  // namespace
