// The main window on a desktop: what a drop brings into the list, and help pages that
// open in a window of our own where the desktop has no browser for them.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include "album/AlbumFile.h"
#include "app/GuiSeams.h"
#include "app/StatusPanes.h"
#include "gui/GuiFixture.h"

namespace {

class DropTest : public MainWindowTest {
protected:
    void drop(CSnapvaleDlg& w, const QStringList& paths) { w.openDroppedPaths(paths); }
    QStringList listed(CSnapvaleDlg& w) {
        QStringList l;
        for (const QString& p : w.document().imageList().entries()) l << QFileInfo(p).fileName();
        return l;
    }
};

TEST_F(DropTest, FolderFilesAndAlbumsEachGoInLikeTheirCommand) {
    QDir().mkpath(path("trip"));
    for (const char* n : {"b.jpg", "a.png", "notes.txt"}) writeFile(QStringLiteral("trip/") + n, "x");
    CSnapvaleDlg& w = open();

    drop(w, {path("trip")});
    EXPECT_EQ(listed(w), QStringList({"a.png", "b.jpg"}));
    EXPECT_EQ(w.document().settings().BitmapPath, path("trip") + "/");
    EXPECT_TRUE(files.requests.empty()) << "no dialog for a drop";

    QDir().mkpath(path("z"));
    writeFile("z/c.gif", "x");
    drop(w, {path("z/c.gif"), path("trip/notes.txt")});
    EXPECT_EQ(listed(w), QStringList({"a.png", "b.jpg", "c.gif"}));
    EXPECT_TRUE(w.statusPanes()->paneText(0).contains("1 dropped item"));

    Album album;
    album.files = {path("trip/b.jpg")};
    ASSERT_TRUE(WriteAlbumFile(path("one.pho"), album, QDateTime::currentDateTime(), QString()));
    drop(w, {path("one.pho")});
    EXPECT_EQ(listed(w), QStringList({"b.jpg"}));
    EXPECT_EQ(w.document().settings().ImportedAlbum, path("one.pho"));
}

TEST(DesktopLauncherTest, APageTheDesktopCannotOpenShowsInOurOwnWindow) {
    QTemporaryDir dir;
    const QString page = dir.filePath("Intro.htm");
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><p>Welcome to the help</p><a href=\"Other.htm\">next</a></body></html>");
    f.close();

    int asked = 0;
    DesktopLauncher launcher([&](const QUrl&) {
        ++asked;
        return false;
    });
    EXPECT_TRUE(launcher.openLocalFile(page));
    EXPECT_EQ(asked, 1);
    ASSERT_NE(launcher.ownWindow(), nullptr);
    EXPECT_TRUE(launcher.ownWindow()->browser()->toPlainText().contains("Welcome to the help"));
    EXPECT_TRUE(launcher.ownWindow()->location()->text().contains(page)) << "it says where the file is";

    // A desktop that takes the page: no window of ours.
    DesktopLauncher willing([](const QUrl&) { return true; });
    EXPECT_TRUE(willing.openLocalFile(page));
    EXPECT_EQ(willing.ownWindow(), nullptr);
    // What is no page stays the desktop's to refuse.
    EXPECT_FALSE(launcher.openLocalFile(dir.filePath("photo.jpg")));
}

}  // namespace
