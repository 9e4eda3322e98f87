// Placing a page on the printer, the checks before printing, and the Print command.

#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"
#include "output/AlignmentPage.h"
#include "output/PagePrinter.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

namespace {

PrinterPage printerPage(int width, int height, int dpiX, int dpiY) {
    PrinterPage p;
    p.width = width;
    p.height = height;
    p.dpiX = dpiX;
    p.dpiY = dpiY;
    return p;
}

PaperSizes paper(double paperWidth, double paperHeight, double areaWidth = 8.0, double areaHeight = 10.0) {
    return PaperSizes{paperWidth, paperHeight, areaWidth, areaHeight};
}

CxImage makePage(int width, int height) {
    CxImage page;
    EXPECT_TRUE(page.CreateRaster(width, height, 24, CXIMAGE_FORMAT_BMP));
    return page;
}

const char* const kTooSmallText =
    "Your printer page dimensions are too small for the\ntemplate selected. Your template size is 8.50 x "
    "11.00 "
    "inches.\nThe printer page area is %1 x %2 inches.\n\nDo you want to continue and print this anyway?";

}  // namespace

// Ratios at and around the limits. The printable sizes were searched so that the
// double arithmetic (width in inches x height in inches / paper area x 100) lands on
// the decimal exactly where that is possible; each case first checks the ratio it
// stands for, so a change in that arithmetic shows here rather than as a puzzling
// question below.
TEST(PageSizeCheck, AsksOnlyOutsideTheMatchingRange) {
    struct Case {
        const char* what;
        PrinterPage page;
        PaperSizes sizes;
        double ratio;
        bool exact;
        bool asks;
        const char* word;
    };
    const Case cases[] = {
        // 8.5 x 11 printable on 8.5 x 11 paper.
        {"100", printerPage(2550, 3300, 300, 300), paper(8.5, 11), 100.0, true, false, nullptr},
        // 2.79 x 7.36 in on 4 x 6 paper gives the double 85.56 itself.
        {"85.56", printerPage(279, 736, 100, 100), paper(4, 6), 85.56, true, false, nullptr},
        // One step of the last binary digit above the double 101.99: still below 102.
        {"101.99", printerPage(4371, 7854, 600, 600), paper(8.5, 11), 101.99, false, false, nullptr},
        // Exactly the double 85.55.
        {"85.55", printerPage(4437, 6490, 600, 600), paper(8.5, 11), 85.55, true, true, "small"},
        // 5 x 12.75 in on 5 x 12.5 paper: exactly 102.
        {"102", printerPage(1500, 3825, 300, 300), paper(5, 12.5), 102.0, true, true, "large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double r = PageAreaRatio(c.page, c.sizes.paperWidth, c.sizes.paperHeight);
        if (c.exact)
            ASSERT_EQ(r, c.ratio);
        else
            ASSERT_NEAR(r, c.ratio, 1e-12);

        FakePrinterBackend printer;
        printer.name = QStringLiteral("Desk Jet");
        printer.page = c.page;
        ScriptedNotifier notifier;
        notifier.answers = {Answer::No};
        EXPECT_EQ(CheckPrinterPageSize(printer, notifier, c.sizes), !c.asks);
        ASSERT_EQ(notifier.shown.size(), c.asks ? 1u : 0u);
        if (!c.asks) continue;
        EXPECT_EQ(notifier.shown[0].kind, MessageKind::WarningQuestion);
        EXPECT_EQ(notifier.shown[0].title, "Printer Page Size Conflict - Desk Jet");
        EXPECT_TRUE(notifier.shown[0].text.startsWith(
            QStringLiteral("Your printer page dimensions are too %1 for the\n").arg(c.word)));

        notifier.answers = {Answer::Yes};
        EXPECT_TRUE(CheckPrinterPageSize(printer, notifier, c.sizes));
    }
}

TEST(PageSizeCheck, QuestionGivesBothSizesAndIsSkippedDuringABatch) {
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Desk Jet");
    ScriptedNotifier notifier;
    printer.page = printerPage(1200, 1800, 300, 300);  // 4 x 6 in
    EXPECT_FALSE(CheckPrinterPageSize(printer, notifier, paper(8.5, 11)));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text, QString::fromLatin1(kTooSmallText).arg("4.00", "6.00"));

    EXPECT_FALSE(BatchPrintInProgress());
    {
        BatchPrintFlag flag;
        EXPECT_TRUE(BatchPrintInProgress());
        EXPECT_TRUE(CheckPrinterPageSize(printer, notifier, paper(8.5, 11)));
        EXPECT_EQ(notifier.shown.size(), 1u);
    }
    EXPECT_FALSE(BatchPrintInProgress());
}

TEST(Placement, PageFitFollowsTheRatio) {
    // Half-page template (paper 8.5 x 11, area 8 x 10) on an 8 x 10.5 in printable area
    // at 300 DPI, ratio about 89.8: centred by the remainder of the height.
    const PrinterPage halfLetter = printerPage(2400, 3150, 300, 300);
    // The rectangle runs from (0, 75) to (2400, 3075).
    EXPECT_EQ(ComputePlacement(halfLetter, PageFit, 1600, 2000, 0, 0, paper(8.5, 11)),
              QRect(0, 75, 2400, 3000));

    // A template area larger than the printable area in that range fills it exactly.
    EXPECT_EQ(ComputePlacement(halfLetter, PageFit, 1600, 2000, 0, 0, paper(8.5, 11, 8.2, 10.8)),
              QRect(0, 0, 2400, 3150));

    // Ratio 120 with a 5.5 x 8.5 in area: whole inches, 5 x 8, at the corner.
    const PrinterPage big = printerPage(1980, 2550, 300, 300);  // 6.6 x 8.5 in on 5.5 x 8.5 paper
    ASSERT_NEAR(PageAreaRatio(big, 5.5, 8.5), 120.0, 1e-9);
    EXPECT_EQ(ComputePlacement(big, PageFit, 1100, 1700, 0, 0, paper(5.5, 8.5, 5.5, 8.5)),
              QRect(0, 0, 1500, 2400));

    // Below 85.56 nothing is placed.
    EXPECT_TRUE(ComputePlacement(printerPage(1200, 1800, 300, 300), PageFit, 1600, 2000, 0, 0, paper(8.5, 11))
                    .isEmpty());
    // No printer at all: no area, nothing placed, no division by zero.
    EXPECT_TRUE(ComputePlacement(PrinterPage{}, PageFit, 1600, 2000, 0, 0, paper(8.5, 11)).isEmpty());
}

TEST(Placement, PageFitOnBorderlessSheets) {
    // Large sheet (8.5 x 11 printable on 8.5 x 11 paper, area 8 x 10): h0 = 3000,
    // w = trunc(2550 / 3300 x 3000) = 2318, h = trunc(3000 x 0.978) = 2934,
    // x = (2550 mod 2318) div 2 = 116, y = (3300 mod 2934) div 2 = 183.
    EXPECT_EQ(ComputePlacement(printerPage(2550, 3300, 300, 300), PageFit, 1600, 2000, 0, 0, paper(8.5, 11)),
              QRect(116, 183, 2318, 2934));
    // The remainder, not the difference: with a 5-inch-high area on the same sheet,
    // w = trunc(2550 / 3300 x 1500) = 1159, h = 1467, x = (2550 mod 1159) div 2 = 116
    // and y = (3300 mod 1467) div 2 = 183, where the differences would give 695 and 916.
    EXPECT_EQ(
        ComputePlacement(printerPage(2550, 3300, 300, 300), PageFit, 1600, 1000, 0, 0, paper(8.5, 11, 8, 5)),
        QRect(116, 183, 1159, 1467));

    // Small sheet (4 x 6 printable on 4 x 6 paper): margins trunc(1200 x 0.022) = 26 and
    // trunc(1800 x 0.022) = 39, then the bitmap fitted into the 1148 x 1722 box.
    EXPECT_EQ(
        ComputePlacement(printerPage(1200, 1800, 300, 300), PageFit, 1200, 800, 0, 0, paper(4, 6, 4, 6)),
        QRect(26, 39, 1148, 765));
}

TEST(Placement, OneToOneAndFitInMargins) {
    const PrinterPage p = printerPage(2400, 3000, 300, 300);
    // Margins 0.5 and 0.25 inch on a 300-dot printer.
    EXPECT_EQ(ComputePlacement(p, OneToOne, 1600, 2000, 0.5f, 0.25f, paper(8.5, 11)),
              QRect(150, 75, 1600, 2000));
    // The offsets are single precision: 0.29 in at 300 dots is 87 dots there (86.99999
    // in double precision would truncate to 86).
    EXPECT_EQ(ComputePlacement(p, OneToOne, 10, 10, 0.29f, 0, paper(8.5, 11)).topLeft(), QPoint(87, 0));

    // 0.25 in margins leave a 2250 x 2850 box; a tall bitmap takes its height, a wide one
    // its width, both at the margin corner.
    EXPECT_EQ(ComputePlacement(p, FitInMargins, 1000, 2000, 0.25f, 0.25f, paper(8.5, 11)),
              QRect(75, 75, 1425, 2850));
    EXPECT_EQ(ComputePlacement(p, FitInMargins, 2000, 1000, 0.25f, 0.25f, paper(8.5, 11)),
              QRect(75, 75, 2250, 1125));
    // Margins that eat the page leave nothing to draw into.
    EXPECT_TRUE(ComputePlacement(p, FitInMargins, 2000, 1000, 5.0f, 0.25f, paper(8.5, 11)).isEmpty());
    EXPECT_TRUE(ComputePlacement(p, 3, 2000, 1000, 0, 0, paper(8.5, 11)).isEmpty());
}

TEST(Orientation, FollowsTheCanvasOrTheManualChoice) {
    AppSettings s;
    s.AutoOrientation = 1;
    EXPECT_EQ(PrintOrientation(s, 2000, 1600), kPrintLandscape);
    EXPECT_EQ(PrintOrientation(s, 1600, 1600), kPrintLandscape);
    EXPECT_EQ(PrintOrientation(s, 1600, 2000), kPrintPortrait);
    s.AutoOrientation = 0;
    s.ManPortraitRadio = 1;
    EXPECT_EQ(PrintOrientation(s, 2000, 1600), kPrintPortrait);
    s.ManPortraitRadio = 0;
    EXPECT_EQ(PrintOrientation(s, 1600, 2000), kPrintLandscape);
}

TEST(PrintBitmapTest, CutsTheTitleAndNeedsABitmapAndAPrinter) {
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Desk Jet");
    printer.page = printerPage(2400, 3000, 300, 300);
    const CxImage page = makePage(160, 200);
    const QString title40 = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCD");
    ASSERT_EQ(title40.size(), 40);
    EXPECT_TRUE(PrintBitmap(printer, &page, OneToOne, title40, kPrintLandscape, 0, 0, paper(8.5, 11)));
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_EQ(printer.spooled[0].documentName, title40.left(31));
    EXPECT_EQ(printer.spooled[0].orientation, kPrintLandscape);
    EXPECT_EQ(printer.spooled[0].bitmapWidth, 160);

    // A character of two UTF-16 units at the cut is dropped whole.
    const QString emoji = QString(30, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x93\xB7") + "tail";
    EXPECT_EQ(PrintDocumentName(emoji), QString(30, QLatin1Char('x')));

    EXPECT_FALSE(PrintBitmap(printer, nullptr, OneToOne, "t", kPrintPortrait, 0, 0, paper(8.5, 11)));
    const CxImage none;
    EXPECT_FALSE(PrintBitmap(printer, &none, OneToOne, "t", kPrintPortrait, 0, 0, paper(8.5, 11)));
    printer.name.clear();  // no printer settings
    EXPECT_FALSE(PrintBitmap(printer, &page, OneToOne, "t", kPrintPortrait, 0, 0, paper(8.5, 11)));
    printer.name = QStringLiteral("Desk Jet");
    printer.spoolSucceeds = false;
    EXPECT_FALSE(PrintBitmap(printer, &page, OneToOne, "t", kPrintPortrait, 0, 0, paper(8.5, 11)));
    EXPECT_EQ(printer.spooled.size(), 2u);
}

class PrintCommandTest : public ::testing::Test {
protected:
    AppSettings settings;  // 8.5 x 11 paper, 8 x 10 area, PageFit, automatic orientation
    FakePrinterBackend printer;
    ScriptedNotifier notifier;
    KeptPage page = keptPageOf(makePage(160, 200), settings);

    static KeptPage keptPageOf(CxImage image, const AppSettings& s) {
        KeptPage kept;
        kept.image = std::move(image);
        kept.resolution = s.PageResolution;
        kept.sizes = PaperSizes::fromSettings(s);
        return kept;
    }
};

TEST_F(PrintCommandTest, PrintsTheCanvasAsASnapshot) {
    printer.name = QStringLiteral("Desk Jet");
    printer.page = printerPage(2400, 3150, 300, 300);
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::Printed);
    EXPECT_TRUE(notifier.shown.empty());
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_EQ(printer.spooled[0].documentName, "Snapvale Snapshot");
    EXPECT_EQ(printer.spooled[0].orientation, kPrintPortrait);
    EXPECT_EQ(printer.spooled[0].placement, QRect(0, 75, 2400, 3000));

    // One to one at the stored margins, landscape by hand.
    settings.StretchImageToPage = 0;
    settings.LeftRightMargin = 0.5f;
    settings.TopBottomMargin = 0.25f;
    settings.AutoOrientation = 0;
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::Printed);
    ASSERT_EQ(printer.spooled.size(), 2u);
    EXPECT_EQ(printer.spooled[1].placement, QRect(150, 75, 160, 200));
    EXPECT_EQ(printer.spooled[1].orientation, kPrintLandscape);
}

TEST_F(PrintCommandTest, ThePageIsPlacedByTheSizesItWasDrawnFor) {
    printer.name = QStringLiteral("Desk Jet");
    printer.page = printerPage(2400, 3150, 300, 300);
    // The layout changed after the page was drawn; the page on display is what prints.
    chooseFullPageTemplate(settings, nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
    ASSERT_NE(PaperSizes::fromSettings(settings), page.sizes);
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::Printed);
    EXPECT_TRUE(notifier.shown.empty()) << "a 4 x 6 paper would have asked about the 8 x 10.5 in page";
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_EQ(printer.spooled[0].placement, QRect(0, 75, 2400, 3000));
}

TEST_F(PrintCommandTest, TooSmallPageAsksAndYesSpoolsABlankPage) {
    printer.name = QStringLiteral("Desk Jet");
    printer.page = printerPage(1200, 1800, 300, 300);
    notifier.answers = {Answer::No};
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::Abandoned);
    EXPECT_TRUE(printer.spooled.empty());

    notifier.answers = {Answer::Yes};
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::Printed);
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_TRUE(printer.spooled[0].placement.isEmpty());
}

TEST_F(PrintCommandTest, WithoutAPrinterAsksTooSmallAndPrintsNothing) {
    notifier.answers = {Answer::Yes};
    EXPECT_EQ(PrintPage(settings, false, &page, printer, notifier), PrintResult::NotPrinted);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Printer Page Size Conflict - Default Printer");
    EXPECT_EQ(notifier.shown[0].text, QString::fromLatin1(kTooSmallText).arg("0.00", "0.00"));
    EXPECT_TRUE(printer.spooled.empty());
}

TEST_F(PrintCommandTest, EmptyListIsReportedAfterTheSizeCheck) {
    printer.name = QStringLiteral("Desk Jet");
    printer.page = printerPage(2400, 3150, 300, 300);
    EXPECT_EQ(PrintPage(settings, true, nullptr, printer, notifier), PrintResult::EmptyList);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Snapvale List Empty");
    EXPECT_EQ(notifier.shown[0].text, "Your image list is already empty!");
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::Information);

    // With a mismatched printer the size question comes first; No ends it there.
    notifier.shown.clear();
    printer.page = printerPage(1200, 1800, 300, 300);
    notifier.answers = {Answer::No};
    EXPECT_EQ(PrintPage(settings, true, nullptr, printer, notifier), PrintResult::Abandoned);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::WarningQuestion);
    notifier.answers = {Answer::Yes};
    EXPECT_EQ(PrintPage(settings, true, nullptr, printer, notifier), PrintResult::EmptyList);
    EXPECT_EQ(notifier.shown.back().text, "Your image list is already empty!");
    EXPECT_TRUE(printer.spooled.empty());
}

TEST(BorderlessCheck, ShownOnlyWhenThePrinterIsNotSetForIt) {
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Photo Printer");
    ScriptedNotifier notifier;
    const PaperSizes fourBySix = paper(4, 6, 4, 6);

    printer.page = printerPage(1200, 1800, 300, 300);  // borderless 4 x 6: ratio 100
    EXPECT_FALSE(CheckBorderlessPage(printer, notifier, fourBySix));
    EXPECT_TRUE(notifier.shown.empty());

    printer.page = printerPage(1140, 1740, 300, 300);  // 3.8 x 5.8 in: normal margins
    EXPECT_TRUE(CheckBorderlessPage(printer, notifier, fourBySix));
    printer.page = printerPage(2550, 3300, 300, 300);  // letter: far too large
    EXPECT_TRUE(CheckBorderlessPage(printer, notifier, fourBySix));
    ASSERT_EQ(notifier.shown.size(), 2u);
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(notifier.shown[0].title, "Printer Page Size Conflict - Photo Printer");
    EXPECT_EQ(notifier.shown[0].text,
              "Your printer is not setup for borderless printing for the template\nyou have selected. Your "
              "current template size is 4.00 x 6.00 inches.\nFor best results, your printer page size should "
              "be set to match your template\ndimensions.\n");
}

class MarginResetTest : public TempDirTest {};

TEST_F(MarginResetTest, AsksOnlyWithMarginsAndYesStoresZeros) {
    AppSettings s;
    ScriptedNotifier notifier;
    EXPECT_TRUE(AskMarginReset(s, &store(), notifier));
    EXPECT_TRUE(notifier.shown.empty());

    s.TopBottomMargin = 0.0f;
    s.LeftRightMargin = 0.5f;
    notifier.answers = {Answer::No};
    EXPECT_FALSE(AskMarginReset(s, &store(), notifier));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(
        notifier.shown[0].text,
        "Your current printer margin settings are: TopBottom -> 0.0 and LeftRight -> 0.5.\nThese values "
        "MUST be set to 0 for borderless printing.\n\nClick \"Yes\" to automatically reset these values.");
    EXPECT_EQ(s.LeftRightMargin, 0.5f);
    EXPECT_EQ(store().readString("Config", "LeftRightMargin", "unset"), "unset");

    notifier.answers = {Answer::Yes};
    EXPECT_TRUE(AskMarginReset(s, &store(), notifier));
    EXPECT_EQ(s.LeftRightMargin, 0.0f);
    EXPECT_EQ(store().readString("Config", "LeftRightMargin", "unset"), "0.00");
    EXPECT_EQ(store().readString("Config", "TopBottomMargin", "unset"), "0.00");
}

TEST(PrintCommandTextTest, NamesThePrinter) {
    FakePrinterBackend printer;
    EXPECT_EQ(PrintCommandText(printer), "Print canvas to \"Default Printer\"");
    printer.name = QStringLiteral("Office");
    EXPECT_EQ(PrintCommandText(printer), "Print canvas to \"Office\"");
}

TEST(Placement, EdgeToEdgeFillsPaperPrintableToItsEdges) {
    struct Case {
        const char* what;
        PrinterPage page;
        PaperSizes sizes;
        QRect expected;
    };
    const Case cases[] = {
        // PageFit would keep 2.2 % in from each edge of a small sheet, and 97.8 % of a large one's height.
        {"4 x 6 to its edges", printerPage(1200, 1800, 300, 300), paper(4, 6, 4, 6), QRect(0, 0, 1200, 1800)},
        {"8 x 10 to its edges", printerPage(2400, 3000, 300, 300), paper(8, 10, 8, 10),
         QRect(0, 0, 2400, 3000)},
        // Paper with margins: as PageFit, filling the printable area.
        {"4 x 6 with margins", printerPage(1125, 1725, 300, 300), paper(4, 6, 4, 6), QRect(0, 0, 1125, 1725)},
        {"no printer", printerPage(0, 0, 0, 0), paper(4, 6, 4, 6), QRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ComputePlacement(c.page, EdgeToEdge, 400, 600, 0, 0, c.sizes), c.expected);
    }
}

TEST(Placement, AlignmentOffsetsMoveItToTheNearestDot) {
    const QRect placed(0, 75, 2400, 3000);
    struct Case {
        AlignmentOffsets offsets;
        QRect expected;
    };
    const Case cases[] = {
        {{5.0, -3.0}, QRect(59, 40, 2400, 3000)},  // 59.06 and -35.43 dots
        {{0.1, 0.1}, QRect(1, 76, 2400, 3000)},    // 1.18 dots
        {{0.0, 0.0}, placed},
        {{400.0, -1e9}, QRect(295, -220, 2400, 3000)},  // no printer is that far off: 25 mm at most
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offsets.xMm);
        EXPECT_EQ(AlignedPlacement(placed, printerPage(2400, 3150, 300, 300), c.offsets), c.expected);
    }
    // A blank page stays blank.
    EXPECT_TRUE(AlignedPlacement(QRect(), printerPage(2400, 3150, 300, 300), {5, 5}).isEmpty());
    // The offsets are in the paper's frame: a landscape job lies a quarter turn
    // anti-clockwise on the paper, so the paper's right is its down and the paper's
    // down its left.
    EXPECT_EQ(AlignedPlacement(placed, printerPage(3150, 2400, 300, 300), {5.0, -3.0}, kPrintLandscape),
              QRect(35, 134, 2400, 3000));  // x + 35.43, y + 59.06
    EXPECT_EQ(AlignedPlacement(placed, printerPage(2400, 3150, 300, 300), {5.0, -3.0}, kPrintPortrait),
              QRect(59, 40, 2400, 3000));
}

TEST_F(PrintCommandTest, BorderlessPageGoesOnBorderlessPaperEdgeToEdgeWhereTheQueueHasIt) {
    printer.name = QStringLiteral("Photo");
    printer.page = printerPage(1125, 1725, 300, 300);  // 4 x 6 in with an eighth of an inch all round
    chooseFullPageTemplate(settings, nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
    KeptPage borderless = keptPageOf(makePage(400, 600), settings);
    borderless.borderless = true;
    struct Case {
        bool offered;
        QRect placement;
    };
    for (const Case& c : {Case{true, QRect(0, 0, 1200, 1800)}, Case{false, QRect(0, 0, 1125, 1725)}}) {
        SCOPED_TRACE(c.offered);
        printer.spooled.clear();
        printer.borderlessPage.reset();
        if (c.offered) printer.borderlessPage = printerPage(1200, 1800, 300, 300);
        EXPECT_EQ(PrintPage(settings, false, &borderless, printer, notifier), PrintResult::Printed);
        EXPECT_TRUE(notifier.shown.empty());
        ASSERT_EQ(printer.spooled.size(), 1u);
        EXPECT_EQ(printer.spooled[0].borderless, c.offered);
        EXPECT_EQ(printer.spooled[0].placement, c.placement);
        EXPECT_FALSE(printer.borderlessWanted) << "the borderless job leaves the plain paper asked for";
    }
    // The page after asks for the paper itself again.
    printer.borderlessPage = printerPage(1200, 1800, 300, 300);
    KeptPage framed = keptPageOf(makePage(400, 600), settings);
    EXPECT_EQ(PrintPage(settings, false, &framed, printer, notifier), PrintResult::Printed);
    EXPECT_FALSE(printer.spooled.back().borderless);
}

TEST(BorderlessCheck, MeasuresTheBorderlessVersionAndNamesAQueueWithoutOne) {
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Photo Printer");
    printer.media = PrinterMedia{QStringLiteral("4x6"), QStringLiteral("4 x 6 in"), 4, 6, false};
    printer.page = printerPage(1125, 1725, 300, 300);
    ScriptedNotifier notifier;
    const PaperSizes fourBySix = paper(4, 6, 4, 6);

    printer.borderlessPage = printerPage(1200, 1800, 300, 300);
    EXPECT_FALSE(CheckBorderlessPage(printer, notifier, fourBySix));
    EXPECT_TRUE(notifier.shown.empty());
    EXPECT_EQ(printer.readPrinterPage().width, 1125) << "the queue's own paper again after the check";

    printer.borderlessPage.reset();
    EXPECT_TRUE(CheckBorderlessPage(printer, notifier, fourBySix));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text,
              "Your printer is not setup for borderless printing for the template\nyou have selected. Your "
              "current template size is 4.00 x 6.00 inches.\nFor best results, your printer page size should "
              "be set to match your template\ndimensions.\nThe printer \"Photo Printer\" has no borderless "
              "version of its 4 x 6 in paper.\n");
}

class AlignmentOffsetsTest : public TempDirTest {};

TEST_F(AlignmentOffsetsTest, KeptPerQueueAndAddedToEveryPlacementOnIt) {
    FakePrinterBackend printer;
    printer.page = printerPage(2400, 3150, 300, 300);
    const CxImage page = makePage(160, 200);
    EXPECT_FALSE(printer.setAlignmentOffsets({1, 1})) << "nowhere to keep them";
    printer.setSettingsStore(&store());
    printer.name = QStringLiteral("Photo/matte");  // an instance shares its queue's offsets
    ASSERT_TRUE(printer.setAlignmentOffsets({2.5, -1.0}));
    EXPECT_EQ(store().readString("PrinterAlignment", "Photo.AlignmentXmm", ""), "2.50");
    EXPECT_EQ(store().readString("PrinterAlignment", "Photo.AlignmentYmm", ""), "-1.00");

    auto placementOn = [&](const QString& name, const PageRequest& request) {
        printer.name = name;
        printer.spooled.clear();
        EXPECT_TRUE(
            PrintBitmap(printer, &page, OneToOne, "t", kPrintPortrait, 0, 0, paper(8.5, 11), request));
        return printer.spooled.empty() ? QRect() : printer.spooled[0].placement;
    };
    EXPECT_EQ(placementOn("Photo", {}), QRect(30, -12, 160, 200));  // 29.5 and -11.8 dots
    EXPECT_EQ(placementOn("Office", {}), QRect(0, 0, 160, 200));
    PageRequest trying;  // the alignment dialog prints with the offsets it shows
    trying.alignment = AlignmentOffsets{0.0, 2.0};
    EXPECT_EQ(placementOn("Photo", trying), QRect(0, 24, 160, 200));

    // A landscape page on the same queue moves along the same paper edges.
    printer.name = QStringLiteral("Photo");
    printer.spooled.clear();
    ASSERT_TRUE(PrintBitmap(printer, &page, OneToOne, "t", kPrintLandscape, 0, 0, paper(8.5, 11), {}));
    EXPECT_EQ(printer.spooled[0].placement, QRect(12, 30, 160, 200));
    // The alignment page prints upright, so what is read on it is in the paper's frame,
    // whichever way the template's pages print.
    AppSettings wide;
    wide.AutoOrientation = 0;
    wide.ManPortraitRadio = 0;  // the pages print landscape
    wide.PageResolution = 20;
    printer.spooled.clear();
    ASSERT_EQ(PrintAlignmentPage(wide, printer, {1.0, 0.0}), PrintResult::Printed);
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_EQ(printer.spooled[0].orientation, kPrintPortrait);

    // The store is only text: what it holds stays within what a printer can be off.
    store().writeString("PrinterAlignment", "Office.AlignmentXmm", "1e9");
    store().writeString("PrinterAlignment", "Office.AlignmentYmm", "nan");
    printer.name = QStringLiteral("Office");
    EXPECT_EQ(printer.alignmentOffsets(), (AlignmentOffsets{kAlignmentLimitMm, 0.0}));
}
