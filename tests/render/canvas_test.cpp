// The page canvas: its size, the kept page it becomes, the memory error and the
// placeholder page of an empty list.

#include <QPainter>

#include "RenderTestSupport.h"
#include "image/PhotoImage.h"

TEST(CanvasTest, SizeIsResolutionTimesTemplateTruncated) {
    EXPECT_EQ(Canvas::pixelSize(300, 8.0, 10.0), QSize(2400, 3000));
    EXPECT_EQ(Canvas::pixelSize(150, 8.5, 11.0), QSize(1275, 1650));
    EXPECT_EQ(Canvas::pixelSize(200, 7.5, 10.1), QSize(1500, 2020));
    AppSettings s;  // defaults: 200 DPI, 8 x 10
    EXPECT_EQ(Canvas::pixelSize(s), QSize(1600, 2000));
}

TEST(CanvasTest, RefusesSizesItCannotKeep) {
    EXPECT_FALSE(Canvas::sizeAllowed(0, 100));
    EXPECT_FALSE(Canvas::sizeAllowed(100, -1));
    // 20000 x 20000 is past the raster ceiling: no surface is even tried.
    EXPECT_FALSE(Canvas::sizeAllowed(20000, 20000));
    Canvas canvas;
    EXPECT_FALSE(canvas.create(20000, 20000));
    EXPECT_FALSE(canvas.isValid());
    EXPECT_TRUE(Canvas::sizeAllowed(3200, 4000));
}

TEST(CanvasTest, StartsWhiteAndBecomesABottomUpDib) {
    Canvas canvas;
    ASSERT_TRUE(canvas.create(5, 3));
    EXPECT_EQ(canvas.image().pixel(4, 2) & 0xffffff, 0xffffffu);
    canvas.painter().fillRect(0, 0, 5, 1, QColor(10, 20, 30));    // top row
    canvas.painter().fillRect(4, 2, 1, 1, QColor(200, 100, 50));  // bottom-right pixel
    CxImage dib;
    ASSERT_TRUE(canvas.makeKeptPage(dib, 300));
    EXPECT_EQ(dib.GetBpp(), 24);
    // The header records the page's resolution: 300 dpi is 11811 pixels a metre.
    EXPECT_EQ(dib.GetXDPI(), 300);
    EXPECT_EQ(reinterpret_cast<const BitmapInfoHeader*>(dib.GetDIB())->biXPelsPerMeter, 11811);
    EXPECT_EQ(dib.GetWidth(), 5);
    EXPECT_EQ(dib.GetHeight(), 3);
    // Rows are stored bottom first, each padded to four bytes, pixels blue-green-red.
    EXPECT_EQ(dib.GetEffWidth(), 16u);
    const std::uint8_t* top = dib.GetBits(2);
    EXPECT_EQ(top[0], 30);
    EXPECT_EQ(top[1], 20);
    EXPECT_EQ(top[2], 10);
    const std::uint8_t* bottom = dib.GetBits(0);
    EXPECT_EQ(bottom[12], 50);
    EXPECT_EQ(bottom[13], 100);
    EXPECT_EQ(bottom[14], 200);
    EXPECT_EQ(bottom[0], 255);
}

// A small surface comes from Qt, a page-sized one from a block of our own; either
// way the kept page is read from the canvas where it lies, the drawing ended first,
// and the picture can be handed on without a copy.
TEST(CanvasTest, KeptPageReadsTheSurfaceWhereItLiesAfterTheDrawingEnds) {
    for (const QSize size : {QSize(7, 5), QSize(1600, 2000)}) {
        SCOPED_TRACE(size.width());
        Canvas canvas;
        ASSERT_TRUE(canvas.create(size.width(), size.height()));
        const QImage& surface = canvas.image();
        const uchar* bits = surface.constBits();
        EXPECT_EQ(surface.pixel(size.width() - 1, size.height() - 1) & 0xffffff, 0xffffffu);
        canvas.painter().fillRect(0, 0, 3, 2, QColor(1, 2, 3));
        CxImage dib;
        ASSERT_TRUE(canvas.makeKeptPage(dib, 200));
        EXPECT_FALSE(canvas.isValid()) << "the drawing ends before the canvas is read";
        EXPECT_EQ(canvas.image().constBits(), bits) << "the surface was not copied";
        EXPECT_EQ(dib.GetBits(size.height() - 1)[0], 3);
        EXPECT_EQ(dib.GetBits(0)[0], 255);
        const QImage taken = canvas.takeImage();
        EXPECT_EQ(taken.constBits(), bits);
        EXPECT_TRUE(canvas.image().isNull());
        EXPECT_EQ(taken.pixel(1, 1) & 0xffffff, 0x010203u);
    }
}

using PaintPageTest = RenderFixture;

TEST_F(PaintPageTest, CanvasTooLargeReportsMemoryErrorAndKeepsTheOldPage) {
    list.append(writeSolidPhoto(path("a.png"), 40, 60, Qt::red));
    ASSERT_TRUE(render());
    const std::size_t before = kept.image.GetDIBSize();
    settings.CanvasWidth = 30000;
    settings.CanvasHeight = 30000;
    EXPECT_EQ(PaintPage(*pass, kept), PagePaintResult::MemoryError);
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("*Bitmap Memory Error*"));
    ASSERT_FALSE(fakes.notifier.shown.empty());
    EXPECT_EQ(fakes.notifier.shown.back().text,
              QStringLiteral("Bitmap Memory Error - reduce your page size and/or resolution."));
    EXPECT_EQ(kept.image.GetDIBSize(), before);
}

TEST_F(PaintPageTest, EmptyListShowsThePlaceholderAndLoadsNothing) {
    ASSERT_FALSE(placeholderPicture().IsEmpty());
    QImage shown;
    KeptPage none;
    EXPECT_EQ(PaintPage(*pass, none, &shown), PagePaintResult::EmptyList);
    EXPECT_FALSE(none.isValid());
    ASSERT_EQ(shown.size(), QSize(settings.CanvasWidth, settings.CanvasHeight));
    // The placeholder is a pale grey card edge to edge, never the white of a page.
    EXPECT_NE(shown.pixel(shown.width() / 10, shown.height() / 10) & 0xffffff, 0xffffffu);
    EXPECT_EQ(fakes.status.panes[0].last(), QString());
    for (const QString& text : fakes.status.panes[0])
        EXPECT_FALSE(text.startsWith(QLatin1String("Loading photo")));
}

TEST_F(PaintPageTest, ListWithPhotosRendersAndKeepsThePage) {
    list.append(writeSolidPhoto(path("a.png"), 40, 60, Qt::blue));
    EXPECT_EQ(PaintPage(*pass, kept), PagePaintResult::Rendered);
    EXPECT_EQ(kept.image.GetWidth(), settings.CanvasWidth);
    EXPECT_EQ(kept.image.GetHeight(), settings.CanvasHeight);
}
