// snapvale-cli decode and info, run as a separate process.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "RefImage.h"
#include "image/codecs/Codecs.h"

namespace {

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"), args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

::testing::AssertionResult SamePicture(const QString& ppmPath, const QString& referenceName) {
    QFile f(ppmPath);
    if (!f.open(QIODevice::ReadOnly)) return ::testing::AssertionFailure() << "no output";
    const QByteArray ppm = f.readAll();
    const RefImage ref = readRef(referenceName);
    const QByteArray header = QStringLiteral("P6\n%1 %2\n255\n").arg(ref.width).arg(ref.height).toLatin1();
    if (!ppm.startsWith(header))
        return ::testing::AssertionFailure() << "header " << ppm.left(20).toStdString();
    if (ppm.size() != header.size() + ref.width * ref.height * 3)
        return ::testing::AssertionFailure() << "size " << ppm.size();
    const auto* p = reinterpret_cast<const std::uint8_t*>(ppm.constData()) + header.size();
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x, p += 3) {
            const RGBQuad want = ref.color(x, y);
            if (p[0] != want.red || p[1] != want.green || p[2] != want.blue)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y;
        }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(DecodeCommand, WritesThePictureTopRowFirstForEveryDepth) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.ppm"));
    struct Case {
        const char* file;
        const char* reference;
        const char* line;
    };
    const Case cases[] = {
        {"baseline.jpg", "baseline.ppm", "raster JPEG 37 23 24"},
        {"grey.jpg", "grey.pgm", "raster JPEG 37 23 8"},
        {"palette-4.png", "palette-4.pam", "raster PNG 37 23 4"},
        {"bilevel.tif", "bilevel.pnm", "raster TIFF 37 23 1"},
        {"orient-6.tif", "orient-6.pnm", "raster TIFF 23 37 24"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun r =
            cli({QStringLiteral("decode"), QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/") + c.file, out});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromLatin1(c.line));
        EXPECT_TRUE(SamePicture(out, QString::fromLatin1(c.reference)));
        const CliRun info =
            cli({QStringLiteral("info"), QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/") + c.file});
        EXPECT_EQ(info.out, QString::fromLatin1(c.line));
    }
}

TEST(DecodeCommand, MisnamedFilesFallBackUnlessRasterOnly) {
    QTemporaryDir dir;
    const QString misnamed = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/baseline.jpg"), misnamed));
    const QString out = dir.filePath(QStringLiteral("out.ppm"));

    const CliRun fallback = cli({QStringLiteral("decode"), misnamed, out});
    ASSERT_EQ(fallback.exitCode, 0) << fallback.err.toStdString();
    EXPECT_TRUE(fallback.out.startsWith(QStringLiteral("system JPEG 37 23 "))) << fallback.out.toStdString();

    const CliRun raster = cli({QStringLiteral("decode"), QStringLiteral("--raster-only"), misnamed, out});
    EXPECT_EQ(raster.exitCode, 1);
    EXPECT_TRUE(raster.err.contains(QStringLiteral("Read Error"))) << raster.err.toStdString();
    EXPECT_TRUE(raster.out.isEmpty());
}

TEST(DecodeCommand, ReportsFailuresWithExitCodes) {
    QTemporaryDir dir;
    const QString good = QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/baseline.jpg");
    EXPECT_EQ(cli({QStringLiteral("decode"), good}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("info")}).exitCode, 2);
    const CliRun unwritable =
        cli({QStringLiteral("decode"), good, dir.filePath(QStringLiteral("missing/out.ppm"))});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("cannot write"))) << unwritable.err.toStdString();
    const QString broken = dir.filePath(QStringLiteral("broken.tif"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("II*\0garbage", 11);
    f.close();
    const CliRun r = cli({QStringLiteral("info"), QStringLiteral("--raster-only"), broken});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Error encountered while opening TIFF file")))
        << r.err.toStdString();
}

TEST(DecodeCommand, ReadsPhonePhotosAndFollowsTheColourSetting) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.ppm"));
    const QString data = QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/");
    const QString defaults = dir.filePath(QStringLiteral("defaults.conf"));
    const QString unmanaged = dir.filePath(QStringLiteral("unmanaged.conf"));
    {
        QFile f(unmanaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Config]\nColorManagePhotos=0\n");
    }
    // What the program's own decoders make of a file, as the command writes it.
    auto decodedInProcess = [&](const QString& file, bool colorManage) {
        QFile f(data + file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        DecodeOptions options;
        options.applyExifOrientation = true;
        options.colorManage = colorManage;
        CxImage image;
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const bool ok = file.endsWith(".jpg") ? DecodeJpeg(p, std::size_t(bytes.size()), image, options)
                                              : DecodeHeif(p, std::size_t(bytes.size()), image, options);
        EXPECT_TRUE(ok);
        const std::vector<std::uint8_t> rgb = displayedRgb(image);
        return QStringLiteral("P6\n%1 %2\n255\n").arg(image.GetWidth()).arg(image.GetHeight()).toLatin1() +
               QByteArray(reinterpret_cast<const char*>(rgb.data()), int(rgb.size()));
    };
    auto written = [&]() {
        QFile f(out);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    struct Case {
        const char* file;
        const QString* settings;
        const char* line;
        bool managed;
    };
    const Case cases[] = {
        {"heic-444.heic", &defaults, "raster HEIF 37 23 24", true},
        {"heic-o6.heic", &defaults, "raster HEIF 23 37 24", true},
        {"avif-alpha.avif", &defaults, "raster AVIF 37 23 24", true},
        {"jpeg-adobe.jpg", &defaults, "raster JPEG 32 16 24", true},
        {"jpeg-adobe.jpg", &unmanaged, "raster JPEG 32 16 24", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QStringList settings{QStringLiteral("--settings"), *c.settings};
        const CliRun r = cli(settings + QStringList{QStringLiteral("decode"), data + c.file, out});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromLatin1(c.line));
        EXPECT_TRUE(written() == decodedInProcess(QString::fromLatin1(c.file), c.managed));
        EXPECT_EQ(cli(settings + QStringList{QStringLiteral("info"), data + c.file}).out,
                  QString::fromLatin1(c.line));
    }
}
