#include <gtest/gtest.h>

#include <string>

#include "extract/containers.h"
#include "shared/error_box.h"
#include "support/ui_driver.h"
#include "tools/samples/sample_containers.h"

using namespace testing_support;

namespace {

// A source kind outside 1 to 4 is an internal error: the assertion box, then the program ends.
class UnknownMode : public UiTest {
 protected:
  UnknownMode() {
    prefix.mapDrive('D', "cd");
    writeFile(prefix.root() / "cd" / "A.MVE", samples::mveMovie(1000, 1));
    user.onModal("VystEMsg", [this](ui::Form&) {
      message = VystEMsg.ErrorMessage.text();
      VystEMsg.ButtonOK.click();
    });
  }
  std::string message;
};

}  // namespace

TEST_F(UnknownMode, SourceCheckEndsTheProgram) {
  mode1 = 5;
  int32_t value = 0;
  EXPECT_PROGRAM_ENDS(checkmvefiletype("D:\\A.MVE", value), 1);
  EXPECT_EQ(message.substr(0, message.find('\r')), "Unknown 'mode1'.");
}

// A kind the source check knows but that has no directory ends the program in the reading itself.
TEST_F(UnknownMode, DirectoryReadingOfASingleMovieSourceEndsTheProgram) {
  mode1 = kMveFile;
  MovieTable entries;
  EXPECT_PROGRAM_ENDS(ReadLibraryDirectory("D:\\A.MVE", entries, [](int, const MovieEntry&) {}), 1);
  EXPECT_EQ(message.substr(0, message.find('\r')), "Unknown 'mode1' in 'TvMVLSel'.");
}
