#include <gtest/gtest.h>

#include "core/StatusIndicator.h"
#include "support/FakeSeams.h"

TEST(ProgressWindowTest, CaptionChangesOnlyWithThePercentage) {
    ProgressLog log;
    RecordingProgressWindow w(&log);
    w.create("Photo Image List Web Page Progress", true);
    w.setRange(0, 100);
    w.setPosition(33);
    w.setPosition(33);
    w.setPosition(66);
    w.setPosition(100);
    EXPECT_EQ(log.captions,
              QStringList({"Photo Image List Web Page Progress", "Photo Image List Web Page Progress [33%]",
                           "Photo Image List Web Page Progress [66%]",
                           "Photo Image List Web Page Progress [100%]"}));
}

TEST(ProgressWindowTest, EmptyRangeNeverShowsAPercentage) {
    ProgressLog log;
    RecordingProgressWindow w(&log);
    w.create();
    w.setRange(0, 0);
    w.setPosition(0);
    w.setPosition(5);
    EXPECT_EQ(log.captions, QStringList({"Progress"}));
    EXPECT_EQ(ProgressWindow::percentFor(5, 0, 0), 0);
    EXPECT_EQ(ProgressWindow::percentFor(1, 0, 3), 33);
    EXPECT_EQ(ProgressWindow::percentFor(2, 0, 3), 67);  // rounded, not truncated
}

TEST(ProgressWindowTest, OperationsOnAMissingWindowDoNothing) {
    ProgressLog log;
    RecordingProgressWindow w(&log);
    EXPECT_EQ(w.setPosition(40), 0);
    w.setText("x");
    w.pump(true);
    w.destroy();
    EXPECT_EQ(log.created, 0);
    EXPECT_TRUE(log.texts.isEmpty());
    w.create();
    w.setRange(0, 100);
    w.setPosition(40);
    w.destroy();
    EXPECT_EQ(w.setPosition(70), 40);  // the last position
    EXPECT_EQ(log.destroyed, 1);
}

TEST(ProgressWindowTest, EscapeCancelsOnlyWhenAsked) {
    ProgressLog log;
    log.cancelAtPump = {1, 2};
    RecordingProgressWindow w(&log);
    w.create();
    w.pump(false);
    EXPECT_FALSE(w.cancelled());
    w.pump(true);
    EXPECT_TRUE(w.cancelled());
    w.clearCancelled();
    EXPECT_FALSE(w.cancelled());
    w.setText(QString(600, 'a'));
    EXPECT_EQ(log.texts.last().size(), 511);
}

TEST(ProgressWindowTest, StoredPositionMustLieOnScreen) {
    EXPECT_FALSE(progressPositionOnScreen(5000, 10, 1280, 1024));
    EXPECT_FALSE(progressPositionOnScreen(-1, -1, 1280, 1024));
    EXPECT_TRUE(progressPositionOnScreen(0, 0, 1280, 1024));
    EXPECT_FALSE(progressPositionOnScreen(1280, 0, 1280, 1024));
}

TEST(StatusIndicatorTest, NamesMatchByContainmentInTableOrder) {
    EXPECT_EQ(statusIndicatorBitmap("LED_RED"), 140);
    EXPECT_EQ(statusIndicatorBitmap("LED_RED_BLINK"), 140);
    EXPECT_EQ(statusIndicatorBitmap("xLED_CYAN"), 144);
    EXPECT_EQ(statusIndicatorBitmap("green"), 143);
    EXPECT_EQ(statusIndicatorBitmap("LED_REDLED_DKGRN"), 139);  // earlier table row wins
    EXPECT_EQ(statusIndicatorLamp("nothing"), "LED_GRAY");
}
