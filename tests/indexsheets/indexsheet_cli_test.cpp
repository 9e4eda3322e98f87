// snapvale-cli render draws index sheets, run as the separate program it is.

#include <QDir>
#include <QProcess>

#include "render/RenderTestSupport.h"

TEST(IndexSheetCli, ThirtySixFrameSheetBecomesAJpegOfTheCanvasSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString photos = dir.filePath(QStringLiteral("photos"));
    ASSERT_TRUE(QDir().mkpath(photos));
    for (int i = 1; i <= 5; ++i)
        ASSERT_FALSE(
            writeTestPhoto(photos + QStringLiteral("/photo%1.jpg").arg(i), 160 + 20 * i, 120, i).isEmpty());
    const QString settingsFile = dir.filePath(QStringLiteral("s.conf"));
    QFile(settingsFile).open(QIODevice::WriteOnly);
    const QString out = dir.filePath(QStringLiteral("x.jpg"));

    QProcess cli;
    cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
              {QStringLiteral("--settings"), settingsFile, QStringLiteral("render"),
               QStringLiteral("--template"), QStringLiteral("Index Sheet (Negative Strip) - 36 Prints"),
               QStringLiteral("--dpi"), QStringLiteral("100"), photos, QStringLiteral("--out"), out});
    ASSERT_TRUE(cli.waitForFinished(120000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    ASSERT_EQ(cli.exitCode(), 0) << err.toStdString();
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()).trimmed(), out);
    EXPECT_EQ(readFileBytes(out).left(3), QByteArray("\xff\xd8\xff"));
    const QImage page(out);
    EXPECT_EQ(page.size(), QSize(800, 1000));
    EXPECT_TRUE(err.contains(QStringLiteral("[0] 36 photos loaded (1 - 1) from disk: ") + photos + '/'))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("[2] Index Sheet (Negative Strip) - 36 Prints")));
    // The film strips fill the page from the right: between the first two frames of
    // the rightmost strip lies brown film.
    const QRgb film = page.pixel(740, 203);
    EXPECT_NEAR(qRed(film), 0x6c, 12);
    EXPECT_NEAR(qGreen(film), 0x56, 12);
    EXPECT_NEAR(qBlue(film), 0x35, 12);
}
