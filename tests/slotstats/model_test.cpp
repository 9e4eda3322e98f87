// The slot statistics' arithmetic and texts, without a window.

#include <gtest/gtest.h>

#include <QImage>

#include "core/AppSettings.h"
#include "image/PhotoImage.h"
#include "layout/RenderPass.h"
#include "support/TestSupport.h"
#include "ui/slotstats/SlotStatsModel.h"

using namespace slot_stats;

TEST(SlotStatsModel, SteppingWrapsBothWaysAndStaysInTheTable) {
    const struct {
        int slot, count, next, previous;
    } cases[] = {
        {1, 3, 2, 3},    {3, 3, 1, 2}, {2, 3, 3, 1},  // three slots wrap both ways
        {1, 1, 1, 1},                                 // one slot goes nowhere
        {1, 0, 1, 1},                                 // nothing drawn yet
        {62, 62, 1, 61},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextSlot(c.slot, c.count), c.next) << c.slot << " of " << c.count;
        EXPECT_EQ(previousSlot(c.slot, c.count), c.previous) << c.slot << " of " << c.count;
    }
    EXPECT_FALSE(slotArrowsShown(1));
    EXPECT_TRUE(slotArrowsShown(2));
    EXPECT_EQ(steppableSlots(70), 62) << "no step past the last record";
}

TEST(SlotStatsModel, StatisticsTextOfASlot) {
    AppSettings s;
    s.MaxPageWidthIn = 8.5;
    s.MaxPageHeightIn = 11.0;
    PageReport report;
    report.slotCount = 3;
    report.layoutText = "Three 4 x 6 Prints";
    SlotRecord& r = *report.slots.at(2);
    r.fileName = "/photos/beach.jpg";
    r.sizeText = "[3000 x 2000]";
    r.slotWidth = 800;
    r.slotHeight = 1200;
    r.rotated = 1;
    r.cropped = 1;
    r.resolutionDeficit = 12.34;
    EXPECT_EQ(statisticsText(s, report, 2),
              "Printer Paper (8.5 x 11.0 in) -> Three 4 x 6 Prints\nImage Template Slot# (2 of 3): \n"
              "File: /photos/beach.jpg\nImage Resolution: [3000 x 2000] Layout Cell [800 x 1200]\n"
              "Transformations: [rotated][cropped][stretched by 12.3%]");
    r.rotated = r.cropped = 0;
    r.resolutionDeficit = -40.0;
    EXPECT_TRUE(statisticsText(s, report, 2).endsWith("Transformations: [compressed by 40.0%]"));
    // A photo framed by hand says so.
    r.rotated = r.framed = 1;
    EXPECT_TRUE(statisticsText(s, report, 2).endsWith("Transformations: [rotated][framed][compressed by 40.0%]"));
}

TEST(SlotStatsModel, HistogramGeometryAndGrid) {
    const HistogramGeometry g = histogramGeometry(301, 0);  // (301 - 200) / 2 = 50
    EXPECT_EQ(g.box, QRect(50, 0, 200, 70));
    EXPECT_EQ(g.inner, QRect(55, 5, 190, 60));
    EXPECT_EQ(g.gridX, (std::array<int, 7>{78, 102, 126, 150, 173, 197, 221}));
    EXPECT_EQ(g.baseline, 64);
    EXPECT_EQ(g.usableHeight, 50);
    EXPECT_EQ(photoRect(QRect(0, 0, 300, 400), true), QRect(0, 73, 300, 327));
    EXPECT_EQ(photoRect(QRect(0, 0, 300, 400), false), QRect(0, 3, 300, 397));
}

TEST(SlotStatsModel, WhitePhotoCountsAndCurveEnds) {
    CxImage white;
    ASSERT_TRUE(white.CreateRaster(100, 50, 24, CXIMAGE_FORMAT_BMP));
    std::fill(white.GetBits(0), white.GetBits(0) + white.GetEffWidth() * 50, 0xff);
    PhotoImage photo;
    ASSERT_TRUE(photo.AdoptRaster(std::move(white)));
    Histograms h;
    EXPECT_EQ(countHistograms(photo, h), 5000);
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(h.channel(c)[255], 5000) << c;
        EXPECT_EQ(h.channel(c)[254], 0) << c;
    }
    const HistogramGeometry g = histogramGeometry(300, 0);
    for (bool log : {false, true}) {
        const std::vector<QPoint> points = curvePoints(h.red, h.maximum, g, log);
        ASSERT_EQ(points.size(), 256u);
        EXPECT_EQ(points.front(), QPoint(55, 64)) << "bin 0 on the baseline, inner bottom - 1";
        EXPECT_EQ(points[254], QPoint(55 + 189, 64));
        EXPECT_EQ(points.back(), QPoint(55 + 190, 5 + 9)) << "the last bin at inner top + 9";
    }
}

// The tallest bin reaches inner top + 9 and no higher, whatever the maximum: for
// these, the usable height over the maximum times the maximum comes out a hair above it.
TEST(SlotStatsModel, TallestBinNeverRisesAboveTheScale) {
    const HistogramGeometry g = histogramGeometry(200, 0);
    for (bool log : {false, true}) {
        for (long maximum : {1L, 3L, 11L, 22L, 39L, 173L}) {
            std::array<long, 256> bins{};
            bins[128] = maximum;
            bins[0] = 1;
            const std::vector<QPoint> points = curvePoints(bins, maximum, g, log);
            EXPECT_EQ(points[128].y(), g.inner.top() + 9) << maximum << (log ? " log" : " linear");
            EXPECT_EQ(points[1].y(), g.baseline);
        }
    }
    // One pixel against a thousand: log format lifts it well off the baseline, linear hardly.
    std::array<long, 256> bins{};
    bins[0] = 1;
    bins[1] = 1000;
    EXPECT_EQ(curvePoints(bins, 1000, g, true)[0].y(), 58);   // 64 - 50 x log10(2) / log10(1001) = 58.98
    EXPECT_EQ(curvePoints(bins, 1000, g, false)[0].y(), 63);  // 63.95, truncated
    // Nothing counted: flat, and no division by nothing.
    EXPECT_EQ(curvePoints({}, 0, g, true).back().y(), g.baseline);
}

class SlotStatsPhotoTest : public TempDirTest {};

// (255, 0, 0) counts in gray bin 306 x 255 >> 10 = 76, from the raster and from a
// picture of the system path (more rows than one strip of its conversion).
TEST_F(SlotStatsPhotoTest, RedCountsInGrayBin76OnEitherLoadPath) {
    for (const char* name : {"red.png", "red.ppm"}) {
        QImage red(3, 600, QImage::Format_RGB32);
        red.fill(QColor(255, 0, 0));
        ASSERT_TRUE(red.save(path(name)));
        PhotoImage photo;
        ASSERT_TRUE(photo.LoadFile(path(name)));
        EXPECT_EQ(photo.IsSystemLoaded(), QString(name).endsWith(".ppm"));
        Histograms h;
        EXPECT_EQ(countHistograms(photo, h), 1800) << name;
        EXPECT_EQ(h.gray[76], 1800) << name;
        EXPECT_EQ(h.red[255], 1800) << name;
        EXPECT_EQ(h.green[0], 1800) << name;
        EXPECT_EQ(h.blue[0], 1800) << name;
    }
}

TEST(SlotStatsModel, NoChannelLeftSwitchesTheHistogramOff) {
    AppSettings s;
    s.ActivateHistogram = 1;
    s.RedChannel = s.GreenChannel = s.BlueChannel = s.GrayChannel = 0;
    EXPECT_FALSE(switchesFromSettings(s).on);
    s.GrayChannel = 1;
    EXPECT_TRUE(switchesFromSettings(s).on);
    s.ActivateHistogram = 0;
    EXPECT_FALSE(switchesFromSettings(s).on);
}
