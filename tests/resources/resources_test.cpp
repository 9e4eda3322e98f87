// The pictures the programs ship with: the staged sample photos, the compiled-in lamps,
// toolbar icons, program icon, background tile and album pictures, and the staged help
// pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "core/StatusIndicator.h"
#include "support/TestSupport.h"

namespace {

// Where installedDataDir() finds the data when the programs run from the build folder.
QString stagedData() {
    return QDir::cleanPath(QStringLiteral(SNAPVALE_STAGE_BIN "/../share/snapvale"));
}

struct ChannelStats {
    double mean[3] = {0, 0, 0};
    double deviation[3] = {0, 0, 0};
};

// Per-channel mean and standard deviation over every step-th pixel in both directions.
ChannelStats channelStats(const QImage& image, int step) {
    ChannelStats stats;
    double sum[3] = {0, 0, 0}, squares[3] = {0, 0, 0};
    long n = 0;
    for (int y = 0; y < image.height(); y += step)
        for (int x = 0; x < image.width(); x += step) {
            const QRgb p = image.pixel(x, y);
            const int v[3] = {qRed(p), qGreen(p), qBlue(p)};
            for (int c = 0; c < 3; ++c) {
                sum[c] += v[c];
                squares[c] += double(v[c]) * v[c];
            }
            ++n;
        }
    for (int c = 0; c < 3; ++c) {
        stats.mean[c] = sum[c] / n;
        stats.deviation[c] = std::sqrt(std::max(0.0, squares[c] / n - stats.mean[c] * stats.mean[c]));
    }
    return stats;
}

TEST(SamplePhotos, StagedSetIsVariedAndPhotoLike) {
    const QDir images(stagedData() + QStringLiteral("/Images"));
    ASSERT_TRUE(images.exists()) << qPrintable(images.path());
    const QFileInfoList files = images.entryInfoList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 6);
    ASSERT_LE(files.size(), 10);

    int landscape = 0, portrait = 0, jpeg = 0, png = 0;
    std::set<std::array<int, 3>> means;
    for (const QFileInfo& file : files) {
        SCOPED_TRACE(file.fileName().toStdString());
        QImageReader reader(file.filePath());
        reader.setAutoTransform(false);
        const QByteArray format = reader.format();  // from the content, not the name
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << qPrintable(reader.errorString());

        // The extension must tell the truth, since the image list filters by it.
        const QString suffix = file.suffix().toLower();
        if (format == "jpeg") {
            ++jpeg;
            EXPECT_TRUE(suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"));
        } else if (format == "png") {
            ++png;
            EXPECT_EQ(suffix, QLatin1String("png"));
        } else {
            ADD_FAILURE() << "unexpected format " << format.constData();
        }

        const qint64 pixels = qint64(image.width()) * image.height();
        EXPECT_GE(pixels, 2000000);
        EXPECT_LE(pixels, 12000000);
        if (image.width() > image.height()) ++landscape;
        if (image.height() > image.width()) ++portrait;

        // A flat or nearly flat picture would hide faults in scaling, filters and printing.
        // Warm or cool scenes vary little in one channel, so only one must vary a lot.
        const ChannelStats stats = channelStats(image, 3);
        for (int c = 0; c < 3; ++c) EXPECT_GT(stats.deviation[c], 6.0) << "channel " << c;
        EXPECT_GT(std::max({stats.deviation[0], stats.deviation[1], stats.deviation[2]}), 25.0);
        means.insert({int(stats.mean[0]), int(stats.mean[1]), int(stats.mean[2])});
    }
    EXPECT_GE(landscape, 1);
    EXPECT_GE(portrait, 1);
    EXPECT_GE(jpeg, 1);
    EXPECT_GE(png, 1);
    // Every photo shows a scene of its own.
    EXPECT_EQ(means.size(), std::size_t(files.size()));
}

TEST(SamplePhotos, HelpPagesStagedAsInTheSourceTree) {
    const QString source = QStringLiteral(SNAPVALE_RESOURCES_SOURCE "/html");
    const QString staged = stagedData() + QStringLiteral("/html");
    ASSERT_TRUE(QDir(staged).exists());
    QStringList expected, actual;
    for (QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        expected << QDir(source).relativeFilePath(it.next());
    for (QDirIterator it(staged, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        actual << QDir(staged).relativeFilePath(it.next());
    expected.sort();
    actual.sort();
    EXPECT_EQ(expected, actual);
    for (const QString& name : expected)
        EXPECT_EQ(readFileBytes(source + '/' + name), readFileBytes(staged + '/' + name)) << qPrintable(name);
}

TEST(CompiledResources, LampsShowTheColourTheirNameSays) {
    struct Expect {
        const char* name;
        int bitmap;
        bool red, green, blue;  // which channels clearly dominate in the lamp's middle
    };
    const Expect lamps[] = {{"LED_DKGRN", 139, false, true, false}, {"LED_RED", 140, true, false, false},
                            {"LED_YELLOW", 141, true, true, false}, {"LED_LTGRN", 142, false, true, false},
                            {"LED_GRAY", 143, false, false, false}, {"LED_CYAN", 144, false, true, true}};
    int darkGreen = 0, lightGreen = 0;
    for (const Expect& lamp : lamps) {
        SCOPED_TRACE(lamp.name);
        // The name the status indicator resolves to must name a picture we have.
        const QString resolved = statusIndicatorLamp(QLatin1String(lamp.name));
        EXPECT_EQ(statusIndicatorBitmap(resolved), lamp.bitmap);
        const QImage image(QStringLiteral(":/lamps/%1.png").arg(resolved));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 16);
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corners must be see-through on any status bar";

        // Average a small patch below the highlight, where the lamp shows its own colour.
        const int size = image.width();
        int sum[3] = {0, 0, 0}, n = 0;
        for (int y = size * 5 / 8; y < size * 3 / 4; ++y)
            for (int x = size * 3 / 8; x < size * 5 / 8; ++x, ++n) {
                const QRgb p = image.pixel(x, y);
                sum[0] += qRed(p);
                sum[1] += qGreen(p);
                sum[2] += qBlue(p);
            }
        const int r = sum[0] / n, g = sum[1] / n, b = sum[2] / n;
        const bool flags[3] = {lamp.red, lamp.green, lamp.blue};
        const int values[3] = {r, g, b};
        const int strongest = std::max({r, g, b}), weakest = std::min({r, g, b});
        if (!lamp.red && !lamp.green && !lamp.blue) {
            EXPECT_LT(strongest - weakest, 20) << r << "," << g << "," << b;
        } else {
            for (int c = 0; c < 3; ++c)
                if (flags[c])
                    EXPECT_GT(values[c], weakest + 60)
                        << "channel " << c << ": " << r << "," << g << "," << b;
                else
                    EXPECT_LT(values[c], strongest - 60)
                        << "channel " << c << ": " << r << "," << g << "," << b;
        }
        if (lamp.bitmap == 139) darkGreen = g;
        if (lamp.bitmap == 142) lightGreen = g;
    }
    EXPECT_LT(darkGreen + 40, lightGreen);
    // Names that carry none of the six fall back to the gray lamp, which must exist too.
    EXPECT_FALSE(
        QImage(QStringLiteral(":/lamps/%1.png").arg(statusIndicatorLamp(QStringLiteral("READY")))).isNull());
}

TEST(CompiledResources, EveryToolbarCommandHasAnIcon) {
    const int commands[] = {57606, 32814, 57601, 32771, 32830, 57603, 32775, 32773, 1196,
                            32772, 32845, 32790, 32774, 32842, 32809, 57664, 32803};
    std::set<QByteArray> seen;
    for (int command : commands) {
        SCOPED_TRACE(command);
        const QImage icon(QStringLiteral(":/toolbar/%1.png").arg(command));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(24, 24));
        int opaque = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) opaque += qAlpha(icon.pixel(x, y)) > 128;
        // A readable glyph covers a fair part of the button but leaves a transparent margin.
        EXPECT_GT(opaque, 24 * 24 / 8);
        EXPECT_LT(opaque, 24 * 24);
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        seen.insert(QByteArray(reinterpret_cast<const char*>(argb.constBits()), int(argb.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), std::size(commands)) << "two commands share one picture";
}

TEST(CompiledResources, ProgramIconAndBackgroundTile) {
    const QImage icon(QStringLiteral(":/icons/snapvale.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_GE(icon.width(), 48);

    QImageReader reader(QStringLiteral(":/images/137.jpg"));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage tile = reader.read();
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(tile.size(), QSize(128, 128));

    // Neutral: no channel far from the others, and only a gentle texture.
    const ChannelStats stats = channelStats(tile, 1);
    EXPECT_LT(std::fabs(stats.mean[0] - stats.mean[2]), 16.0);
    EXPECT_GT(stats.deviation[1], 1.0);
    EXPECT_LT(stats.deviation[1], 12.0);

    // Seamless: the jump from the last column (row) to the first is no larger than the
    // typical jump between neighbouring columns (rows) inside the tile.
    auto columnGap = [&](int a, int b) {
        double d = 0;
        for (int y = 0; y < 128; ++y) d += std::abs(qGray(tile.pixel(a, y)) - qGray(tile.pixel(b, y)));
        return d / 128;
    };
    auto rowGap = [&](int a, int b) {
        double d = 0;
        for (int x = 0; x < 128; ++x) d += std::abs(qGray(tile.pixel(x, a)) - qGray(tile.pixel(x, b)));
        return d / 128;
    };
    double inner = 0, innerRows = 0;
    for (int k = 0; k < 127; ++k) {
        inner += columnGap(k, k + 1);
        innerRows += rowGap(k, k + 1);
    }
    EXPECT_LT(columnGap(127, 0), 2.0 * inner / 127 + 1.0);
    EXPECT_LT(rowGap(127, 0), 2.0 * innerRows / 127 + 1.0);
}

TEST(CompiledResources, AlbumPageBackgroundsAndLoadErrorPicture) {
    // Album pages stretch the backgrounds over any area, and the caption of a cell whose
    // photo failed names the load-error picture's size, so the sizes are part of the page.
    struct Picture {
        const char* path;
        QByteArray format;
        QSize size;
    };
    const Picture pictures[] = {{":/images/196.jpg", "jpeg", {640, 480}},
                                {":/images/198.jpg", "jpeg", {640, 480}},
                                {":/images/170.png", "png", {350, 233}}};
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.path);
        QImageReader reader(QString::fromLatin1(p.path));
        EXPECT_EQ(reader.format(), p.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), p.size);
    }
    // The spread shows its spine in the middle, between the two pages: the cells of a
    // spread leave that band free, so it must read as a fold, darker than either page.
    const QImage spread(QStringLiteral(":/images/198.jpg"));
    auto columnGrey = [&](int x) {
        double sum = 0;
        for (int y = 100; y < 380; ++y) sum += qGray(spread.pixel(x, y));
        return sum / 280;
    };
    EXPECT_LT(columnGrey(318) + 60, columnGrey(200));
    EXPECT_LT(columnGrey(321) + 60, columnGrey(440));
}

}  // namespace
