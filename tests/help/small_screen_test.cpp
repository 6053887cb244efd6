// Runs on a screen of 640 x 480 pixels (9600 x 7200 twips).
#include <gtest/gtest.h>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"
#include "platform/ui/units.h"

using namespace testing_support;

namespace {

using SmallScreen = HelpTest;

TEST_F(SmallScreen, TheCompanionSitsAboveAndLeftOfTheLowerRightCornerWithTheTopicWindowAboveIt) {
  ASSERT_EQ(ui::screenWidth(), 9600);
  ASSERT_EQ(ui::screenHeight(), 7200);
  loadCompanion();
  EXPECT_EQ(Nimbrel.left(), 6165);
  EXPECT_EQ(Nimbrel.top(), 7200 - Nimbrel.height() - 2000);
  EXPECT_EQ(NimbrelIndex.top(), 400);
  EXPECT_EQ(NimbrelIndex.height(), Nimbrel.top() - 400);
  EXPECT_EQ(NimbrelIndex.left() + NimbrelIndex.width(), 6165 + 1935);
  EXPECT_EQ(NimbrelIndex.TreeView1.height(), NimbrelIndex.height() - 480);
}

}  // namespace
