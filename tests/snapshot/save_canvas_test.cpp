// The Save Canvas command: the extension rules, the free-space check and what
// reaches the disk.

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "FileSizeLimit.h"
#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "output/SaveCanvas.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

namespace {

// The kept page around a bitmap, as the document keeps it; a resolution given is
// recorded in the bitmap too, as a rendered page records it.
KeptPage kept(const CxImage& image, int resolution = 0) {
    KeptPage k;
    k.image = image;
    k.resolution = resolution > 0 ? resolution : image.GetXDPI();
    if (resolution > 0) {
        k.image.SetXDPI(resolution);
        k.image.SetYDPI(resolution);
    }
    return k;
}

// A 24-bit page with a left red half and a right blue half.
CxImage makePage(int w, int h) {
    CxImage page;
    EXPECT_TRUE(page.CreateRaster(w, h, 24, CXIMAGE_FORMAT_BMP));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            page.WriteColor(x, y, x < w / 2 ? RGBQuad{0, 0, 255, 0} : RGBQuad{255, 0, 0, 0});
    return page;
}

class SaveCanvasTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        list.append(path(QStringLiteral("a.jpg")));
        services.notifier = &notifier;
        services.files = &files;
        services.store = &store();
    }
    bool save(const QString& chosen, const CxImage& page) {
        files.results.push_back({chosen});
        SaveCanvasCommand command(list, settings, services);
        command.setFreeSpaceQuery([this](const QString& p, bool* ok) {
            queried << p;
            *ok = freeOk;
            return freeBytes;
        });
        return command.run(kept(page));
    }

    ImageList list;
    AppSettings settings;
    ScriptedNotifier notifier;
    ScriptedFileChooser files;
    Services services;
    QStringList queried;
    qint64 freeBytes = qint64(1) << 40;
    bool freeOk = true;
};

}  // namespace

TEST(SnapshotTargets, ExtensionDecidesTheTypeAndTheName) {
    SnapshotTarget t = snapshotTargetFor(QStringLiteral("/tmp/page.JPG"));
    EXPECT_EQ(t.type, SnapshotType::Jpeg);
    EXPECT_EQ(t.path, QStringLiteral("/tmp/page.jpg"));

    t = snapshotTargetFor(QStringLiteral("/tmp/page"));
    EXPECT_EQ(t.type, SnapshotType::Bmp);
    EXPECT_EQ(t.path, QStringLiteral("/tmp/page.bmp"));
    EXPECT_FALSE(t.hadExtension);

    t = snapshotTargetFor(QStringLiteral("/tmp/page.Bmp"));
    EXPECT_EQ(t.type, SnapshotType::Bmp);
    EXPECT_EQ(t.path, QStringLiteral("/tmp/page.Bmp"));

    EXPECT_EQ(snapshotTargetFor(QStringLiteral("/tmp/page.png")).type, SnapshotType::Png);
    EXPECT_EQ(snapshotTargetFor(QStringLiteral("/tmp/page.PDF")).type, SnapshotType::Pdf);
    for (const char* name : {"/tmp/page.jpeg", "/tmp/page.tif", "/tmp/page.", "/tmp/a.jpg.txt"})
        EXPECT_EQ(snapshotTargetFor(QString::fromLatin1(name)).type, SnapshotType::Unsupported) << name;
    EXPECT_EQ(snapshotTargetFor(QStringLiteral("/tmp/page.jpeg")).extension, QStringLiteral("jpeg"));

    // A dot in a folder name is not an extension.
    t = snapshotTargetFor(QStringLiteral("/home/john.doe/page"));
    EXPECT_EQ(t.type, SnapshotType::Bmp);
    EXPECT_EQ(t.path, QStringLiteral("/home/john.doe/page.bmp"));
}

TEST(SnapshotDiskSpace, JpegNeedsElevenPercentOfThePageAndBmpAllOfIt) {
    ScriptedNotifier notifier;
    qint64 free = 0;
    const FreeSpaceQuery query = [&](const QString&, bool* ok) {
        *ok = true;
        return free;
    };
    // trunc(1000 x 0.11) = 110 bytes for a JPEG.
    free = 110;
    EXPECT_TRUE(DiskSpaceCheck(QStringLiteral("/x/p.jpg"), 1000, 1, notifier, query));
    free = 109;
    EXPECT_FALSE(DiskSpaceCheck(QStringLiteral("/x/p.jpg"), 1000, 1, notifier, query));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, QStringLiteral("Snapvale Error: Low Disk Space Remaining"));
    EXPECT_EQ(notifier.shown[0].text,
              QStringLiteral("Not enough disk space remaining to continue: \nFile - /x/p.jpg"));
    // The whole page otherwise.
    free = 999;
    EXPECT_FALSE(DiskSpaceCheck(QStringLiteral("/x/p.jpg"), 1000, 0, notifier, query));
    free = 1000;
    EXPECT_TRUE(DiskSpaceCheck(QStringLiteral("/x/p.jpg"), 1000, 0, notifier, query));

    const FreeSpaceQuery failing = [](const QString&, bool* ok) {
        *ok = false;
        return qint64(1) << 40;
    };
    notifier.shown.clear();
    EXPECT_FALSE(DiskSpaceCheck(QStringLiteral("/nowhere/p.jpg"), 10, 1, notifier, failing));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, QStringLiteral("Snapvale Error: Disk Space"));
    EXPECT_EQ(notifier.shown[0].text,
              QStringLiteral("Unable to determine free disk space available: \nPath - /nowhere/p.jpg"));
}

TEST_F(SaveCanvasTest, UpperCaseJpgIsSavedAsJpegUnderALowerCaseName) {
    const CxImage page = makePage(64, 48);
    settings.SaveAsJpg = 0;
    ASSERT_TRUE(save(path(QStringLiteral("shot.JPG")), page));
    EXPECT_EQ(settings.SaveAsJpg, 1);
    EXPECT_EQ(store().readInt(QStringLiteral("Config"), QStringLiteral("SaveAsJpg"), -1), 1);
    EXPECT_EQ(queried, QStringList{path(QStringLiteral("shot.JPG"))});

    const QString written = path(QStringLiteral("shot.jpg"));
    ASSERT_TRUE(QFile::exists(written));
    const QByteArray bytes = readFileBytes(written);
    ASSERT_GE(bytes.size(), 3);
    EXPECT_EQ(std::uint8_t(bytes[0]), 0xFF);
    EXPECT_EQ(std::uint8_t(bytes[1]), 0xD8);
    // Decodes back close to the page.
    QImage back(written);
    ASSERT_EQ(back.size(), QSize(64, 48));
    const QColor left = back.pixelColor(8, 24), right = back.pixelColor(56, 24);
    EXPECT_GT(left.red(), 230);
    EXPECT_LT(left.blue(), 25);
    EXPECT_GT(right.blue(), 230);
    EXPECT_LT(right.red(), 25);
    EXPECT_TRUE(notifier.shown.empty());

    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Save Snapvale Snapshot As..."));
    EXPECT_TRUE(files.requests[0].overwritePrompt);
}

TEST_F(SaveCanvasTest, NameWithoutDotBecomesBmpAndLeavesTheJpegSwitchAlone) {
    const CxImage page = makePage(5, 3);
    settings.SaveAsJpg = 1;
    ASSERT_TRUE(save(path(QStringLiteral("shot")), page));
    EXPECT_EQ(settings.SaveAsJpg, 1);
    EXPECT_EQ(store().readInt(QStringLiteral("Config"), QStringLiteral("SaveAsJpg"), -1), -1);
    EXPECT_TRUE(queried.isEmpty()) << "a BMP save checks no free space";

    const QByteArray bytes = readFileBytes(path(QStringLiteral("shot.bmp")));
    const QByteArray block(reinterpret_cast<const char*>(page.GetDIB()), qsizetype(page.GetDIBSize()));
    ASSERT_EQ(bytes.size(), block.size() + 14);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(bytes.mid(14), block);

    // An explicit .bmp switches JPEG off.
    ASSERT_TRUE(save(path(QStringLiteral("again.bmp")), page));
    EXPECT_EQ(settings.SaveAsJpg, 0);
    EXPECT_EQ(store().readInt(QStringLiteral("Config"), QStringLiteral("SaveAsJpg"), -1), 0);
}

TEST_F(SaveCanvasTest, UnsupportedTypesAreRefusedAndNothingIsWritten) {
    const CxImage page = makePage(4, 4);
    for (const char* ext : {"jpeg", "tif"}) {
        notifier.shown.clear();
        const QString name = path(QStringLiteral("shot.") + QLatin1String(ext));
        EXPECT_FALSE(save(name, page));
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(notifier.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(notifier.shown[0].text,
                  QStringLiteral("Illegal or unsupported EXPORT image type: \"%1\"").arg(QLatin1String(ext)));
        EXPECT_FALSE(QFile::exists(name));
    }
    EXPECT_EQ(settings.SaveAsJpg, 1);
}

TEST_F(SaveCanvasTest, EmptyListCancelLowSpaceAndFailedWrites) {
    const CxImage page = makePage(4, 4);
    // Empty list: told, no dialog.
    ImageList empty;
    {
        SaveCanvasCommand command(empty, settings, services);
        EXPECT_FALSE(command.run(kept(page)));
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(notifier.shown[0].title, QStringLiteral("Snapvale List Empty"));
        EXPECT_EQ(notifier.shown[0].text, QStringLiteral("Your image list is empty!"));
        EXPECT_TRUE(files.requests.empty());
    }
    // Cancel in the dialog: nothing at all.
    notifier.shown.clear();
    {
        SaveCanvasCommand command(list, settings, services);
        EXPECT_FALSE(command.run(kept(page)));
        EXPECT_TRUE(notifier.shown.empty());
    }
    // Too little space for the JPEG: the low-space message, no file.
    freeBytes = 1;
    EXPECT_FALSE(save(path(QStringLiteral("low.jpg")), page));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, QStringLiteral("Snapvale Error: Low Disk Space Remaining"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("low.jpg"))));
    freeBytes = qint64(1) << 40;

    // A folder that does not exist: the failure is said, not passed over.
    notifier.shown.clear();
    EXPECT_FALSE(save(path(QStringLiteral("missing/shot.bmp")), page));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(notifier.shown[0].text.contains(QStringLiteral("missing/shot.bmp")));

    // No page rendered yet.
    notifier.shown.clear();
    EXPECT_FALSE(save(path(QStringLiteral("none.jpg")), CxImage()));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].text.contains(QStringLiteral("Invalid input data")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.jpg"))));

    // A good file survives a failed overwrite.
    ASSERT_TRUE(save(path(QStringLiteral("keep.bmp")), page));
    const QByteArray before = readFileBytes(path(QStringLiteral("keep.bmp")));
    EXPECT_FALSE(save(path(QStringLiteral("keep.bmp")), CxImage()));
    EXPECT_EQ(readFileBytes(path(QStringLiteral("keep.bmp"))), before);
}

// A write the disk refuses part way is told in the system's words, whatever the
// format, and leaves nothing behind.
TEST_F(SaveCanvasTest, AWriteTheDiskRefusesNamesTheSystemsReason) {
    CxImage page;
    ASSERT_TRUE(page.CreateRaster(64, 64, 24, CXIMAGE_FORMAT_BMP));
    std::uint32_t seed = 7;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            seed = seed * 1664525u + 1013904223u;
            page.WriteColor(
                x, y,
                RGBQuad{std::uint8_t(seed >> 8), std::uint8_t(seed >> 16), std::uint8_t(seed >> 24), 0});
        }
    for (const char* name : {"full.bmp", "full.jpg", "full.png", "full.pdf"}) {
        SCOPED_TRACE(name);
        notifier.shown.clear();
        const QString file = path(QString::fromLatin1(name));
        bool saved = true;
        {
            const FileSizeLimit limit(512);
            saved = save(file, page);
        }
        EXPECT_FALSE(saved);
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(notifier.shown[0].title, QStringLiteral("Snapvale Error"));
        EXPECT_EQ(notifier.shown[0].text,
                  QStringLiteral("Unable to save the snapshot \"%1\":\nFile too large").arg(file));
        EXPECT_FALSE(QFile::exists(file));
    }
}

// The dialog asked about the name typed; when the program adds or changes the
// extension, the file really written is asked about too.
TEST_F(SaveCanvasTest, AnAddedExtensionAsksBeforeReplacingThatFile) {
    const CxImage page = makePage(5, 3);
    const QString old = writeFile(QStringLiteral("shot.bmp"), "keep me");
    notifier.answers = {Answer::No};
    EXPECT_FALSE(save(path(QStringLiteral("shot")), page));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text, QStringLiteral("shot.bmp already exists.\nDo you want to replace it?"));
    EXPECT_EQ(readFileBytes(old), QByteArray("keep me"));

    notifier.answers = {Answer::Yes};
    EXPECT_TRUE(save(path(QStringLiteral("shot")), page));
    EXPECT_EQ(readFileBytes(old).left(2), QByteArray("BM"));

    // A name the dialog already asked about is not asked about again.
    notifier.shown.clear();
    EXPECT_TRUE(save(path(QStringLiteral("shot.bmp")), page));
    EXPECT_TRUE(notifier.shown.empty());
}

// PNG and PDF say the page's size as the other formats do, and leave the JPEG switch alone.
TEST_F(SaveCanvasTest, PngAndPdfCarryThePageSize) {
    CxImage page = makePage(80, 100);  // 0.8 x 1.0 in at 100 DPI
    page.SetXDPI(100);
    page.SetYDPI(100);
    settings.SaveAsJpg = 0;
    ASSERT_TRUE(save(path(QStringLiteral("shot.png")), page));
    const QImage png(path(QStringLiteral("shot.png")));
    EXPECT_EQ(png.size(), QSize(80, 100));
    EXPECT_EQ(png.dotsPerMeterX(), 3937);
    EXPECT_EQ(settings.SaveAsJpg, 0);

    KeptPage pdfPage = kept(page, 100);
    pdfPage.sizes.templateWidth = 0.8;
    pdfPage.sizes.templateHeight = 1.0;
    files.results.push_back({path(QStringLiteral("shot.pdf"))});
    SaveCanvasCommand command(list, settings, services);
    ASSERT_TRUE(command.run(pdfPage));
    const QByteArray pdf = readFileBytes(path(QStringLiteral("shot.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 57.6, 0.5) << "0.8 x 1.0 inches in points";
    EXPECT_NEAR(box.captured(2).toDouble(), 72, 0.5);
    EXPECT_EQ(
        files.requests.back().filter,
        QStringLiteral("Snapshot Files (*.bmp *.jpg *.png *.pdf)|*.bmp;*.jpg;*.png;*.pdf|All Files|*.*||"));
}
