// The printer's state put into words, and the alignment page.

#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "layout/PageSetup.h"
#include "output/AlignmentPage.h"
#include "output/PrinterStatus.h"
#include "support/FakeSeams.h"

namespace {

TEST(PrinterStateText, NamesWhatKeepsThePrinterFromPrinting) {
    using K = PrinterState::Kind;
    struct Case {
        PrinterState state;
        const char* text;  // after "The printer \"P\" is "
        bool halted;
        bool needsAttention;
    };
    const Case cases[] = {
        {{K::Idle, {}}, nullptr, false, false},
        {{K::Processing, {"cups-waiting-for-job-completed"}}, nullptr, false, false},
        {{K::Unknown, {}}, nullptr, false, false},
        {{K::Stopped, {"paused"}}, "stopped.", true, true},
        {{K::Idle, {"offline-report"}}, "offline.", true, true},
        {{K::Processing, {"media-empty-error", "marker-supply-low-warning"}},
         "out of paper and low on ink or toner.",
         false,
         true},
        {{K::Stopped, {"media-jam-error", "toner-empty"}},
         "stopped, jammed and out of ink or toner.",
         true,
         true},
        {{K::Idle, {"marker-supply-low-report"}}, "low on ink or toner.", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state.reasons.join(',').toStdString());
        const QString expected = c.text ? QStringLiteral("The printer \"P\" is ") + c.text : QString();
        EXPECT_EQ(PrinterStateText(c.state, QStringLiteral("P")), expected);
        EXPECT_EQ(PrinterHalted(c.state), c.halted);
        EXPECT_EQ(PrinterNeedsAttention(c.state), c.needsAttention);
    }
    // Where the printer is named already (the batch window's caption).
    EXPECT_EQ(PrinterStateText({K::Stopped, {"media-jam-error"}}, QString()),
              "The printer is stopped and jammed.");
}

TEST(AlignmentPage, FrameAtTheEdgesAndMillimetreRulers) {
    CxImage page;
    ASSERT_TRUE(MakeAlignmentPage(page, 4, 6, 100, {1.5, -0.5}, QStringLiteral("Photo")));
    const QImage image = page.ToBitmap();
    ASSERT_EQ(image.size(), QSize(400, 600));
    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 599), QPoint(200, 0), QPoint(0, 450), QPoint(399, 100)})
        EXPECT_TRUE(dark(p.x(), p.y())) << "frame at " << p.x() << "," << p.y();
    // The left ruler along the middle: its line, the 10 mm tick (39 pixels in) rising
    // 4.5 mm above it, and paper between that tick and the 11 mm one.
    EXPECT_TRUE(dark(60, 300));
    EXPECT_TRUE(dark(39, 300 - 15));
    EXPECT_FALSE(dark(41, 300 - 15));
    // The top ruler going down the middle, its 20 mm tick at 79 pixels.
    EXPECT_TRUE(dark(200, 60));
    EXPECT_TRUE(dark(200 + 15, 79));
    EXPECT_FALSE(dark(200 + 15, 81));
    EXPECT_FALSE(MakeAlignmentPage(page, 0, 6, 100, {}, QStringLiteral("Photo")));
    EXPECT_EQ(page.GetWidth(), 400) << "a failed page leaves the old one";
}

TEST(AlignmentPage, PrintsAsTheTemplatesPagesWithTheOffsetsTried) {
    AppSettings settings;
    ASSERT_TRUE(
        chooseFullPageTemplate(settings, nullptr, QStringLiteral("One Borderless 4in x 6in Print")).known);
    choosePageResolution(settings, nullptr, 50);
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Photo");
    printer.page = PrinterPage{1125, 1725, 300, 300};
    printer.borderlessPage = PrinterPage{1200, 1800, 300, 300};
    EXPECT_EQ(PrintAlignmentPage(settings, printer, {1.0, 2.0}), PrintResult::Printed);
    ASSERT_EQ(printer.spooled.size(), 1u);
    const auto& spooled = printer.spooled[0];
    EXPECT_EQ(spooled.documentName, "Snapvale Alignment Page");
    EXPECT_EQ(QSize(spooled.bitmapWidth, spooled.bitmapHeight), QSize(200, 300));
    EXPECT_TRUE(spooled.borderless);
    EXPECT_EQ(spooled.placement, QRect(12, 24, 1200, 1800));  // 11.8 and 23.6 dots

    printer.name.clear();
    EXPECT_EQ(PrintAlignmentPage(settings, printer, {}), PrintResult::NotPrinted);
}

}  // namespace
