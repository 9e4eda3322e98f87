// snapvale-cli album-print against the private scheduler: the album page reaches the
// named queue as one portrait page under the album print's job title.

#include <gtest/gtest.h>

#include <QProcess>

#include "CupsTestSupport.h"
#include "album/AlbumFile.h"

TEST_F(CupsServerTest, AlbumPageReachesTheQueueAsAPortraitPage) {
    const QRgb colour = qRgb(30, 50, 210);
    QImage photo(300, 240, QImage::Format_RGB32);
    photo.fill(colour);
    const QString photoPath = tempPath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo.save(photoPath, "PNG"));
    Album album;
    album.files << photoPath;
    const QString albumPath = tempPath(QStringLiteral("album.pho"));
    ASSERT_TRUE(
        WriteAlbumFile(albumPath, album, QDateTime::currentDateTime(), tempPath(QStringLiteral("no.txt"))));

    QProcess cli;
    // The scheduler reaches the program through CUPS_SERVER, set for this process.
    cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
              {QStringLiteral("--settings"), tempPath(QStringLiteral("settings.conf")),
               QStringLiteral("album-print"), albumPath, QStringLiteral("--size"), QStringLiteral("300x260"),
               QStringLiteral("--printer"), queue_});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const QStringList pdfs = waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(completedJobTitle(queue_), QStringLiteral("Photo Album Page Print"));
    PdfInfo info;
    ASSERT_TRUE(readPdfInfo(pdfs[0], info));
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.pageSizePoints.height(), info.pageSizePoints.width());

    // The page (enlarged to 1800 x 1600, wider than high) spans the paper's width inside
    // the margins and so takes the upper part of the portrait page only.
    const QImage render = renderPdfPage(pdfs[0], 1, 30);
    ASSERT_FALSE(render.isNull());
    const QRect photoBox = findColour(render, colour, 50);
    ASSERT_FALSE(photoBox.isEmpty());
    EXPECT_GT(photoBox.width(), render.width() / 2);
    EXPECT_LT(photoBox.bottom(), render.height() * 3 / 4);
}
