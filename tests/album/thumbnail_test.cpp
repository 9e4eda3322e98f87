#include <QFile>
#include <QStandardPaths>

#include "album/AlbumFile.h"
#include "support/TestSupport.h"

namespace {
QByteArray bytesFrom(int count, int seed = 7) {
    QByteArray b;
    for (int i = 0; i < count; ++i) b += char((i * 37 + seed) & 0xff);
    return b;
}
}  // namespace

using ThumbnailTest = TempDirTest;

TEST(ThumbnailCoding, HundredBytesMakeLinesOf42_42_16) {
    const QByteArray text = EncodeThumbnailData(bytesFrom(100));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines and the empty rest after the last line end
    EXPECT_EQ(lines[0].size(), 2 + 84 + 2);
    EXPECT_EQ(lines[1].size(), 2 + 84 + 2);
    EXPECT_EQ(lines[2].size(), 2 + 32 + 2);
    EXPECT_TRUE(lines[2].startsWith("{{") && lines[2].endsWith("}}"));
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_EQ(DecodeThumbnailData(text), bytesFrom(100));
}

TEST(ThumbnailCoding, UpperCaseDigitsAndExactMultiplesOf42) {
    EXPECT_EQ(EncodeThumbnailData(QByteArray("\x00\xab\xff\x10", 4)), "{{00ABFF10}}\n");
    EXPECT_EQ(EncodeThumbnailData(QByteArray()), "{{}}\n");
    const QByteArray text = EncodeThumbnailData(bytesFrom(84));
    EXPECT_TRUE(text.endsWith("}}\n{{}}\n"));
    EXPECT_EQ(text.count('\n'), 3);
    EXPECT_EQ(DecodeThumbnailData(text), bytesFrom(84));
}

TEST(ThumbnailCoding, DecoderRules) {
    // Only lines with both brace pairs count; pairs stop at a closing brace.
    EXPECT_EQ(DecodeThumbnailData("{{0102}}\r\nnot a line 0304\n{{05\n06}}\n{{07}}xx{{08}}\n"),
              QByteArray("\x01\x02\x07", 3));
    // Lower-case letters are not hexadecimal digits to this decoder.
    // ('f' is 102, read as 47: 47 * 16 + 47 = 0x31F.)
    EXPECT_EQ(DecodeThumbnailData("{{ff}}\n"), QByteArray("\x1F"));
    // A brace as the second character of a pair ends the line too.
    EXPECT_EQ(DecodeThumbnailData("{{ABC}}\n"), QByteArray("\xAB"));
    // Braces in the wrong order: the pairs run to the end of the line and stop there.
    // ('{' is 123, so 68 * 16 + 68 = 0x484, of which the low byte is kept.)
    EXPECT_EQ(DecodeThumbnailData("}}{{AB"), QByteArray("\x84\xAB", 2));
}

TEST_F(ThumbnailTest, FilesRoundTripAndMissingFilesFail) {
    const QString jpeg = writeFile("in.jpg", bytesFrom(1000, 3));
    EXPECT_EQ(EncodeThumbnail(jpeg, path("t.txt")), 0);
    EXPECT_EQ(readFileBytes(path("t.txt")), EncodeThumbnailData(bytesFrom(1000, 3)));
    EXPECT_EQ(DecodeThumbnail(path("t.txt"), path("out.jpg")), 0);
    EXPECT_EQ(readFileBytes(path("out.jpg")), bytesFrom(1000, 3));

    EXPECT_EQ(EncodeThumbnail(path("missing.jpg"), path("t2.txt")), -1);
    EXPECT_FALSE(QFile::exists(path("t2.txt")));
    EXPECT_EQ(DecodeThumbnail(path("missing.txt"), path("out2.jpg")), -1);
    writeFile("plain", "x");
    EXPECT_EQ(EncodeThumbnail(jpeg, path("plain/t.txt")), -1);
}

TEST(ThumbnailCoding, WorkingFilesLiveInTheDataFolder) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    EXPECT_EQ(workingThumbnailJpegPath(), folder + "/phoThumb.jpg");
    EXPECT_EQ(workingThumbnailTextPath(), folder + "/phoThumb.txt");
}
