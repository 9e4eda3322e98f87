// Files written whole or not at all, and a failed write told in the system's words:
// on /dev/full (a disk that is always full) and under a file size limit, for the
// output file itself and for every snapshot writer.
#include <sys/stat.h>

#include <QDataStream>
#include <QDir>
#include <QFileInfo>

#include "FileSizeLimit.h"
#include "core/FileOutput.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"
#include "output/SnapshotWriters.h"
#include "support/TestSupport.h"

namespace {

const QString kFull = QStringLiteral("/dev/full");
const QString kNoSpace = QStringLiteral("No space left on device");

bool isCharacterDevice(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

CxImage page(int w, int h) {
    CxImage image;
    EXPECT_TRUE(image.CreateRaster(w, h, 24, CXIMAGE_FORMAT_BMP));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.WriteColor(x, y, RGBQuad{std::uint8_t(x * 7), std::uint8_t(y * 13), 90, 0});
    return image;
}

}  // namespace

using FileOutputTest = TempDirTest;

TEST_F(FileOutputTest, TheOldFileStaysUntilTheNewOneIsWhole) {
    const QString file = writeFile("a.txt", "old");
    {
        FileOutput out(file);
        ASSERT_TRUE(out.open());
        EXPECT_TRUE(out.write(QByteArray("new, not committed")));
    }  // destroyed without commit
    EXPECT_EQ(readFileBytes(file), "old");
    {
        FileOutput out(file);
        ASSERT_TRUE(out.open());
        EXPECT_TRUE(out.write(QByteArray("new")));
        out.cancel();
        EXPECT_FALSE(out.commit());
    }
    EXPECT_EQ(readFileBytes(file), "old");
    FileOutput out(file);
    ASSERT_TRUE(out.open());
    // Encoders write through the device; it reaches the same file.
    QDataStream(out.device()) << quint8('n') << quint8('e');
    EXPECT_TRUE(out.write("w!", 2));
    ASSERT_TRUE(out.commit()) << out.errorText().toStdString();
    EXPECT_EQ(readFileBytes(file), "new!");
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dirPath()).entryList({"a.txt*"}, QDir::Files | QDir::Hidden), QStringList({"a.txt"}));

    const QString nowhere = path("missing/a.txt");
    FileOutput missing(nowhere);
    EXPECT_FALSE(missing.open());
    EXPECT_EQ(missing.errorText(), QStringLiteral("Cannot open ") + nowhere);
    EXPECT_FALSE(missing.write("x", 1));
}

TEST_F(FileOutputTest, AFullDiskIsToldInTheSystemsWords) {
    if (!isCharacterDevice(kFull)) GTEST_SKIP() << "no /dev/full";
    struct Case {
        const char* what;
        std::function<bool(FileOutput&)> write;
    };
    const Case cases[] = {
        {"a small write, failing at commit", [](FileOutput& o) { return o.write("abc", 3); }},
        {"a large write", [](FileOutput& o) { return o.write(QByteArray(1 << 20, 'x')); }},
        {"through the device",
         [](FileOutput& o) {
             o.device()->write(QByteArray(1 << 20, 'x'));
             return true;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileOutput out(kFull);
        ASSERT_TRUE(out.open());
        c.write(out);
        EXPECT_FALSE(out.commit());
        EXPECT_EQ(out.errorText(), kNoSpace);
    }
    // Written to, not renamed over: a device stays the device it was.
    EXPECT_TRUE(isCharacterDevice(kFull));
}

// Small writes wait in Qt's buffer and fail only at commit, where a save file would
// still be renamed into place cut short; large ones are cut short on the way.
TEST_F(FileOutputTest, AWriteCutShortIsAFailureWithItsReason) {
    for (const int size : {2000, 100000}) {
        SCOPED_TRACE(size);
        const QString file = writeFile("big.bin", "old");
        bool committed = true;
        QString error;
        {
            const FileSizeLimit limit(512);
            FileOutput out(file);
            ASSERT_TRUE(out.open());
            out.write(QByteArray(size, 'x'));
            committed = out.commit();
            error = out.errorText();
        }
        EXPECT_FALSE(committed);
        EXPECT_EQ(error, QStringLiteral("File too large"));
        EXPECT_EQ(readFileBytes(file), "old");
        EXPECT_EQ(QDir(dirPath()).entryList({"big.bin*"}, QDir::Files | QDir::Hidden),
                  QStringList({"big.bin"}));
    }
}

TEST_F(FileOutputTest, EverySnapshotWriterSaysWhyItFailed) {
    if (!isCharacterDevice(kFull)) GTEST_SKIP() << "no /dev/full";
    KeptPage kept;
    kept.image = page(64, 48);
    kept.resolution = 100;
    kept.sizes.templateWidth = 0.64;
    kept.sizes.templateHeight = 0.48;
    struct Case {
        const char* what;
        std::function<bool(const QString&, QString&)> write;
    };
    const Case cases[] = {
        {"BMP", [&](const QString& p, QString& e) { return WriteBmp(kept.image, p, &e); }},
        {"JPEG", [&](const QString& p, QString& e) { return WriteJpeg(kept.image, 90, p, e); }},
        {"PNG", [&](const QString& p, QString& e) { return WritePng(kept.image, p, &e); }},
        {"PDF", [&](const QString& p, QString& e) { return WritePdf(kept, p, QStringLiteral("t"), &e); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        EXPECT_FALSE(c.write(kFull, error));
        EXPECT_EQ(error, kNoSpace);
        // The same writer on a disk with room succeeds and says nothing.
        error.clear();
        EXPECT_TRUE(c.write(path(QStringLiteral("ok.") + c.what), error));
        EXPECT_TRUE(error.isEmpty());
        EXPECT_GT(QFileInfo(path(QStringLiteral("ok.") + c.what)).size(), 100);
    }
    EXPECT_TRUE(isCharacterDevice(kFull));
}
