// Fitting, stretching, tiling and the smooth draw of photos.
#include <QPainter>

#include "ImageTestUtil.h"
#include "image/PhotoImage.h"

namespace {

QImage canvas(int w, int h, QRgb fill = qRgb(1, 2, 3)) {
    QImage c(w, h, QImage::Format_RGB32);
    c.fill(fill);
    return c;
}

std::unique_ptr<PhotoImage> adopt(CxImage&& img) {
    auto photo = std::make_unique<PhotoImage>();
    EXPECT_TRUE(photo->AdoptRaster(std::move(img)));
    return photo;
}

}  // namespace

TEST(FitRectTest, WiderPicturesFillTheWidthTallerOnesTheHeight) {
    const QRect box(0, 0, 200, 200);
    // right and bottom are x + width and y + height.
    EXPECT_EQ(PhotoImage::FitRect(box, 400, 300, true), QRect(0, 25, 200, 150));
    EXPECT_EQ(PhotoImage::FitRect(box, 400, 300, false), QRect(0, 0, 200, 150));
    EXPECT_EQ(PhotoImage::FitRect(box, 300, 400, true), QRect(25, 0, 150, 200));
    EXPECT_EQ(PhotoImage::FitRect(box, 300, 400, false), QRect(0, 0, 150, 200));
    // Equal ratios fill the width.
    EXPECT_EQ(PhotoImage::FitRect(QRect(0, 0, 100, 50), 40, 20, true), QRect(0, 0, 100, 50));
    // Sizes are truncated, not rounded: 3 * (10 / 7) = 4.28 -> 4, left (10 - 4) div 2.
    EXPECT_EQ(PhotoImage::FitRect(QRect(0, 0, 10, 10), 3, 7, true), QRect(3, 0, 4, 10));
    // The result is relative to the rectangle's own corner.
    EXPECT_EQ(PhotoImage::FitRect(QRect(50, 60, 200, 200), 400, 300, true), QRect(0, 25, 200, 150));
}

TEST(FitRectTest, EmptyPicturesOrRectanglesGiveNothing) {
    EXPECT_TRUE(PhotoImage::FitRect(QRect(0, 0, 200, 200), 0, 300, true).isEmpty());
    EXPECT_TRUE(PhotoImage::FitRect(QRect(0, 0, 200, 200), 300, 0, true).isEmpty());
    EXPECT_TRUE(PhotoImage::FitRect(QRect(0, 0, 0, 200), 300, 200, true).isEmpty());
}

TEST(StretchTest, NearestNeighbourPicksWholeRowsAndColumns) {
    // Display: 10 20 30 / 40 50 60 (grey levels)
    const int values[2][3] = {{10, 20, 30}, {40, 50, 60}};
    const CxImage img = makeRgbImage(3, 2, [&](int c, int r) { return gray(values[r][c]); });
    QImage target = canvas(8, 6);
    {
        QPainter p(&target);
        ASSERT_TRUE(img.StretchTo(&p, 1, 1, 6, 4));
    }
    const int expected[4][6] = {{10, 10, 20, 20, 30, 30},
                                {10, 10, 20, 20, 30, 30},
                                {40, 40, 50, 50, 60, 60},
                                {40, 40, 50, 50, 60, 60}};
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
            const QRgb want =
                inside ? qRgb(expected[y - 1][x - 1], expected[y - 1][x - 1], expected[y - 1][x - 1])
                       : qRgb(1, 2, 3);
            EXPECT_EQ(target.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(StretchTest, ShrinkingDropsRowsAndColumnsWithoutBlending) {
    // 4 x 4 display values 16 * row + col; to 2 x 2 takes the cells under the centres: 1 and 3.
    CxImage img = makeImage(4, 4, 8, [](int c, int r) { return 16 * r + c; });
    QImage target = canvas(2, 2);
    {
        QPainter p(&target);
        ASSERT_TRUE(img.StretchTo(&p, 0, 0, 2, 2));
    }
    auto pal = [&](int index) {
        const RGBQuad c = img.GetPaletteColor(index);
        return qRgb(c.red, c.green, c.blue);
    };
    EXPECT_EQ(target.pixel(0, 0), pal(16 + 1));
    EXPECT_EQ(target.pixel(1, 0), pal(16 + 3));
    EXPECT_EQ(target.pixel(0, 1), pal(48 + 1));
    EXPECT_EQ(target.pixel(1, 1), pal(48 + 3));
}

TEST(StretchTest, PackedDepthsAndPartlyHiddenRectangles) {
    for (int bpp : {1, 4}) {
        SCOPED_TRACE(bpp);
        CxImage img = makeImage(11, 3, bpp, [bpp](int c, int r) { return (c + r) % (1 << bpp); });
        // Start left of and above the canvas: only the visible part lands, correctly placed.
        QImage target = canvas(20, 5);
        {
            QPainter p(&target);
            ASSERT_TRUE(img.StretchTo(&p, -4, -2, 22, 6));
        }
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 18; ++x) {
                const int sc = (x + 4) / 2, sr = (y + 2) / 2;
                const RGBQuad want = img.GetPaletteColor((sc + sr) % (1 << bpp));
                ASSERT_EQ(qColorAt(target, x, y), want) << x << "," << y;
            }
        }
        EXPECT_EQ(target.pixel(19, 4), qRgb(1, 2, 3));
        EXPECT_EQ(target.pixel(18, 0), qRgb(1, 2, 3));
    }
}

TEST(StretchTest, RefusesWithoutPictureOrPainter) {
    CxImage empty;
    QImage target = canvas(4, 4);
    QPainter p(&target);
    EXPECT_FALSE(empty.StretchTo(&p, 0, 0, 4, 4));
    const CxImage img = makeRgbImage(2, 2, [](int, int) { return gray(9); });
    EXPECT_FALSE(img.StretchTo(nullptr, 0, 0, 4, 4));
    // An empty rectangle draws nothing.
    EXPECT_TRUE(img.StretchTo(&p, 0, 0, 0, 4));
    p.end();
    EXPECT_EQ(target.pixel(0, 0), qRgb(1, 2, 3));
}

TEST(ToBitmapTest, TopRowFirstInEveryDepth) {
    const CxImage rgb = makeRgbImage(5, 3, [](int c, int r) { return makeRgb(c * 40, r * 50, 7); });
    QImage b = rgb.ToBitmap();
    ASSERT_EQ(b.size(), QSize(5, 3));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(qColorAt(b, c, r), makeRgb(c * 40, r * 50, 7));

    for (int bpp : {1, 4, 8}) {
        SCOPED_TRACE(bpp);
        const CxImage pal = makeImage(13, 3, bpp, [bpp](int c, int r) { return (c * 3 + r) % (1 << bpp); });
        const QImage q = pal.ToBitmap();
        ASSERT_EQ(q.size(), QSize(13, 3));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 13; ++c)
                EXPECT_EQ(qColorAt(q, c, r), pal.GetPaletteColor((c * 3 + r) % (1 << bpp))) << c << "," << r;
    }
    EXPECT_TRUE(CxImage().ToBitmap().isNull());
}

TEST(TileOverTest, RepeatsFromTheCornerAndClipsTheLastTiles) {
    const CxImage img = makeRgbImage(2, 2, [](int c, int r) { return gray(100 + 10 * c + 20 * r); });
    QImage target = canvas(8, 6);
    {
        QPainter p(&target);
        img.TileOver(&p, QRect(1, 1, 5, 3));
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 6 && y >= 1 && y < 4;
            const int v = 100 + 10 * ((x - 1) % 2) + 20 * ((y - 1) % 2);
            EXPECT_EQ(target.pixel(x, y), inside ? qRgb(v, v, v) : qRgb(1, 2, 3)) << x << "," << y;
        }
    }
}

TEST(AreaAverageTest, OutputPixelsAreCoverageWeightedMeans) {
    QImage src(3, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(0, 0, 0));
    src.setPixel(1, 0, qRgb(90, 30, 3));
    src.setPixel(2, 0, qRgb(180, 60, 6));
    // Three cells onto two: (2 a + b) / 3 and (b + 2 c) / 3.
    const QImage two = scaleAreaAverage(src, 2, 1);
    ASSERT_EQ(two.size(), QSize(2, 1));
    EXPECT_EQ(qColorAt(two, 0, 0), makeRgb(30, 10, 1));
    EXPECT_EQ(qColorAt(two, 1, 0), makeRgb(150, 50, 5));

    // 4 x 4 onto 2 x 2 averages 2 x 2 blocks in both directions.
    QImage block(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) block.setPixel(x, y, qRgb(10 * x + 100 * (y / 2), 0, 0));
    const QImage quarter = scaleAreaAverage(block, 2, 2);
    EXPECT_EQ(qRed(quarter.pixel(0, 0)), 5);
    EXPECT_EQ(qRed(quarter.pixel(1, 0)), 25);
    EXPECT_EQ(qRed(quarter.pixel(0, 1)), 105);
    EXPECT_EQ(qRed(quarter.pixel(1, 1)), 125);
    // Enlarging keeps a flat picture flat and opaque.
    const QImage big = scaleAreaAverage(quarter, 7, 5);
    EXPECT_EQ(big.pixel(6, 4), quarter.pixel(1, 1));
    EXPECT_EQ(qAlpha(big.pixel(3, 2)), 255);
    EXPECT_TRUE(scaleAreaAverage(src, 0, 3).isNull());
}

// A kept page is scaled straight from its bottom-up rows, to the same pixels as a
// top-down copy of it would give, shrunk or enlarged.
TEST(AreaAverageTest, RasterRowsScaleLikeTheirPicture) {
    CxImage raster;
    ASSERT_TRUE(raster.CreateRaster(37, 23, 24, CXIMAGE_FORMAT_BMP));
    for (int row = 0; row < 23; ++row)
        for (int x = 0; x < 37; ++x) {
            std::uint8_t* p = raster.GetBits(row) + 3 * x;
            p[0] = std::uint8_t(x * 7 + row);
            p[1] = std::uint8_t(row * 11);
            p[2] = std::uint8_t(x * row);
        }
    for (const QSize size : {QSize(10, 6), QSize(37, 23), QSize(50, 31), QSize(1, 1)}) {
        SCOPED_TRACE(size.width());
        EXPECT_EQ(scaleAreaAverage(raster, size.width(), size.height()),
                  scaleAreaAverage(raster.ToBitmap(), size.width(), size.height()));
    }
    EXPECT_TRUE(scaleAreaAverage(CxImage(), 5, 5).isNull());
}

namespace {

// Vertical stripes two dark, one light: the plain stretch into a small box shows
// only pure dark or light pixels, the halved-and-averaged draw shows blends.
CxImage stripes(int w, int h) {
    return makeRgbImage(w, h, [](int c, int) { return c % 3 == 2 ? gray(255) : gray(0); });
}

bool hasBlends(const QImage& img, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int v = qRed(img.pixel(x, y));
            if (v != 0 && v != 255) return true;
        }
    return false;
}

}  // namespace

TEST(DrawSmoothTest, LargePhotosInSmallBoxesAreAveraged) {
    const auto photo = adopt(stripes(1200, 1000));  // 1.2 megapixels
    QImage target = canvas(120, 110);
    {
        QPainter p(&target);
        ASSERT_TRUE(photo->DrawSmooth(&p, 10, 5, 110, 105));
    }
    EXPECT_TRUE(hasBlends(target, QRect(10, 5, 100, 100)));
    EXPECT_EQ(target.pixel(9, 50), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(110, 50), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(50, 105), qRgb(1, 2, 3));
}

TEST(DrawSmoothTest, SmallPhotosAndLargeBoxesTakeThePlainStretch) {
    {
        // Exactly 786,432 pixels is still "small".
        const auto photo = adopt(stripes(1024, 768));
        QImage target = canvas(100, 100);
        QPainter p(&target);
        ASSERT_TRUE(photo->DrawSmooth(&p, 0, 0, 100, 100));
        p.end();
        EXPECT_FALSE(hasBlends(target, target.rect()));
    }
    {
        const auto photo = adopt(stripes(1200, 1000));
        QImage target = canvas(600, 600);
        QPainter p(&target);
        ASSERT_TRUE(photo->DrawSmooth(&p, 0, 0, 600, 600));
        p.end();
        EXPECT_FALSE(hasBlends(target, target.rect()));
    }
    {
        // Too thin to halve: drawn plainly instead of not at all.
        const auto photo = adopt(stripes(800000, 1));
        QImage target = canvas(50, 10);
        QPainter p(&target);
        ASSERT_TRUE(photo->DrawSmooth(&p, 0, 0, 50, 10));
        p.end();
        EXPECT_NE(target.pixel(0, 0), qRgb(1, 2, 3));
    }
}

TEST(DrawFittedTest, FitsCentredIntoTheRectangle) {
    // 4 x 2 picture into a 10 x 10 box at (5, 5): 10 x 5 at (5, 7).
    const auto photo = adopt(makeRgbImage(4, 2, [](int, int) { return gray(200); }));
    QImage target = canvas(20, 20);
    {
        QPainter p(&target);
        ASSERT_TRUE(photo->DrawFitted(&p, QRect(5, 5, 10, 10)));
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 7 && y < 12;
            EXPECT_EQ(target.pixel(x, y), inside ? qRgb(200, 200, 200) : qRgb(1, 2, 3)) << x << "," << y;
        }
    PhotoImage empty;
    QPainter p(&target);
    EXPECT_FALSE(empty.DrawFitted(&p, QRect(0, 0, 10, 10)));
    EXPECT_FALSE(empty.DrawInto(&p, 0, 0, 10, 10));
}
