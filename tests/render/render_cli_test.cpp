// snapvale-cli render, run as the separate program it is.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "RenderTestSupport.h"
#include "album/AlbumFile.h"

namespace {
struct CliRun {
    int code = -1;
    QString out;
    QString err;
};
}  // namespace

class RenderCliTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        settingsFile = writeFile(QStringLiteral("s.conf"), "");
        QDir().mkpath(path(QStringLiteral("photos")));
    }
    // count photos named photo1.jpg ... into the photos folder.
    void makePhotos(int count) {
        for (int i = 1; i <= count; ++i)
            ASSERT_FALSE(
                writeTestPhoto(path(QStringLiteral("photos/photo%1.jpg").arg(i)), 120 + 10 * i, 90, i)
                    .isEmpty());
    }
    CliRun render(const QStringList& args) {
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
                  QStringList{QStringLiteral("--settings"), settingsFile, QStringLiteral("render")} + args);
        CliRun r;
        if (!cli.waitForFinished(120000)) return r;
        r.code = cli.exitCode();
        r.out = QString::fromUtf8(cli.readAllStandardOutput());
        r.err = QString::fromUtf8(cli.readAllStandardError());
        return r;
    }
    QString photos() const { return path(QStringLiteral("photos")); }
    QString settingsFile;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(RenderCliTest, FolderToEveryFormat) {
    makePhotos(3);
    const QStringList common = {QStringLiteral("--template"),
                                QStringLiteral("Three 4 x 6 Prints"),
                                QStringLiteral("--dpi"),
                                QStringLiteral("100"),
                                photos(),
                                QStringLiteral("--out")};
    CliRun r = render(common + QStringList{path(QStringLiteral("page.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(path(QStringLiteral("page.png"))).size(), QSize(800, 1000));
    EXPECT_TRUE(r.err.contains(QStringLiteral("[0] 3 photos loaded (1 - 3) from disk: ") + photos() +
                               QLatin1Char('/')));
    EXPECT_TRUE(r.err.contains(QStringLiteral("[2] Three 4 x 6 Prints")));
    // 130 x 90 photos stretched over 4 x 6 inches at 100 DPI are far short of the slots.
    EXPECT_TRUE(r.err.contains(QStringLiteral("lamp: LED_YELLOW")));
    EXPECT_EQ(r.out.trimmed(), path(QStringLiteral("page.png")));

    r = render(common + QStringList{path(QStringLiteral("page.bmp"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QByteArray bmp = readFileBytes(path(QStringLiteral("page.bmp")));
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(bmp.size(), 14 + 40 + 800 * 3 * 1000);

    r = render(common + QStringList{path(QStringLiteral("page.jpg"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QImage jpg(path(QStringLiteral("page.jpg")));
    EXPECT_EQ(jpg.size(), QSize(800, 1000));
    // The BMP and the JPEG show the same page: block averages agree.
    const QImage fromBmp(path(QStringLiteral("page.bmp")));
    for (const QPoint at : {QPoint(400, 100), QPoint(150, 600), QPoint(600, 800)}) {
        long a = 0, b = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                a += qGreen(jpg.pixel(at.x() + x, at.y() + y));
                b += qGreen(fromBmp.pixel(at.x() + x, at.y() + y));
            }
        EXPECT_NEAR(a / 256, b / 256, 6) << at.x() << "," << at.y();
    }
}

// A file opened elsewhere prints at the page's size: every picture format records
// 150 DPI (the PDF page size is checked with the other PDF cases).
TEST_F(RenderCliTest, EveryFormatRecordsThePageResolution) {
    makePhotos(1);
    auto out = [&](const char* name) {
        const QString file = path(QString::fromLatin1(name));
        const CliRun r =
            render({QStringLiteral("--template"), QStringLiteral("One 8 x 10 Print"), QStringLiteral("--dpi"),
                    QStringLiteral("150"), photos(), QStringLiteral("--out"), file});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return readFileBytes(file);
    };
    auto le32 = [](const QByteArray& b, int at) {
        return qint32(quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 |
                      quint8(b[at + 3]) << 24);
    };
    const QByteArray bmp = out("page.bmp");
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(le32(bmp, 38), 5906);  // pixels per metre, both axes
    EXPECT_EQ(le32(bmp, 42), 5906);

    const QByteArray jpg = out("page.jpg");
    ASSERT_GE(jpg.size(), 18);
    ASSERT_EQ(jpg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(int(jpg[13]), 1);  // dots per inch
    EXPECT_EQ(quint8(jpg[14]) << 8 | quint8(jpg[15]), 150);
    EXPECT_EQ(quint8(jpg[16]) << 8 | quint8(jpg[17]), 150);

    out("page.png");
    EXPECT_EQ(QImage(path(QStringLiteral("page.png"))).dotsPerMeterX(), 5906);
}

TEST_F(RenderCliTest, AllPagesOfALongerListAsFilesAndAsOnePdf) {
    makePhotos(7);
    CliRun r =
        render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"), QStringLiteral("--dpi"),
                QStringLiteral("40"), QStringLiteral("--pages"), QStringLiteral("all"), photos(),
                QStringLiteral("--out"), path(QStringLiteral("page-%d.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(QFile::exists(path(QStringLiteral("page-%1.png").arg(i)))) << i;
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("page-4.png"))));
    // Pages continue the list: 1-3, 4-6, then 7 and round to the start.
    EXPECT_TRUE(r.err.contains(QStringLiteral("3 photos loaded (4 - 6)")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("3 photos loaded (7 - 2)")));

    r = render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"), QStringLiteral("--dpi"),
                QStringLiteral("40"), QStringLiteral("--pages"), QStringLiteral("all"), photos(),
                QStringLiteral("--out"), path(QStringLiteral("pages.pdf"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QByteArray pdf = readFileBytes(path(QStringLiteral("pages.pdf")));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 3);
    // Each page is the template's 8 x 10 inches: 576 x 720 points.
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 576(\\.0+)? 720(\\.0+)?\\]"))));
}

TEST_F(RenderCliTest, FilesAreSortedAndHalfPageStylesWork) {
    makePhotos(2);
    CliRun r = render({QStringLiteral("--top"), QStringLiteral("126"), QStringLiteral("--bottom"),
                       QStringLiteral("126"), QStringLiteral("--dpi"), QStringLiteral("30"),
                       path(QStringLiteral("photos/photo2.jpg")), path(QStringLiteral("photos/photo1.jpg")),
                       QStringLiteral("--out"), path(QStringLiteral("half.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("[2] Top: One 4\" x 6\" Prints + Bottom: One 4\" x 6\" Prints")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 photos loaded (1 - 2)")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Half Page Templates ->Paper (8.50 x 11.00 in)")));

    // An album keeps its own order, unsorted, and the status names the album.
    Album album;
    album.title = QStringLiteral("Trip");
    album.files = {path(QStringLiteral("photos/photo2.jpg")), path(QStringLiteral("photos/photo1.jpg"))};
    const QString pho = path(QStringLiteral("trip.pho"));
    ASSERT_TRUE(WriteAlbumFile(pho, album, QDateTime(QDate(2024, 5, 1), QTime(10, 0)),
                               path(QStringLiteral("none.txt"))));
    r = render({QStringLiteral("--top"), QStringLiteral("126"), QStringLiteral("--bottom"),
                QStringLiteral("123"), QStringLiteral("--dpi"), QStringLiteral("30"),
                QStringLiteral("--verbose"), pho, QStringLiteral("--out"),
                path(QStringLiteral("album.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Loading photo (1 of 1) - ") + album.files[0]));
    EXPECT_TRUE(r.err.contains(QStringLiteral("1 photos loaded (1 - 1) from photo album: ") + pho));
}

TEST_F(RenderCliTest, BadArgumentsAndUndrawablePagesFailClearly) {
    makePhotos(1);
    const QString out = path(QStringLiteral("x.png"));
    EXPECT_EQ(render({photos()}).code, 2);  // no --out
    EXPECT_EQ(render({QStringLiteral("--template"), QStringLiteral("Nine Lives"), photos(),
                      QStringLiteral("--out"), out})
                  .code,
              2);
    EXPECT_EQ(render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"), photos(),
                      QStringLiteral("--out"), path(QStringLiteral("x.gif"))})
                  .code,
              2);
    EXPECT_EQ(
        render({QStringLiteral("--dpi"), QStringLiteral("abc"), photos(), QStringLiteral("--out"), out}).code,
        2);
    EXPECT_EQ(
        render({QStringLiteral("--top"), QStringLiteral("200"), photos(), QStringLiteral("--out"), out}).code,
        2);
    EXPECT_EQ(render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"),
                      QStringLiteral("--pages"), QStringLiteral("2"), photos(), QStringLiteral("--out"), out})
                  .code,
              2);
    const CliRun missing = render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"),
                                   path(QStringLiteral("nope")), QStringLiteral("--out"), out});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such file or folder")));
    const CliRun tooBig =
        render({QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"), QStringLiteral("--dpi"),
                QStringLiteral("9000"), photos(), QStringLiteral("--out"), out});
    EXPECT_EQ(tooBig.code, 1);
    EXPECT_TRUE(tooBig.err.contains(
        QStringLiteral("Bitmap Memory Error - reduce your page size and/or resolution.")));
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(RenderCliTest, SettingsChangeOnlyWhenAskedTo) {
    makePhotos(1);
    const QStringList args = {QStringLiteral("--template"),
                              QStringLiteral("One Borderless 4in x 6in Print"),
                              QStringLiteral("--dpi"),
                              QStringLiteral("50"),
                              photos(),
                              QStringLiteral("--out"),
                              path(QStringLiteral("p.png"))};
    ASSERT_EQ(render(args).code, 0);
    EXPECT_TRUE(readFileBytes(settingsFile).isEmpty());
    EXPECT_EQ(QImage(path(QStringLiteral("p.png"))).size(), QSize(200, 300));

    ASSERT_EQ(render(QStringList{QStringLiteral("--save-settings")} + args).code, 0);
    SettingsStore saved(settingsFile);
    EXPECT_EQ(
        saved.readString(QStringLiteral("PhotoPageLayout"), QStringLiteral("FullPageTemplateSel"), QString()),
        QStringLiteral("One Borderless 4in x 6in Print"));
    EXPECT_EQ(saved.readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("PageResolution"), 0), 50);
    EXPECT_EQ(saved.readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("MaxTemplateWidthIn"), 0), 400);
    // The next run without --template keeps that choice.
    ASSERT_EQ(render({photos(), QStringLiteral("--out"), path(QStringLiteral("q.png"))}).code, 0);
    EXPECT_EQ(QImage(path(QStringLiteral("q.png"))).size(), QSize(200, 300));
}

TEST_F(RenderCliTest, CutMarksAndKeepFacesAreSwitchesOfTheRun) {
    makePhotos(3);
    const QStringList args = {QStringLiteral("--template"),
                              QStringLiteral("Three 4 x 6 Prints"),
                              QStringLiteral("--dpi"),
                              QStringLiteral("50"),
                              photos(),
                              QStringLiteral("--out")};
    ASSERT_EQ(render(args + QStringList{path(QStringLiteral("plain.png"))}).code, 0);
    CliRun r = render(QStringList{QStringLiteral("--cut-marks")} + args +
                      QStringList{path(QStringLiteral("marked.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QImage plain(path(QStringLiteral("plain.png"))), marked(path(QStringLiteral("marked.png")));
    ASSERT_EQ(plain.size(), marked.size());
    int marks = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                ++marks;
                EXPECT_EQ(marked.pixel(x, y) & 0xffffff, 0u);
                EXPECT_EQ(plain.pixel(x, y) & 0xffffff, 0xffffffu);
            }
    EXPECT_GT(marks, 0);
    EXPECT_TRUE(readFileBytes(settingsFile).isEmpty()) << "a switch of the run is not kept";

    // Where the face model is missing the run says so and draws the usual crop.
    environment.insert(QStringLiteral("SNAPVALE_FACE_CASCADE"), path(QStringLiteral("gone.xml")));
    r = render(QStringList{QStringLiteral("--keep-faces")} + args +
               QStringList{path(QStringLiteral("faces.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("snapvale-cli render: --keep-faces: "))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("opencv-data")));
    EXPECT_EQ(QImage(path(QStringLiteral("faces.png"))), plain);
    environment.remove(QStringLiteral("SNAPVALE_FACE_CASCADE"));

    // Installed as in the stage tree, the module beside the program is found.
    if (QFile::exists(QStringLiteral(SNAPVALE_STAGE_BIN "/../lib/snapvale/libsnapvale_faces.so")) &&
        QFile::exists(
            QStringLiteral("/usr/share/opencv4/haarcascades/haarcascade_frontalface_default.xml"))) {
        r = render(QStringList{QStringLiteral("--keep-faces"), QStringLiteral("--save-settings")} + args +
                   QStringList{path(QStringLiteral("faces.png"))});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("--keep-faces"))) << r.err.toStdString();
        SettingsStore saved(settingsFile);
        EXPECT_EQ(saved.readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("KeepFacesInFrame"), 0), 1);
        EXPECT_EQ(saved.readInt(QStringLiteral("PhotoPageLayout"), QStringLiteral("CutMarks"), 0), 0);
    }

    r = render(
        {QStringLiteral("--cut-mark"), photos(), QStringLiteral("--out"), path(QStringLiteral("x.png"))});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("unknown option --cut-mark")));
}

TEST_F(RenderCliTest, FramesAndProjectsFromScripts) {
    makePhotos(3);
    const QStringList layout = {QStringLiteral("--template"), QStringLiteral("Three 4 x 6 Prints"),
                                QStringLiteral("--dpi"), QStringLiteral("40")};
    const QString project = path(QStringLiteral("job.svp"));
    CliRun r = render(layout + QStringList{QStringLiteral("--frame"), QStringLiteral("2=-1,0.5,3,1"),
                                           QStringLiteral("--frame"), QStringLiteral("3=1,1"),
                                           QStringLiteral("--save-project"), project, photos(),
                                           QStringLiteral("--out"), path(QStringLiteral("framed.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(project));
    const QByteArray text = readFileBytes(project);
    EXPECT_TRUE(text.contains("\nframe=2 -1 0.5 3 1\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nframe=3 1 1 1 0\n"));

    // The project alone draws the same page; without the framings it differs.
    r = render(
        {QStringLiteral("--project"), project, QStringLiteral("--out"), path(QStringLiteral("again.png"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFileBytes(path(QStringLiteral("again.png"))),
              readFileBytes(path(QStringLiteral("framed.png"))));
    r = render(layout + QStringList{photos(), QStringLiteral("--out"), path(QStringLiteral("plain.png"))});
    ASSERT_EQ(r.code, 0);
    EXPECT_NE(readFileBytes(path(QStringLiteral("plain.png"))),
              readFileBytes(path(QStringLiteral("framed.png"))));

    struct Bad {
        QStringList args;
        int code;
        const char* says;
    };
    const Bad bad[] = {
        {{QStringLiteral("--frame"), QStringLiteral("1=0,0,1e9"), photos()},
         2,
         "the zoom must be a number from 1 to 4: \"1e9\""},
        {{QStringLiteral("--frame"), QStringLiteral("9=0,0"), photos()},
         2,
         "--frame 9: the list has 3 photos"},
        {{QStringLiteral("--frame")}, 2, "--frame needs a value"},
        {{QStringLiteral("--project"), project, photos()}, 2, "--project and a SOURCE exclude each other"},
        {{QStringLiteral("--project"), path(QStringLiteral("none.svp"))}, 1, "cannot read"},
    };
    for (const Bad& b : bad) {
        r = render(b.args + QStringList{QStringLiteral("--out"), path(QStringLiteral("bad.png"))});
        EXPECT_EQ(r.code, b.code) << b.says;
        EXPECT_TRUE(r.err.contains(QLatin1String(b.says))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("bad.png"))));
}
