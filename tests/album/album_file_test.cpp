#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "album/AlbumFile.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

namespace {

const QDateTime kWhen(QDate(2004, 3, 2), QTime(14, 5, 9));

QByteArray summerBytes() {
    return QByteArray(
        "===========================================================\r\n"
        "Snapvale Photo Album File\r\n"
        "[PM Update Tue Mar 02 14:05:09 2004]\r\n"
        "(Note - this file is auto generated - edit at your own risk!)\r\n"
        "===========================================================\r\n"
        "\r\n"
        "[PM Album Title Summer]\r\n"
        "\r\n"
        "[[StartDescription]]\r\n"
        "Beach day\r\n"
        "[[EndDescription]]\r\n"
        "\r\n"
        "[PM Image File 00001] root: a.jpg path=/pics\r\n"
        "[PM Image File 00002] root: b.jpg path=/pics\r\n");
}

Album summer() {
    Album a;
    a.title = "Summer";
    a.description = "Beach day";
    a.files = {"/pics/a.jpg", "/pics/b.jpg"};
    return a;
}

}  // namespace

using AlbumFileTest = TempDirTest;

TEST(AlbumTime, FixedEnglishFormWithTwoDigitDay) {
    EXPECT_EQ(albumTimeText(kWhen), "Tue Mar 02 14:05:09 2004");
    EXPECT_EQ(albumTimeText(QDateTime(QDate(2024, 12, 29), QTime(0, 0, 1))), "Sun Dec 29 00:00:01 2024");
}

TEST_F(AlbumFileTest, SummerAlbumIsWrittenByteForByteAndReadsBack) {
    const QString file = path("summer.pho");
    ASSERT_TRUE(WriteAlbumFile(file, summer(), kWhen, path("no-thumbnail.txt")));
    EXPECT_EQ(readFileBytes(file), summerBytes());

    Album back;
    back.title = "stale";
    back.description = "stale";
    QString update;
    ScriptedNotifier notifier;
    ASSERT_TRUE(ReadAlbumFile(file, back, update, &notifier));
    EXPECT_EQ(back.title, "Summer");
    EXPECT_EQ(back.description, "Beach day");
    EXPECT_EQ(back.files, summer().files);
    EXPECT_EQ(update, "Tue Mar 02 14:05:09 2004");
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(AlbumFileTest, DescriptionLineBreaksAndEmptyDescription) {
    Album a;
    a.title = "T";
    a.description = "Line one\r\nLine two";
    const QByteArray bytes = FormatAlbumFile(a, kWhen, QByteArray());
    EXPECT_TRUE(
        bytes.contains("[[StartDescription]]\r\nLine one\r\r\nLine two\r\n[[EndDescription]]\r\n\r\n"));
    QStringList files;
    EXPECT_EQ(ParseAlbumData(bytes, files).description, "Line one\rLine two");

    a.description.clear();
    const QByteArray empty = FormatAlbumFile(a, kWhen, QByteArray());
    EXPECT_TRUE(empty.contains("[[StartDescription]]\r\n\r\n[[EndDescription]]"));
    EXPECT_EQ(ParseAlbumData(empty, files).description, "");
    EXPECT_TRUE(files.isEmpty());
}

TEST_F(AlbumFileTest, TitleAndUpdateStopAtTheFirstClosingBracket) {
    Album a;
    a.title = "Best ] of 2004";
    QStringList files;
    EXPECT_EQ(ParseAlbumData(FormatAlbumFile(a, kWhen, QByteArray()), files).title, "Best");
    // A bracket before the keyword, or none at all, gives an empty value.
    EXPECT_EQ(ParseAlbumData("x] [PM Album Title Odd]\n", files).title, "");
    EXPECT_EQ(ParseAlbumData("[PM Album Title  No bracket\n", files).title, "");
    EXPECT_EQ(ParseAlbumData("   [PM Update   Mon Jan 05 10:00:00 2004  ]  \n", files).lastUpdate,
              "Mon Jan 05 10:00:00 2004");
}

TEST_F(AlbumFileTest, PathWithoutFolderAndFolderSplitAtLastSlash) {
    Album a;
    a.files = {"x.jpg", "/home/me/My Photos/sub/y z.JPG"};
    const QByteArray bytes = FormatAlbumFile(a, kWhen, QByteArray());
    EXPECT_TRUE(bytes.contains("[PM Image File 00001] root: x.jpg path=\r\n"));
    EXPECT_TRUE(bytes.contains("[PM Image File 00002] root: y z.JPG path=/home/me/My Photos/sub\r\n"));
    QStringList files;
    ParseAlbumData(bytes, files);
    EXPECT_EQ(files, QStringList({"/x.jpg", "/home/me/My Photos/sub/y z.JPG"}));
}

TEST_F(AlbumFileTest, NumbersKeepFiveDigitsAndGrowPastThem) {
    Album a;
    for (int i = 0; i < 100001; ++i) a.files << QStringLiteral("/p/%1.jpg").arg(i);
    const QByteArray bytes = FormatAlbumFile(a, kWhen, QByteArray());
    EXPECT_TRUE(bytes.contains("[PM Image File 00010] root: 9.jpg path=/p\r\n"));
    EXPECT_TRUE(bytes.contains("[PM Image File 100001] root: 100000.jpg path=/p\r\n"));
    QStringList files;
    ParseAlbumData(bytes, files);
    EXPECT_EQ(files, a.files);
    EXPECT_EQ(ParseAlbumSummary(bytes).imageCount, 100001);
}

TEST_F(AlbumFileTest, DuplicatesAreSkippedAndCountedInOneWarning) {
    const QString file = writeFile("dup.pho",
                                   "[PM Image File 00001] root: a.jpg path=/p\r\n"
                                   "[PM Image File 00002] root: a.jpg path=/p\r\n"
                                   "[PM Image File 00003] root: A.jpg path=/p\r\n"
                                   "[PM Image File 00004] root: b.jpg path=/p\r\n"
                                   "[PM Image File 00005] root: b.jpg path=/p\r\n"
                                   "[PM Image File 00006] root: c.jpg path=/p\r\n");
    Album album;
    album.files = {"/p/c.jpg"};  // already in the target list: counts as a duplicate too
    QString update;
    ScriptedNotifier notifier;
    ASSERT_TRUE(ReadAlbumFile(file, album, update, &notifier));
    // The comparison is exact: A.jpg is another file.
    EXPECT_EQ(album.files, QStringList({"/p/c.jpg", "/p/a.jpg", "/p/A.jpg", "/p/b.jpg"}));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Duplicate Image File Warning");
    EXPECT_EQ(notifier.shown[0].text, "3 duplicate image files ignored]");
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::Error);
}

TEST_F(AlbumFileTest, ReaderRulesOnAHandEditedFile) {
    const QByteArray data =
        "junk root: but no folder keyword\n"
        "   root:  x.jpg   path=  /Images  \n"  // no prefix, LF only: taken by the full reader
        "[PM Image File 00002] root: y.jpg path=/Images\r\n"
        "[[StartDescription]] ignored rest\r\n"
        "[PM Album Title inside the description]\r\n"  // description lines are not looked at
        "[[EndDescription]]\r\n"
        "[PM Album Title Real]\r\n"
        "{{FFD8}}\r\n"
        "[PM Image File 00003] root: z.jpg path=/Images";  // last line without a line end
    QStringList files;
    const AlbumReadResult r = ParseAlbumData(data, files);
    EXPECT_EQ(files, QStringList({"/Images/x.jpg", "/Images/y.jpg", "/Images/z.jpg"}));
    EXPECT_EQ(r.title, "Real");
    EXPECT_EQ(r.description, "[PM Album Title inside the description]");

    // The summary counts only lines with the "[PM Image File" prefix.
    EXPECT_EQ(ParseAlbumSummary(data).imageCount, 2);
}

TEST_F(AlbumFileTest, SummaryReaderCutsTheUpdateLine) {
    AlbumSummary s;
    ASSERT_TRUE(ReadAlbumSummary(writeFile("s.pho", summerBytes()), s));
    EXPECT_EQ(s.imageCount, 2);
    EXPECT_EQ(s.lastUpdate, "Tue Mar 02 14:05:09 2004");
    // The cut is positional: keyword and blank in front, bracket and line end behind.
    EXPECT_EQ(ParseAlbumSummary("[PM Update]\n").lastUpdate, "");
    EXPECT_EQ(ParseAlbumSummary("[PM Update 12]\r\n").lastUpdate, "12");
    // A line longer than the reader's buffer is read in pieces.
    const QByteArray longLine = "[PM Image File 00001] root: " + QByteArray(2100, 'n') + " path=/p\n";
    EXPECT_EQ(ParseAlbumSummary(longLine).imageCount, 0);
    QStringList files;
    ParseAlbumData(longLine, files);
    EXPECT_EQ(files.size(), 1);

    EXPECT_FALSE(ReadAlbumSummary(path("missing.pho"), s));
}

TEST_F(AlbumFileTest, UnreadableAlbumLeavesEverythingAsItWas) {
    Album album;
    album.title = "keep";
    album.description = "keep too";
    album.files = {"/a.jpg"};
    QString update = "old";
    EXPECT_FALSE(ReadAlbumFile(path("missing.pho"), album, update, nullptr));
    EXPECT_EQ(album.title, "keep");
    EXPECT_EQ(album.description, "keep too");
    EXPECT_EQ(album.files, QStringList({"/a.jpg"}));
    EXPECT_EQ(update, "old");
}

TEST_F(AlbumFileTest, ThumbnailSectionCopiesTheWorkingTextWithCrLf) {
    const QString thumb = writeFile("phoThumb.txt", "{{FFD8FF}}\n{{}}\n");
    const QString file = path("t.pho");
    ASSERT_TRUE(WriteAlbumFile(file, summer(), kWhen, thumb));
    const QByteArray bytes = readFileBytes(file);
    EXPECT_TRUE(bytes.endsWith("\r\n[StartThumb]\r\n{{FFD8FF}}\r\n{{}}\r\n\r\n[EndThumb]\r\n"));
    // Decoding the whole album file yields the thumbnail bytes alone.
    EXPECT_EQ(DecodeThumbnailData(bytes), QByteArray("\xFF\xD8\xFF"));
    // The readers are not disturbed by the section.
    QStringList files;
    EXPECT_EQ(ParseAlbumData(bytes, files).title, "Summer");
    EXPECT_EQ(files.size(), 2);
}

TEST_F(AlbumFileTest, FailedWriteReportsFailureAndKeepsTheOldAlbum) {
    const QString folder = path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/keep.pho";
    ASSERT_TRUE(WriteAlbumFile(file, summer(), kWhen, QString()));
    const QByteArray before = readFileBytes(file);

    // Folder permissions do not bind the superuser: write as nobody then.
    const auto all =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dirPath(), all));
    ASSERT_TRUE(QFile::setPermissions(
        folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const uid_t uid = geteuid();
    if (uid == 0) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    Album other;
    other.title = "Replacement";
    other.files = {"/x.jpg"};
    const bool replaced = WriteAlbumFile(file, other, kWhen, QString());
    const bool created = WriteAlbumFile(folder + "/new.pho", other, kWhen, QString());
    if (uid == 0) {
        ASSERT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(folder, all);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_EQ(readFileBytes(file), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"keep.pho"}));
}

TEST_F(AlbumFileTest, WriteCutShortByAFullDiskKeepsTheOldAlbum) {
    const QString file = path("trip.pho");
    ASSERT_TRUE(WriteAlbumFile(file, summer(), kWhen, QString()));
    const QByteArray before = readFileBytes(file);

    Album big;
    for (int i = 0; i < 2000; ++i) big.files << QStringLiteral("/photos/%1.jpg").arg(i);
    // A file size limit makes every write past 1 KiB fail, as a full disk does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteAlbumFile(file, big, kWhen, QString());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(readFileBytes(file), before);
    // Said in the system's words, here and on a full disk.
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    QString error;
    EXPECT_FALSE(WriteAlbumFile(file, big, kWhen, QString(), &error));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, QStringLiteral("File too large"));
    if (QFileInfo(QStringLiteral("/dev/full")).exists() && !QFileInfo(QStringLiteral("/dev/full")).isFile()) {
        EXPECT_FALSE(WriteAlbumFile(QStringLiteral("/dev/full"), big, kWhen, QString(), &error));
        EXPECT_EQ(error, QStringLiteral("No space left on device"));
    }
    EXPECT_EQ(QDir(dirPath()).entryList({"trip*"}, QDir::Files | QDir::Hidden), QStringList({"trip.pho"}));

    // A folder that is not one cannot take an album either.
    writeFile("plain.txt", "x");
    EXPECT_FALSE(WriteAlbumFile(path("plain.txt/a.pho"), summer(), kWhen, QString()));
}

TEST_F(AlbumFileTest, UnicodePathsRoundTrip) {
    Album a;
    a.title = QString::fromUtf8("Été à Zürich");
    a.files = {QString::fromUtf8("/photos/été/Zürich ß.jpg")};
    const QString file = path("u.pho");
    ASSERT_TRUE(WriteAlbumFile(file, a, kWhen, QString()));
    Album back;
    QString update;
    ASSERT_TRUE(ReadAlbumFile(file, back, update, nullptr));
    EXPECT_EQ(back.title, a.title);
    EXPECT_EQ(back.files, a.files);
}
