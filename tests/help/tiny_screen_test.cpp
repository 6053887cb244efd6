// Runs on a screen of 320 x 200 pixels, too small for the companion's margins.
#include <gtest/gtest.h>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"
#include "platform/ui/units.h"

using namespace testing_support;

namespace {

using TinyScreen = HelpTest;

TEST_F(TinyScreen, TheTopicWindowKeepsASmallHeightWhenTheCompanionReachesAboveIt) {
  ASSERT_EQ(ui::screenHeight(), 3000);
  loadCompanion();
  ASSERT_LT(Nimbrel.top(), 400);
  EXPECT_EQ(NimbrelIndex.top(), 400);
  EXPECT_EQ(NimbrelIndex.height(), 960);
  EXPECT_EQ(NimbrelIndex.TreeView1.height(), 480);
}

}  // namespace
