#include <QDir>
#include <QFile>

#include "imagelist/DirectoryScan.h"
#include "imagelist/ImageList.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

namespace {
// Counts the reads that reach the store, to see the switches re-read per file.
class CountingStore : public SettingsStore {
public:
    using SettingsStore::SettingsStore;
    QStringList reads;
    int readInt(const QString& s, const QString& n, int d) override {
        reads << n;
        return SettingsStore::readInt(s, n, d);
    }
};

std::vector<QString> names(const ImageList& l, const QString& dir) {
    std::vector<QString> out;
    for (const QString& p : l.entries()) out.push_back(p.startsWith(dir + "/") ? p.mid(dir.size() + 1) : p);
    return out;
}
}  // namespace

class DirectoryScanTest : public TempDirTest {
protected:
    QString folder(const QString& name, const QStringList& files) {
        const QString d = path(name);
        QDir().mkpath(d);
        for (const QString& f : files) writeFile(name + "/" + f, "x");
        return d;
    }
};

TEST_F(DirectoryScanTest, FolderRules) {
    const QString d =
        folder("f", {"b.JPG", "A.jpg", "c.txt", "photo.jpg.bak", "photo.jpe", ".hidden.png", "README"});
    QDir().mkpath(d + "/d.jpg");  // a subfolder with a photo's name
    writeFile("f/d.jpg/inner.jpg", "x");
    ImageList l;
    EXPECT_EQ(BuildFromDirectory(l, d, QString(), store(), nullptr), 4);
    const std::vector<QString> expected = {".hidden.png", "A.jpg", "b.JPG", "photo.jpg.bak"};
    EXPECT_EQ(names(l, d), expected);
    EXPECT_EQ(l.entries()[1], d + "/A.jpg");  // the folder and the name joined by one '/'
    EXPECT_EQ(l.cursor(), 0);

    // A trailing '/' is not doubled; the resume photo places the cursor.
    EXPECT_EQ(BuildFromDirectory(l, d + "/", d + "/b.jpg", store(), nullptr), 4);
    EXPECT_EQ(l.entries()[1], d + "/A.jpg");
    EXPECT_EQ(l.cursor(), 2);
}

TEST_F(DirectoryScanTest, ExtensionsCountAnywhereAfterTheFirstCharacter) {
    EXPECT_TRUE(AcceptsPhotoFile("/a.jpg.old/notes.txt", store()));
    EXPECT_TRUE(AcceptsPhotoFile("/x/IMG.JPEG", store()));
    EXPECT_TRUE(AcceptsPhotoFile("/x/scan.TIFF", store()));
    EXPECT_FALSE(AcceptsPhotoFile(".jpg", store()));  // only at the very first character
    EXPECT_TRUE(AcceptsPhotoFile("x.jpg", store()));
    EXPECT_FALSE(AcceptsPhotoFile("/x/photo.jpe", store()));
    EXPECT_FALSE(AcceptsPhotoFile("/x/notes.txt", store()));
    for (const char* ext : {"bmp", "tga", "pcx", "png", "gif", "ico", "tif", "wmf", "heic", "HEIF", "avif"})
        EXPECT_TRUE(AcceptsPhotoFile(QStringLiteral("/x/p.%1").arg(ext), store())) << ext;
}

TEST_F(DirectoryScanTest, EachSwitchTurnsOffItsOwnExtensions) {
    const struct {
        const char* name;
        QStringList off;
    } switches[] = {
        {"JpgFilter", {"a.jpg", "a.jpeg"}}, {"BmpFilter", {"a.bmp"}},           {"TgaFilter", {"a.tga"}},
        {"PcxFilter", {"a.pcx"}},           {"PngFilter", {"a.png"}},           {"GifFilter", {"a.gif"}},
        {"IconFilter", {"a.ico"}},          {"TifFilter", {"a.tif", "a.tiff"}}, {"WmfFilter", {"a.wmf"}},
        {"HeicFilter", {"a.heic"}},         {"HeifFilter", {"a.heif"}},         {"AvifFilter", {"a.avif"}}};
    for (const auto& s : switches) {
        store().writeInt("Config", s.name, 0);
        for (const QString& f : s.off) EXPECT_FALSE(AcceptsPhotoFile("/x/" + f, store())) << s.name;
        // Another extension in the same path still lets it through.
        EXPECT_EQ(AcceptsPhotoFile("/x/" + s.off[0] + ".png", store()), QLatin1String(s.name) != "PngFilter");
        store().writeInt("Config", s.name, 1);
        for (const QString& f : s.off) EXPECT_TRUE(AcceptsPhotoFile("/x/" + f, store())) << s.name;
    }
}

TEST_F(DirectoryScanTest, SwitchesAreReadForEveryFile) {
    CountingStore counting(path("counting.conf"));
    const QString d = folder("g", {"1.jpg", "2.jpg", "3.gif", "notes.txt"});
    ImageList l;
    BuildFromDirectory(l, d, QString(), counting, nullptr);
    EXPECT_EQ(counting.reads.count("JpgFilter"), 2);
    EXPECT_EQ(counting.reads.count("GifFilter"), 1);

    // A switch changed during a run counts at the next scan, without any reload.
    counting.writeInt("Config", "GifFilter", 0);
    BuildFromDirectory(l, d, QString(), counting, nullptr);
    EXPECT_EQ(l.count(), 2);
}

TEST_F(DirectoryScanTest, StatusPaneShowsTheScan) {
    const QString d = folder("h", {"a.jpg", "b.jpg", "c.jpg"});
    RecordingStatusSink status;
    ImageList l;
    BuildFromDirectory(l, d, QString(), store(), &status);
    // Every photo but the listing's first is announced, then the total.
    ASSERT_EQ(status.panes[0].size(), 3);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(status.panes[0][i].startsWith("Adding file to image list: " + d + "/"));
    EXPECT_EQ(status.panes[0].last(), "Image list contains 3 files.");
}

TEST_F(DirectoryScanTest, MissingFolderGivesAnEmptyList) {
    ImageList l;
    l.append("/old.jpg");
    RecordingStatusSink status;
    EXPECT_EQ(BuildFromDirectory(l, path("nowhere"), QString(), store(), &status), 0);
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);
    EXPECT_EQ(status.panes[0], QStringList({"Image list contains 0 files."}));
}
