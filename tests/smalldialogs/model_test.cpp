#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "ui/smalldialogs/SmallDialogsModel.h"

TEST(SmallDialogsModel, TipIndexStartsOverOutsideTheTable) {
    // A hand-edited settings file may hold anything.
    for (auto [stored, used] : {std::pair{0, 0}, {16, 16}, {-3, 0}, {INT_MIN, 0}})
        EXPECT_EQ(wrapTipIndex(stored), used) << stored;
    // Both percent forms stand in tip 4 as written, with no formatting step.
    EXPECT_TRUE(welcomeTipText(4).contains("the 100% zoom of"));
    EXPECT_TRUE(welcomeTipText(4).contains("on the 100%% zoom,"));
}

TEST(SmallDialogsModel, TipsWindowPlacement) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize own(400, 201);
    struct Case {
        bool centre;
        QRect stored;
        std::optional<QPoint> expected;
    } cases[] = {
        {true, QRect(10, 10, 500, 500), QPoint(440, 411)},  // the screen wins over the stored window
        {false, QRect(100, 50, 801, 601), QPoint(300, 250)},
        // Halves of negative differences are cut toward zero: (150-400)/2 = -125, (140-201)/2 = -30.
        {false, QRect(20, 30, 150, 140), QPoint(-105, 0)},
        {false, QRect(100, 50, 100, 600), std::nullopt},  // 100 is not more than 100
        {false, QRect(100, 50, 600, 100), std::nullopt},
        {false, QRect(), std::nullopt},  // nothing stored
    };
    for (const Case& c : cases)
        EXPECT_EQ(tipsWindowPosition(c.centre, screen, c.stored, own), c.expected) << c.stored.x();
}

TEST(SmallDialogsModel, SliderPositionsAndValues) {
    struct Case {
        double lower, upper, value;
        int position;
    } cases[] = {
        {0, 50, 25, 50},  // the darken amount 25 of [0, 50]
        {0, 50, 0, 0},   {0, 50, 50, 100}, {-25, 25, 0, 50},
        {0, 3, 1, 33},   {0, 3, 2, 67},    {0, 50, 80, 100},  // outside the bounds: kept on the slider
        {0, 50, -5, 0},  {10, 10, 10, 0},                     // an empty range divides by nothing
        {0, 50, NAN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sliderPositionForValue(c.lower, c.upper, c.value), c.position)
            << c.lower << " " << c.upper << " " << c.value;
    EXPECT_DOUBLE_EQ(valueForSliderPosition(0, 50, 20), 10.0);
    EXPECT_DOUBLE_EQ(valueForSliderPosition(-25, 25, 0), -25.0);
    EXPECT_DOUBLE_EQ(valueForSliderPosition(0, 50, 100), 50.0);
}

TEST(SmallDialogsModel, LeadingIntegerReadsLikeTheCLibrary) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"150", 150},
                 {"  42abc", 42},
                 {"abc", 0},
                 {"", 0},
                 {"-7", -7},
                 {"+5", 5},
                 {"3.9", 3},
                 {"99999999999", INT_MAX},
                 {"-99999999999", INT_MIN}};
    for (const Case& c : cases) EXPECT_EQ(leadingInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(SmallDialogsModel, PageSizeFieldsReadThePointAndTheLocaleMark) {
    struct Case {
        const char* text;
        char16_t mark;
        double inches;
    } cases[] = {
        {"39.99", u'.', 39.99}, {"39,99", u',', 39.99}, {"1.005", u',', 1.005}, {" 8.5 ", u'.', 8.5},
        {"", u'.', 0.0},        {"abc", u'.', 0.0},     {"39,99", u'.', 0.0}};  // a comma where the locale
                                                                                // has none is no number
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(inchesFromFieldText(QString::fromLatin1(c.text), QChar(c.mark)), c.inches) << c.text;
    for (auto [inches, accepted] : {std::pair{1.0, false}, {1.005, true}, {39.99, true}, {40.0, false}})
        EXPECT_EQ(userPageSizeAccepted(inches), accepted) << inches;
    EXPECT_EQ(inchesFieldText(7.0), "7.00");
    EXPECT_EQ(inchesFieldText(809 * 0.01), "8.09");
    EXPECT_EQ(inchesFieldText(1.005), "1.005");  // shown as taken, so reading it back keeps it
}

TEST(SmallDialogsModel, HyperlinkErrorTable) {
    EXPECT_EQ(hyperlinkErrorText(31),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(hyperlinkErrorText(0), "The operating system is out\nof memory or resources.");
    EXPECT_EQ(
        hyperlinkErrorText(30),
        "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.");
    EXPECT_EQ(hyperlinkErrorText(32), "The specified dynamic-link library was not found.");
    for (int unknown : {1, 4, 33, -2})
        EXPECT_EQ(hyperlinkErrorText(unknown), QString("Unknown Error (%1) occurred.").arg(unknown));
}
