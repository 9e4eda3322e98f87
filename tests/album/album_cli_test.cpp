// snapvale-cli album-page and album-print, run as the separate program they are.

#include <QFile>
#include <QProcess>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"
#include "render/RenderTestSupport.h"

namespace {
struct CliRun {
    int code = -1;
    QString err;
};

const QColor kColours[] = {QColor(220, 30, 30), QColor(30, 170, 40), QColor(30, 50, 210)};
}  // namespace

class AlbumCliTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        settingsFile = writeFile(QStringLiteral("s.conf"), "");
        Album a;
        for (int i = 0; i < 3; ++i)
            a.files << writeSolidPhoto(path(QStringLiteral("p%1.png").arg(i + 1)), 200, 150, kColours[i]);
        album = path(QStringLiteral("trip.pho"));
        ASSERT_TRUE(WriteAlbumFile(album, a, QDateTime::currentDateTime(), path(QStringLiteral("none.txt"))));
    }
    CliRun run(const QStringList& args) {
        QProcess cli;
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
                  QStringList{QStringLiteral("--settings"), settingsFile} + args);
        CliRun r;
        if (!cli.waitForFinished(120000)) return r;
        r.code = cli.exitCode();
        r.err = QString::fromUtf8(cli.readAllStandardError());
        return r;
    }
    QString settingsFile;
    QString album;
};

TEST_F(AlbumCliTest, PageOfTheAlbumInEveryFormat) {
    struct Case {
        const char* file;
        QSize size;
    };
    for (const Case& c :
         {Case{"page.png", {600, 500}}, Case{"page.jpg", {400, 300}}, Case{"page.BMP", {300, 200}}}) {
        SCOPED_TRACE(c.file);
        const QString out = path(QString::fromLatin1(c.file));
        const CliRun r = run(
            {QStringLiteral("album-page"), album, QStringLiteral("--layout"), QStringLiteral("2 x 2"),
             QStringLiteral("--page"), QStringLiteral("2"), QStringLiteral("--size"),
             QStringLiteral("%1x%2").arg(c.size.width()).arg(c.size.height()), QStringLiteral("--out"), out});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QImage page(out);
        ASSERT_EQ(page.size(), c.size);
        // Page 2 of four-photo pages over three files starts at the second file.
        const AlbumPageGeometry g =
            albumPageGeometry(AlbumLayout{2, 2, false, false}, c.size.width(), c.size.height());
        for (int i = 0; i < 4; ++i) {
            const QRgb p = page.pixel(g.cells[std::size_t(i)] + QPoint(g.cellWidth / 2, g.cellHeight / 2));
            const QColor want = kColours[(1 + i) % 3];
            EXPECT_LT(std::abs(qRed(p) - want.red()) + std::abs(qGreen(p) - want.green()) +
                          std::abs(qBlue(p) - want.blue()),
                      30)
                << "cell " << i;
        }
    }

    const QString pdf = path(QStringLiteral("page.pdf"));
    const CliRun r = run({QStringLiteral("album-page"), album, QStringLiteral("--two-page"),
                          QStringLiteral("--caption"), QStringLiteral("--out"), pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(readFileBytes(pdf).startsWith("%PDF-"));
}

TEST_F(AlbumCliTest, WrongArgumentsAreRefusedBeforeDrawing) {
    const QString out = path(QStringLiteral("x.png"));
    const QStringList wrong[] = {
        {QStringLiteral("album-page"), album, QStringLiteral("--layout"), QStringLiteral("5 x 5"),
         QStringLiteral("--out"), out},
        {QStringLiteral("album-page"), album, QStringLiteral("--size"), QStringLiteral("0x10"),
         QStringLiteral("--out"), out},
        {QStringLiteral("album-page"), album, QStringLiteral("--page"), QStringLiteral("0"),
         QStringLiteral("--out"), out},
        {QStringLiteral("album-page"), album, QStringLiteral("--out"), path(QStringLiteral("x.gif"))},
        {QStringLiteral("album-page"), album},
        {QStringLiteral("album-print"), album, album},
        {QStringLiteral("album-print"), album, QStringLiteral("--out"), out},
    };
    for (const QStringList& args : wrong) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: snapvale-cli album-")));
    }
    EXPECT_FALSE(QFile::exists(out));

    const CliRun missing = run(
        {QStringLiteral("album-page"), path(QStringLiteral("nowhere.pho")), QStringLiteral("--out"), out});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("cannot read album file")));
}

TEST_F(AlbumCliTest, EmptyAlbumIsNotPrinted) {
    const QString empty = path(QStringLiteral("empty.pho"));
    ASSERT_TRUE(
        WriteAlbumFile(empty, Album{}, QDateTime::currentDateTime(), path(QStringLiteral("none.txt"))));
    const CliRun r = run({QStringLiteral("album-print"), empty});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Your album is empty!"))) << r.err.toStdString();
}
