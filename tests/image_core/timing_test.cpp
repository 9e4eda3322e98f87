// Rough timings of the operations that run on every full-size photo. Printed, not
// asserted: the machine is shared. The results are still checked.
#include <QElapsedTimer>
#include <QPainter>
#include <ctime>
#include <iostream>

#include "ImageTestUtil.h"

namespace {
// Milliseconds of processor time of this process: less sensitive to a busy machine than wall time.
double cpuMs() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}
}  // namespace

TEST(TimingTest, StretchAndTurnOfACameraSizedPhoto) {
    CxImage photo(CXIMAGE_FORMAT_JPG);
    ASSERT_TRUE(photo.CreateRaster(6000, 4000, 24, CXIMAGE_FORMAT_JPG));
    for (int y = 0; y < 4000; ++y) {
        std::uint8_t* row = photo.GetBits(y);
        for (int x = 0; x < 6000; ++x) {
            row[3 * x] = std::uint8_t(x);
            row[3 * x + 1] = std::uint8_t(y);
            row[3 * x + 2] = std::uint8_t(x ^ y);
        }
    }
    QImage slot(2400, 3000, QImage::Format_RGB32);
    slot.fill(Qt::black);
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuMs();
    {
        QPainter p(&slot);
        ASSERT_TRUE(photo.StretchTo(&p, 0, 0, 2400, 3000));
    }
    const qint64 stretchMs = timer.elapsed();
    const double stretchCpu = cpuMs() - cpu;
    // Output (0, 0) samples display (1, 0), i.e. DIB row 3999.
    EXPECT_EQ(slot.pixel(0, 0), qRgb((1 ^ 3999) & 0xff, 3999 & 0xff, 1));

    timer.restart();
    cpu = cpuMs();
    ASSERT_TRUE(photo.RotateClockwise());
    const qint64 turnMs = timer.elapsed();
    const double turnCpu = cpuMs() - cpu;
    EXPECT_EQ(photo.GetWidth(), 4000);
    // New top-right is the old top-left: DIB (0, 3999) before, DIB (3999, 5999) now.
    EXPECT_EQ(photo.ReadColor(3999, 5999), makeRgb(0 ^ (3999 & 0xff), 3999 & 0xff, 0));

    timer.restart();
    cpu = cpuMs();
    ASSERT_TRUE(photo.CropTo(100, 100, 3900, 5900));
    const qint64 cropMs = timer.elapsed();
    const double cropCpu = cpuMs() - cpu;
    EXPECT_EQ(photo.GetWidth(), 3800);

    std::cout << "[ timing ] wall / cpu ms: StretchTo 6000x4000 -> 2400x3000 " << stretchMs << " / "
              << stretchCpu << "; RotateClockwise " << turnMs << " / " << turnCpu << "; CropTo " << cropMs
              << " / " << cropCpu << std::endl;
}
