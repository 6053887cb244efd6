// Pictures of the help windows with the real manual, for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"

using namespace testing_support;

namespace {

using HelpScreenshot = HelpTest;

TEST_F(HelpScreenshot, TheCompanionBesideTheTopicWindowOfTheRealManual) {
  installRealManual();
  Nimbrel.show();
  QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::LeftButton);
  ASSERT_TRUE(NimbrelIndex.isVisible());
  ASSERT_EQ(NimbrelIndex.TreeView1.item(1).text(), "Tovrikall32 Help");
  NimbrelIndex.TreeView1.item(1).setExpanded(true);
  NimbrelIndex.TreeView1.item(2).setExpanded(true);
  QApplication::processEvents();

  auto companionFile = saveScreenshot(Nimbrel, "help_companion");
  auto indexFile = saveScreenshot(NimbrelIndex, "help_topic_window");
  QImage companion(QString::fromStdString(companionFile.string()));
  QImage index(QString::fromStdString(indexFile.string()));
  ASSERT_FALSE(companion.isNull());
  ASSERT_FALSE(index.isNull());

  // Both windows where they stand on the screen.
  auto screenFile = saveScreenPicture({Nimbrel.window(), NimbrelIndex.window()}, "help_windows");
  EXPECT_FALSE(QImage(QString::fromStdString(screenFile.string())).isNull());
}

}  // namespace
