// The face finder: the grey copy it searches, where it finds its module and the
// cascade, why it cannot search when one is missing, and that the module (and with
// it OpenCV) is opened only when a face is first looked for.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "image/CxImage.h"
#include "layout/FaceFinder.h"
#include "support/TestSupport.h"

namespace {

// Whether any OpenCV library is mapped into this process.
bool openCvMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains("libopencv");
}

// A 24-bit raster of the picture (DIB rows run bottom-up).
CxImage rasterOf(const QImage& picture) {
    CxImage raster;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(raster.CreateRaster(rgb.width(), rgb.height(), 24, 0));
    for (int y = 0; y < rgb.height(); ++y) {
        std::uint8_t* row = raster.GetBits(rgb.height() - 1 - y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            row[3 * x] = std::uint8_t(qBlue(c));
            row[3 * x + 1] = std::uint8_t(qGreen(c));
            row[3 * x + 2] = std::uint8_t(qRed(c));
        }
    }
    return raster;
}

QString builtModule() {
#ifdef SNAPVALE_TEST_FACES_MODULE
    return QStringLiteral(SNAPVALE_TEST_FACES_MODULE);
#else
    return QString();
#endif
}

}  // namespace

TEST(FaceGreyCopy, ShrinksToTheSearchSizeKeepingTheTopAndLeftWhereTheyWere) {
    // Top left white, top right black, the bottom half mid grey.
    auto quarters = [](int width, int height, int split) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(128, 128, 128));
        for (int y = 0; y < height / 2; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, x < split ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        return picture;
    };
    struct Case {
        int width, height;
        QSize expected;
    };
    // Twice the search size shrinks by block averages alone; a size in between is
    // fitted the rest of the way.
    for (const Case& c : {Case{800, 400, QSize(400, 200)}, Case{2000, 1000, QSize(400, 200)},
                          Case{300, 600, QSize(200, 400)}}) {
        SCOPED_TRACE(c.width);
        const GreyPicture g = greyCopyForFaces(rasterOf(quarters(c.width, c.height, c.width / 2)));
        ASSERT_EQ(QSize(g.width, g.height), c.expected);
        auto at = [&](int x, int y) {
            return int(g.pixels[std::size_t(y) * std::size_t(g.width) + std::size_t(x)]);
        };
        EXPECT_NEAR(at(2, 2), 255, 2);
        EXPECT_NEAR(at(g.width - 3, 2), 0, 2);
        EXPECT_NEAR(at(g.width / 2, g.height - 3), 128, 2);
    }
    // A block straddling black and white averages them: columns 480 and 481.
    const GreyPicture g = greyCopyForFaces(rasterOf(quarters(960, 480, 481)), 480);
    EXPECT_NEAR(int(g.pixels[240]), 127, 2);

    // A picture small enough already keeps its size; a coloured one its brightness.
    QImage small(300, 200, QImage::Format_RGB32);
    small.fill(QColor(255, 0, 0));
    const GreyPicture s = greyCopyForFaces(rasterOf(small));
    EXPECT_EQ(s.width, 300);
    EXPECT_EQ(s.height, 200);
    EXPECT_NEAR(int(s.pixels[0]), 77, 1);
}

TEST(FaceGreyCopy, PalettePicturesAreReadThroughTheirPalette) {
    CxImage raster;
    ASSERT_TRUE(raster.CreateRaster(20, 10, 8, 0));
    raster.SetGrayPalette();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) raster.SetPixelIndex(x, y, std::uint8_t(y < 5 ? 200 : 40));
    const GreyPicture g = greyCopyForFaces(raster);
    ASSERT_EQ(g.width, 20);
    // DIB row 0 is the bottom row.
    EXPECT_NEAR(int(g.pixels.back()), 200, 1);
    EXPECT_NEAR(int(g.pixels.front()), 40, 1);
}

class FaceFinderTest : public TempDirTest {};

TEST_F(FaceFinderTest, SaysWhyItCannotSearchWhenAFileIsMissing) {
    const QString cascade = writeFile(QStringLiteral("cascade.xml"), "<opencv_storage/>");
    const QString module = writeFile(QStringLiteral("libsnapvale_faces.so"), "not a library");
    struct Case {
        const char* what;
        QString module;
        QString cascade;
        const char* reasonNames;
    };
    const Case cases[] = {
        {"no module", path(QStringLiteral("missing.so")), cascade, "libsnapvale_faces.so"},
        {"no module named at all", QString(), cascade, "libsnapvale_faces.so"},
        {"no cascade", module, path(QStringLiteral("missing.xml")), "opencv-data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaceFinder finder(c.module, c.cascade);
        EXPECT_FALSE(finder.available());
        EXPECT_TRUE(finder.unavailableReason().contains(QLatin1String(c.reasonNames)))
            << finder.unavailableReason().toStdString();
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        EXPECT_TRUE(finder.findFaces(rasterOf(picture), 64, 64).empty());
        EXPECT_FALSE(finder.moduleLoaded());
    }
}

TEST_F(FaceFinderTest, AFileThatIsNoModuleIsFoundOutAtTheFirstSearch) {
    const QString module = writeFile(QStringLiteral("libsnapvale_faces.so"), "not a library");
    const QString cascade = writeFile(QStringLiteral("cascade.xml"), "<opencv_storage/>");
    FaceFinder finder(module, cascade);
    // Nothing is opened to decide whether the switch may be used.
    EXPECT_TRUE(finder.available());
    std::vector<FaceBox> faces{{1, 2, 3, 4}};
    EXPECT_FALSE(finder.findInGrey(GreyPicture{std::vector<unsigned char>(100, 128), 10, 10}, faces));
    EXPECT_TRUE(faces.empty());
    EXPECT_FALSE(finder.available());
    EXPECT_TRUE(finder.unavailableReason().contains(QLatin1String("could not be loaded")));
}

TEST_F(FaceFinderTest, TheModuleAndOpenCvAreOpenedOnlyByTheFirstSearch) {
    const QString module = builtModule();
    const QString cascade = FaceFinder::locateCascade();
    if (module.isEmpty() || cascade.isEmpty())
        GTEST_SKIP() << "the face finder module or the cascade is missing";
    ASSERT_FALSE(openCvMapped());
    FaceFinder finder(module, cascade);
    EXPECT_TRUE(finder.available()) << finder.unavailableReason().toStdString();
    EXPECT_FALSE(finder.moduleLoaded());
    EXPECT_FALSE(openCvMapped());

    // A plain grey picture holds no face.
    std::vector<FaceBox> faces;
    EXPECT_TRUE(finder.findInGrey(GreyPicture{std::vector<unsigned char>(640 * 480, 128), 640, 480}, faces));
    EXPECT_TRUE(faces.empty());
    EXPECT_TRUE(finder.moduleLoaded());
    EXPECT_TRUE(openCvMapped());

    // A cascade that is not one is an error, not "no faces".
    FaceFinder broken(module, writeFile(QStringLiteral("cascade.xml"), "<opencv_storage/>"));
    EXPECT_FALSE(broken.findInGrey(GreyPicture{std::vector<unsigned char>(100, 128), 10, 10}, faces));
}

TEST_F(FaceFinderTest, TheEnvironmentNamesTheFilesForTestsAndOddInstalls) {
    const QString module = writeFile(QStringLiteral("libsnapvale_faces.so"), "x");
    const QString cascade = writeFile(QStringLiteral("faces.xml"), "x");
    qputenv("SNAPVALE_FACES_MODULE", module.toUtf8());
    qputenv("SNAPVALE_FACE_CASCADE", cascade.toUtf8());
    EXPECT_EQ(FaceFinder::locateModule(), module);
    EXPECT_EQ(FaceFinder::locateCascade(), cascade);
    // A named file that is not there is not replaced by another one.
    qputenv("SNAPVALE_FACES_MODULE", path(QStringLiteral("gone.so")).toUtf8());
    qputenv("SNAPVALE_FACE_CASCADE", path(QStringLiteral("gone.xml")).toUtf8());
    EXPECT_TRUE(FaceFinder::locateModule().isEmpty());
    EXPECT_TRUE(FaceFinder::locateCascade().isEmpty());
    qunsetenv("SNAPVALE_FACES_MODULE");
    qunsetenv("SNAPVALE_FACE_CASCADE");
}

namespace {

// A drawn face the frontal cascade takes for one: a pale oval on a darker ground,
// brows, eyes, the shadow under the nose and a mouth, softened like a photo. s is
// half the oval's width; the face is centred on (cx, cy).
QImage drawnFace(int width, int height, int cx, int cy, int s) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(90, 90, 90));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    auto oval = [&](double dx, double dy, double rx, double ry, int grey) {
        painter.setBrush(QColor(grey, grey, grey));
        painter.drawEllipse(QPointF(cx + dx * s, cy + dy * s), rx * s, ry * s);
    };
    oval(0, 0, 1.0, 1.3, 190);
    for (double side : {-1.0, 1.0}) {
        oval(side * 0.45, -0.50, 0.28, 0.08, 60);  // brow
        oval(side * 0.42, -0.25, 0.22, 0.11, 40);  // eye
    }
    oval(0, 0.25, 0.15, 0.08, 130);  // under the nose
    oval(0, 0.62, 0.35, 0.09, 80);   // mouth
    painter.end();
    // Softened: a photo has no hard edges.
    const QSize size = picture.size();
    return picture.scaled(size / 6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

TEST_F(FaceFinderTest, FindsADrawnFaceAndGivesItInFullSizePixels) {
    const QString module = builtModule();
    const QString cascade = FaceFinder::locateCascade();
    if (module.isEmpty() || cascade.isEmpty())
        GTEST_SKIP() << "the face finder module or the cascade is missing";
    FaceFinder finder(module, cascade);
    // The raster holds the photo at a quarter of its full size, as a reduced decode does.
    const CxImage raster = rasterOf(drawnFace(1200, 900, 400, 450, 260));
    const std::vector<FaceBox> faces = finder.findFaces(raster, 4800, 3600);
    ASSERT_EQ(faces.size(), 1u);
    const FaceBox& f = faces.front();
    // Around the oval's middle (1600, 1800) in full-size pixels, about as wide as it
    // (2080).
    EXPECT_NEAR(f.x + f.width / 2, 1600, 250);
    EXPECT_NEAR(f.y + f.height / 2, 1800, 300);
    EXPECT_GT(f.width, 1000);
    EXPECT_LT(f.width, 4000);

    // The same ground without the face holds none.
    QImage plain(1200, 900, QImage::Format_RGB32);
    plain.fill(QColor(90, 90, 90));
    EXPECT_TRUE(finder.findFaces(rasterOf(plain), 4800, 3600).empty());
}
