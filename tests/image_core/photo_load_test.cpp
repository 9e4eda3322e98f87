// Which path a photo file takes, and what the system picture path reports.
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "ImageTestUtil.h"
#include "image/PhotoImage.h"
#include "support/TestSupport.h"

namespace {

QImage testPicture(int w, int h, int dpi = 0) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 255 / std::max(1, w - 1), y * 255 / std::max(1, h - 1), 40));
    if (dpi > 0) {
        img.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
        img.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    }
    return img;
}

QByteArray encode(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(img)) << format << ": " << writer.errorString().toStdString();
    return bytes;
}

}  // namespace

TEST(PhotoPathTest, ExtensionsChooseTheRasterDecoder) {
    EXPECT_EQ(rasterFormatForPath("photo.JPG"), CXIMAGE_FORMAT_JPG);
    EXPECT_EQ(rasterFormatForPath("/x/photo.Jpeg"), CXIMAGE_FORMAT_JPG);
    EXPECT_EQ(rasterFormatForPath("photo.jpeg"), CXIMAGE_FORMAT_JPG);
    EXPECT_EQ(rasterFormatForPath("a.b.TIFF"), CXIMAGE_FORMAT_TIF);
    EXPECT_EQ(rasterFormatForPath("scan.tif"), CXIMAGE_FORMAT_TIF);
    EXPECT_EQ(rasterFormatForPath("x.gif"), CXIMAGE_FORMAT_GIF);
    EXPECT_EQ(rasterFormatForPath("x.tga"), CXIMAGE_FORMAT_TGA);
    EXPECT_EQ(rasterFormatForPath("x.pcx"), CXIMAGE_FORMAT_PCX);
    EXPECT_EQ(rasterFormatForPath("x.png"), CXIMAGE_FORMAT_PNG);
    EXPECT_EQ(rasterFormatForPath("x.Bmp"), CXIMAGE_FORMAT_BMP);
    EXPECT_EQ(rasterFormatForPath("photo"), CXIMAGE_FORMAT_UNKNOWN);
    EXPECT_EQ(rasterFormatForPath("photo.ico"), CXIMAGE_FORMAT_UNKNOWN);
    EXPECT_EQ(rasterFormatForPath("photo."), CXIMAGE_FORMAT_UNKNOWN);
    EXPECT_EQ(rasterFormatForPath("/pictures.jpg/photo"), CXIMAGE_FORMAT_UNKNOWN);
}

TEST(PhotoPathTest, RoundedMultiplyDivide) {
    EXPECT_EQ(mulDivRound(5, 1, 2), 3);
    EXPECT_EQ(mulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(mulDivRound(4, 1, 3), 1);
    EXPECT_EQ(mulDivRound(2646, 96, 2540), 100);
    EXPECT_EQ(mulDivRound(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(mulDivRound(7, 1, 0), 0);
}

class SystemPictureTest : public TempDirTest {};

TEST_F(SystemPictureTest, OtherFormatsLoadThroughTheSystemPath) {
    for (const char* format : {"ico", "xpm", "ppm", "webp"}) {
        SCOPED_TRACE(format);
        const QString file = writeFile(QStringLiteral("photo.%1").arg(QLatin1String(format)),
                                       encode(testPicture(48, 32), format));
        PhotoImage photo;
        ASSERT_NE(photo.LoadFile(file), 0) << photo.LastError().toStdString();
        EXPECT_TRUE(photo.IsSystemLoaded());
        EXPECT_FALSE(photo.IsRasterLoaded());
        EXPECT_EQ(photo.Raster(), nullptr);
        int w = 0, h = 0;
        photo.GetPixelSize(w, h);
        EXPECT_EQ(w, 48);
        EXPECT_EQ(h, 32);
    }
}

TEST_F(SystemPictureTest, PhysicalSizeFollowsTheRecordedResolution) {
    // A PNG of 300 x 150 at 300 dpi under a name without extension: 1 x 0.5 inch.
    const QString file = writeFile(QStringLiteral("photo"), encode(testPicture(300, 150, 300), "png"));
    PhotoImage photo;
    ASSERT_NE(photo.LoadFile(file), 0);
    ASSERT_TRUE(photo.IsSystemLoaded());
    int w = 0, h = 0;
    photo.GetPixelSize(w, h, 96, 96);
    EXPECT_EQ(w, 96);
    EXPECT_EQ(h, 48);
    photo.GetPixelSize(w, h, 300, 600);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 300);

    // Drawing a system picture stretches it plainly into the rectangle.
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter p(&target);
        ASSERT_TRUE(photo.DrawInto(&p, 0, 0, 20, 10));
    }
    EXPECT_LT(qRed(target.pixel(0, 0)), 16);
    EXPECT_LT(qGreen(target.pixel(0, 0)), 16);
    EXPECT_GT(qRed(target.pixel(19, 9)), 240);
    EXPECT_GT(qGreen(target.pixel(19, 9)), 240);
}

TEST_F(SystemPictureTest, ScalableDrawingsUseTheirDefaultSize) {
    const QByteArray svg =
        "<svg xmlns='http://www.w3.org/2000/svg' width='120' height='80'>"
        "<rect width='120' height='80' fill='#ff0000'/></svg>";
    PhotoImage photo;
    ASSERT_NE(photo.LoadFile(writeFile(QStringLiteral("drawing.svg"), svg)), 0);
    int w = 0, h = 0;
    photo.GetPixelSize(w, h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 80);
}

TEST_F(SystemPictureTest, FailedLoadsReportFailureAndKeepWhatWasLoaded) {
    PhotoImage photo;
    EXPECT_EQ(photo.LoadFile(path(QStringLiteral("missing.webp"))), 0);
    EXPECT_TRUE(photo.IsEmpty());
    EXPECT_EQ(photo.LoadFile(writeFile(QStringLiteral("junk"), QByteArray("not a picture at all"))), 0);
    EXPECT_TRUE(photo.IsEmpty());

    ASSERT_NE(photo.LoadFile(writeFile(QStringLiteral("ok.xpm"), encode(testPicture(6, 4), "xpm"))), 0);
    EXPECT_EQ(photo.LoadFile(path(QStringLiteral("missing.ico"))), 0);
    ASSERT_TRUE(photo.IsSystemLoaded());
    int w = 0, h = 0;
    photo.GetPixelSize(w, h);
    EXPECT_EQ(w, 6);
}

TEST_F(SystemPictureTest, MismatchedBytesFallBackToTheSystemPath) {
    // JPEG bytes stored as .png fail in the PNG decoder and load as a system picture.
    const QString file = writeFile(QStringLiteral("x.png"), encode(testPicture(40, 30), "jpeg"));
    PhotoImage photo;
    ASSERT_NE(photo.LoadFile(file), 0);
    EXPECT_TRUE(photo.IsSystemLoaded());
    EXPECT_EQ(photo.LoadFileRasterOnly(file), 0);
    EXPECT_TRUE(photo.IsSystemLoaded()) << "a failed load leaves the photo as it was";
}

TEST(PhotoImageTest, AdoptedRastersAreMeasuredAndEmptyPhotosAreZero) {
    PhotoImage photo;
    int w = -1, h = -1;
    photo.GetPixelSize(w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_FALSE(photo.AdoptRaster(CxImage()));
    CxImage img(CXIMAGE_FORMAT_PNG);
    ASSERT_TRUE(img.CreateRaster(7, 3, 24, CXIMAGE_FORMAT_PNG));
    ASSERT_TRUE(photo.AdoptRaster(std::move(img)));
    photo.GetPixelSize(w, h, 300, 300);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(photo.FormatName(), QStringLiteral("PNG"));
    photo.Release();
    EXPECT_TRUE(photo.IsEmpty());
}
