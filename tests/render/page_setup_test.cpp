// Choosing templates, half-page styles and resolutions: every size that follows,
// and what reaches the settings store.

#include <QSize>

#include "core/AppSettings.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"
#include "support/TestSupport.h"

using PageSetupTest = TempDirTest;

TEST_F(PageSetupTest, TemplateSetsPaperTemplateAndCanvasAndSurvivesTheStore) {
    AppSettings s;  // 200 DPI
    const TemplateChoice c = chooseFullPageTemplate(
        s, &store(), QStringLiteral("Nine (Wallet - Avery #53283) 2.25in x 3in Prints"));
    EXPECT_TRUE(c.known);
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 8.5);
    EXPECT_DOUBLE_EQ(s.MaxPageHeightIn, 11.0);
    EXPECT_DOUBLE_EQ(s.MaxTemplateWidthIn, 7.5);
    EXPECT_DOUBLE_EQ(s.MaxTemplateHeightIn, 10.1);
    EXPECT_EQ(s.CanvasWidth, 1500);
    EXPECT_EQ(s.CanvasHeight, 2020);
    EXPECT_EQ(s.IndexTextHeight, 20);
    // 10.1 x 100 is 1009.999... in binary; the stored page must still read back as 10.10 in.
    EXPECT_EQ(store().readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("MaxTemplateHeightIn"), 0),
              1010);
    AppSettings again;
    again.load(store());
    EXPECT_EQ(again.CanvasHeight, 2020);
    EXPECT_EQ(again.CanvasWidth, 1500);
}

TEST_F(PageSetupTest, PageSizeTable) {
    AppSettings s;
    chooseFullPageTemplate(s, nullptr, QStringLiteral("Greeting Card (Half-fold) 5in x 8in"));
    EXPECT_EQ(QSize(s.CanvasWidth, s.CanvasHeight), QSize(1600, 2100));
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 8.5);

    const TemplateChoice borderless =
        chooseFullPageTemplate(s, nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
    EXPECT_TRUE(borderless.borderless);
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 4.0);
    EXPECT_DOUBLE_EQ(s.MaxPageHeightIn, 6.0);
    EXPECT_EQ(QSize(s.CanvasWidth, s.CanvasHeight), QSize(800, 1200));

    s.UserWidth = 4.25;
    s.UserHeight = 5.5;
    const TemplateChoice user =
        chooseFullPageTemplate(s, nullptr, QStringLiteral("One Borderless User Defined Print"));
    EXPECT_TRUE(user.asksUserSize);
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 4.25);
    EXPECT_DOUBLE_EQ(s.MaxTemplateHeightIn, 5.5);

    chooseFullPageTemplate(s, nullptr, QStringLiteral("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"));
    EXPECT_DOUBLE_EQ(s.MaxTemplateHeightIn, 10.7);
    chooseFullPageTemplate(s, nullptr, QStringLiteral("Six 3 x 4 Prints"));
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 8.5);
    EXPECT_DOUBLE_EQ(s.MaxTemplateWidthIn, 8.0);

    EXPECT_FALSE(chooseFullPageTemplate(s, nullptr, QStringLiteral("Seven Wonders")).known);
    EXPECT_TRUE(chooseFullPageTemplate(s, nullptr, QString::fromLatin1(kHalfPageSelection)).known);
}

TEST_F(PageSetupTest, HalfPageStylesLeaveSingleImageAndFullPageModes) {
    AppSettings s;
    s.UseSingleImage = 1;
    chooseFullPageTemplate(s, nullptr, QStringLiteral("One Borderless 5in x 7in Print"));
    chooseHalfPageStyles(s, &store(), 131, 133);
    EXPECT_EQ(s.UseSingleImage, 0);
    EXPECT_EQ(s.TopPageStyle, 131);
    EXPECT_EQ(s.BottomPageStyle, 133);
    EXPECT_FALSE(isFullPage(s.FullPageTemplateSel));
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 8.5);
    EXPECT_DOUBLE_EQ(s.MaxTemplateHeightIn, 10.0);
    EXPECT_EQ(store().readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("MaxPageHeightIn"), 0), 1100);
    EXPECT_TRUE(isSelectableHalfPageStyle(123));
    EXPECT_TRUE(isSelectableHalfPageStyle(133));
    EXPECT_FALSE(isSelectableHalfPageStyle(134));
    EXPECT_FALSE(isSelectableHalfPageStyle(122));
}

TEST_F(PageSetupTest, ResolutionSetsCanvasIndexTextAndWarnsAbove200) {
    AppSettings s;
    EXPECT_TRUE(choosePageResolution(s, &store(), 300));
    EXPECT_EQ(QSize(s.CanvasWidth, s.CanvasHeight), QSize(2400, 3000));
    EXPECT_EQ(s.IndexTextHeight, 30);
    EXPECT_EQ(store().readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("PageResolution"), 0), 300);
    EXPECT_FALSE(choosePageResolution(s, nullptr, 200));
    EXPECT_FALSE(choosePageResolution(s, nullptr, 100));
    EXPECT_EQ(s.IndexTextHeight, 14);
    EXPECT_EQ(storedHundredths(8.5), 850);
    EXPECT_EQ(storedHundredths(4.257), 425);  // real fractions still truncate
    EXPECT_EQ(storedHundredths(-0.5), -50);
}
