#include <QDir>
#include <QFile>

#include "album/AlbumFile.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "imagelist/ImageList.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

using namespace ImageListCommandId;

class CommandsTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        photos = path("photos");
        QDir().mkpath(photos);
        // Created out of order; the list sorts them.
        for (const char* n : {"g.jpg", "C.jpg", "a.jpg", "E.png", "b.jpg", "f.gif", "d.JPG", "h.bmp"})
            writeFile(QStringLiteral("photos/") + n, "x");
        doc = std::make_unique<PrintDocument>(store());
        settings().BitmapPath = photos;
        QObject::connect(doc.get(), &PrintDocument::pageDropped, [this] { ++invalidated; });
        QObject::connect(doc.get(), &PrintDocument::listChanged, [this] { ++stateUpdates; });
        // The view stands in zoom mode again after every command that left it.
        QObject::connect(doc.get(), &PrintDocument::zoomModeChanged, [this](bool on) {
            if (on) return;
            ++zoomLeft;
            doc->setZoomMode(true);
        });
        doc->setZoomMode(true);
    }

    ImageListCommands& make() {
        commands =
            std::make_unique<ImageListCommands>(*doc, fakes.services(&store()), [this] { ++tipsShown; });
        return *commands;
    }
    AppSettings& settings() { return doc->settings(); }
    ImageList& list() { return doc->imageList(); }

    // What the rendering pass does with the list for a page of n slots.
    QStringList renderPage(int slots) {
        QStringList drawn;
        list().beginPage();
        for (int i = 0; i < slots; ++i) {
            drawn << list().currentPhoto;
            list().takeNext();
        }
        return drawn;
    }

    QString p(const char* name) const { return photos + "/" + name; }

    QString photos;
    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
    std::unique_ptr<ImageListCommands> commands;
    int invalidated = 0;
    int stateUpdates = 0;
    int zoomLeft = 0;
    int tipsShown = 0;
};

TEST_F(CommandsTest, OpenDirectoryStartsTheFirstPageAtTheChosenPhoto) {
    fakes.files.results.push_back({p("E.png")});  // fifth in the sorted list
    settings().StartSeqPic = p("a.jpg");
    settings().PreviewCheck = 0;
    store().writeString("PhotoAlbum", "ImportedAlbum", "/old/album.pho");
    settings().ImportedAlbum = "/old/album.pho";
    make().run(OpenDirectory);

    ASSERT_EQ(fakes.files.requests.size(), 1u);
    const FileDialogRequest& r = fakes.files.requests[0];
    EXPECT_EQ(r.title, "Open Directory And Start At Selected Image");
    EXPECT_EQ(r.defaultExtension, "jpg");
    EXPECT_EQ(r.initialPath, p("a.jpg"));
    EXPECT_EQ(r.filter, photoFileFilter());
    EXPECT_FALSE(r.preview);

    EXPECT_EQ(list().count(), 8);
    EXPECT_EQ(list().indexOf(p("E.png")), 5);
    EXPECT_EQ(settings().BitmapPath, photos + "/");
    EXPECT_EQ(store().readString("Config", "BitmapPath", ""), photos + "/");
    EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", "?"), "");
    EXPECT_TRUE(settings().ImportedAlbum.isEmpty());
    EXPECT_EQ(settings().StartSeqPic, p("E.png"));
    EXPECT_EQ(renderPage(3), QStringList({p("E.png"), p("f.gif"), p("g.jpg")}));
    EXPECT_EQ(list().pageFirstPhoto, p("E.png"));
    EXPECT_EQ(invalidated, 1);
    EXPECT_EQ(stateUpdates, 1);
    EXPECT_EQ(tipsShown, 1);

    // Cancel changes nothing but the command states; tips come only with the first build.
    make().run(OpenDirectory);
    EXPECT_EQ(list().count(), 8);
    EXPECT_EQ(stateUpdates, 2);  // the cancel updates the states too
    fakes.files.results.push_back({p("a.jpg")});
    commands->openDirectory();
    EXPECT_EQ(tipsShown, 2);  // the second object's own first build
    fakes.files.results.push_back({p("b.jpg")});
    commands->openDirectory();
    EXPECT_EQ(tipsShown, 2);
}

TEST_F(CommandsTest, WelcomeTipsStayHiddenWhenSwitchedOff) {
    settings().WelcomeTipStatus = 1;
    make().startUp();
    EXPECT_EQ(list().count(), 8);
    EXPECT_EQ(tipsShown, 0);
}

TEST_F(CommandsTest, GifSwitchSkipsTheScanButNotAddFiles) {
    store().writeInt("Config", "GifFilter", 0);
    make().startUp();
    EXPECT_EQ(list().count(), 7);
    EXPECT_EQ(list().indexOf(p("f.gif")), 0);

    fakes.notifier.plainAnswers.push_back(1);  // No: keep the list
    fakes.files.results.push_back({p("f.gif"), p("a.jpg")});
    commands->addFiles();
    EXPECT_EQ(list().count(), 9);
    EXPECT_EQ(list().indexOf(p("f.gif")), 7);
    EXPECT_EQ(list().entries()[0], p("a.jpg"));
    EXPECT_EQ(list().entries()[1], p("a.jpg"));  // the same file twice is two entries
}

TEST_F(CommandsTest, AddFilesAsksToEraseAndKeepsTheCursorPosition) {
    make().startUp();
    list().setCursor(2);
    const QString before = list().entries()[2];
    fakes.notifier.plainAnswers.push_back(1);  // No
    fakes.files.results.push_back({path("other/0.jpg")});
    commands->addFiles();
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_TRUE(fakes.notifier.shown[0].plain);
    EXPECT_EQ(fakes.notifier.shown[0].text, "Do you want to erase your current image list first?");
    EXPECT_EQ(fakes.notifier.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fakes.files.requests.back().title, "Add Additional Image Files To Image List");
    EXPECT_EQ(list().count(), 9);
    // The new path sorted in ahead of the cursor: the cursor stays at position 2.
    EXPECT_EQ(list().cursor(), 2);
    EXPECT_NE(list().entries()[2], before);

    // Yes erases first, and forgets every position.
    list().currentPhoto = p("a.jpg");
    settings().StartSeqPic = p("a.jpg");
    fakes.notifier.plainAnswers.push_back(0);
    fakes.files.results.push_back({p("b.jpg"), p("a.jpg")});
    commands->addFiles();
    EXPECT_EQ(list().entries(), std::vector<QString>({p("a.jpg"), p("b.jpg")}));
    EXPECT_TRUE(settings().StartSeqPic.isEmpty());
    EXPECT_EQ(list().cursor(), ImageList::kNoCursor);
    EXPECT_EQ(renderPage(1), QStringList({p("a.jpg")}));
}

TEST_F(CommandsTest, AddFilesCancelledAfterEraseRedrawsAnEmptyPage) {
    make().startUp();
    renderPage(2);
    zoomLeft = invalidated = 0;
    fakes.notifier.plainAnswers.push_back(0);  // Yes, erase; then the dialog is cancelled
    commands->addFiles();
    EXPECT_TRUE(list().isEmpty());
    EXPECT_TRUE(list().currentPhoto.isEmpty());
    EXPECT_EQ(zoomLeft, 1);  // the Redraw ran
    EXPECT_EQ(invalidated, 1);

    // On an empty list nothing is asked.
    fakes.notifier.shown.clear();
    commands->addFiles();
    EXPECT_TRUE(fakes.notifier.shown.empty());
}

TEST_F(CommandsTest, ImportKeepsTheAlbumOrder) {
    Album album;
    album.files = {p("h.bmp"), p("a.jpg"), p("C.jpg"), p("a.jpg")};  // unsorted, one duplicate
    const QString albumPath = path("trip.pho");
    ASSERT_TRUE(WriteAlbumFile(albumPath, album, QDateTime::currentDateTime(), QString()));
    make().startUp();
    settings().StartSeqPic = p("g.jpg");

    fakes.files.results.push_back({albumPath});
    commands->run(ImportAlbum);
    const FileDialogRequest& r = fakes.files.requests.back();
    EXPECT_EQ(r.title, "Import Photo Album File");
    EXPECT_EQ(r.defaultExtension, "pho");
    EXPECT_EQ(r.filter, "Photo Album Files(*.pho) | *.pho");
    EXPECT_TRUE(r.preview);

    EXPECT_EQ(list().entries(), std::vector<QString>({p("h.bmp"), p("a.jpg"), p("C.jpg")}));
    EXPECT_EQ(fakes.notifier.shown.back().text, "1 duplicate image files ignored]");
    EXPECT_EQ(settings().ImportedAlbum, albumPath);
    EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", ""), albumPath);
    EXPECT_TRUE(settings().StartSeqPic.isEmpty());
    EXPECT_EQ(renderPage(2), QStringList({p("h.bmp"), p("a.jpg")}));

    // An album that cannot be read leaves the list empty.
    fakes.files.results.push_back({path("gone.pho")});
    commands->importAlbum();
    EXPECT_TRUE(list().isEmpty());
}

TEST_F(CommandsTest, ExportNamesTheAlbumAndRecordsIt) {
    make().startUp();
    fakes.files.results.push_back({path("trip")});
    commands->run(ExportToAlbum);
    const FileDialogRequest& r = fakes.files.requests.back();
    EXPECT_EQ(r.title, "Save Photo Image List As Photo Album");
    EXPECT_EQ(r.filter, "Photo Album Files|*.pho|All Files|*.*||");
    EXPECT_TRUE(r.overwritePrompt);
    ASSERT_TRUE(QFile::exists(path("trip.pho")));
    EXPECT_EQ(settings().ImportedAlbum, path("trip.pho"));
    EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", ""), path("trip.pho"));

    Album back;
    QString update;
    ASSERT_TRUE(ReadAlbumFile(path("trip.pho"), back, update, nullptr));
    EXPECT_EQ(back.files.size(), 8);
    EXPECT_EQ(back.files.first(), list().entries().front());
    EXPECT_EQ(update, "Sun Jul 14 15:30:00 2024");  // the fake clock's time
    // With its first page as the thumbnail, as a save from the album editor keeps it.
    EXPECT_TRUE(readFileBytes(path("trip.pho")).contains("[StartThumb]"));

    // A name with a full stop stays as typed; folder names with one do not count.
    fakes.files.results.push_back({path("trip.old")});
    commands->exportToAlbum();
    EXPECT_TRUE(QFile::exists(path("trip.old")));
    QDir().mkpath(path("john.doe"));
    fakes.files.results.push_back({path("john.doe/trip")});
    commands->exportToAlbum();
    EXPECT_TRUE(QFile::exists(path("john.doe/trip.pho")));
}

TEST_F(CommandsTest, ExportAsksBeforeReplacingTheAlbumItNamesItself) {
    make().startUp();
    const QString old = writeFile("trip.pho", "an older album");
    fakes.notifier.answers = {Answer::No};
    fakes.files.results.push_back({path("trip")});
    commands->exportToAlbum();
    EXPECT_EQ(readFileBytes(old), QByteArray("an older album"));
    EXPECT_NE(settings().ImportedAlbum, old);
    ASSERT_FALSE(fakes.notifier.shown.empty());
    EXPECT_EQ(fakes.notifier.shown.back().text, "trip.pho already exists.\nDo you want to replace it?");

    fakes.notifier.answers = {Answer::Yes};
    fakes.files.results.push_back({path("trip")});
    commands->exportToAlbum();
    EXPECT_NE(readFileBytes(old), QByteArray("an older album"));
    EXPECT_EQ(settings().ImportedAlbum, old);
}

TEST_F(CommandsTest, ExportFailuresAreToldAndChangeNothing) {
    make();
    commands->exportToAlbum();
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].title, "Snapvale List Empty");
    EXPECT_EQ(fakes.notifier.shown[0].text, "Your image list is empty!");
    EXPECT_TRUE(fakes.files.requests.empty());

    commands->startUp();
    settings().ImportedAlbum = "/keep.pho";
    writeFile("plain", "x");
    fakes.files.results.push_back({path("plain/trip.pho")});
    commands->exportToAlbum();
    EXPECT_EQ(fakes.notifier.shown.back().kind, MessageKind::Error);
    EXPECT_TRUE(fakes.notifier.shown.back().text.contains(path("plain/trip.pho")));
    EXPECT_EQ(settings().ImportedAlbum, "/keep.pho");
    EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", "unset"), "unset");
}

TEST_F(CommandsTest, EraseAsksAndLightsTheDarkGreenLamp) {
    make().run(Erase);
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].title, "Snapvale List Empty");
    EXPECT_EQ(fakes.notifier.shown[0].text, "Your image list is already empty!");
    EXPECT_EQ(fakes.notifier.shown[0].kind, MessageKind::Information);

    commands->startUp();
    renderPage(1);
    fakes.notifier.answers.push_back(Answer::No);
    commands->erase();
    EXPECT_EQ(list().count(), 8);
    EXPECT_EQ(fakes.notifier.shown.back().title, "Snapvale Delete Image List?");
    EXPECT_EQ(fakes.notifier.shown.back().text,
              "Do you want to remove ALL image files from the current image list?");
    EXPECT_EQ(fakes.notifier.shown.back().kind, MessageKind::WarningQuestion);
    EXPECT_TRUE(fakes.status.indicators.isEmpty());

    settings().ImportedAlbum = "/a.pho";
    fakes.notifier.answers.push_back(Answer::Yes);
    commands->erase();
    EXPECT_TRUE(list().isEmpty());
    EXPECT_TRUE(list().currentPhoto.isEmpty());
    EXPECT_TRUE(settings().StartSeqPic.isEmpty());
    EXPECT_EQ(settings().BitmapPath, photos);  // kept for the next start
    EXPECT_EQ(settings().ImportedAlbum, "/a.pho");
    EXPECT_EQ(fakes.status.indicators, QStringList({"LED_DKGRN"}));
}

TEST_F(CommandsTest, PagingForwardBackwardAndRedraw) {
    make().startUp();
    EXPECT_EQ(renderPage(2), QStringList({p("a.jpg"), p("b.jpg")}));
    commands->run(NextPage);
    EXPECT_EQ(renderPage(2), QStringList({p("C.jpg"), p("d.JPG")}));
    EXPECT_EQ(zoomLeft, 1);

    // Turning back takes two photos backward first.
    commands->run(PreviousPage);
    EXPECT_EQ(list().direction(), ImageList::Direction::Backward);
    EXPECT_EQ(list().currentPhoto, p("E.png"));
    EXPECT_EQ(renderPage(2), QStringList({p("E.png"), p("d.JPG")}));

    commands->run(NextPage);
    EXPECT_EQ(list().direction(), ImageList::Direction::Forward);
    EXPECT_EQ(list().currentPhoto, p("C.jpg"));

    // Redraw goes back to the page's first photo.
    list().pageFirstPhoto = p("f.gif");
    commands->run(Redraw);
    EXPECT_EQ(list().currentPhoto, p("f.gif"));
    EXPECT_EQ(list().cursor(), 6);
    EXPECT_EQ(zoomLeft, 4);
    EXPECT_EQ(invalidated, 4);  // Next, Previous, Next and Redraw
}

TEST_F(CommandsTest, SingleImagePagesStepOnePhotoEach) {
    settings().UseSingleImage = 1;
    make().startUp();
    list().beginPage();
    EXPECT_EQ(list().currentPhoto, p("a.jpg"));
    commands->nextPage();
    EXPECT_EQ(list().currentPhoto, p("b.jpg"));
    commands->nextPage();
    EXPECT_EQ(list().currentPhoto, p("C.jpg"));
    commands->previousPage();  // two back to turn, one more for the page
    EXPECT_EQ(list().currentPhoto, p("b.jpg"));
}

TEST_F(CommandsTest, ResumesAtTheLastPhotoAfterARestart) {
    const QString conf = path("config/Tarnwick/Snapvale.conf");
    QString lastPhoto;
    {
        SettingsStore s(conf);
        PrintDocument d(s);
        AppSettings& a = d.settings();
        a.BitmapPath = photos;
        ImageList& l = d.imageList();
        FakeServices f;
        ImageListCommands c(d, f.services(&s));
        c.startUp();
        l.beginPage();
        l.takeNext();
        c.nextPage();
        l.beginPage();
        l.takeNext();
        l.takeNext();
        lastPhoto = c.endOfRunPhoto();
        EXPECT_EQ(lastPhoto, p("d.JPG"));
        a.writeViewEnd(s, c.endOfRunPhoto());
    }
    {
        SettingsStore s(conf);
        PrintDocument d(s);
        ImageList& l = d.imageList();
        FakeServices f;
        ImageListCommands c(d, f.services(&s));
        c.startUp();
        l.beginPage();
        EXPECT_EQ(l.currentPhoto, lastPhoto);
        EXPECT_EQ(l.pageFirstPhoto, lastPhoto);
    }
}

TEST_F(CommandsTest, AnAlbumListResumesToo) {
    const QString conf = path("config/Tarnwick/Snapvale.conf");
    Album album;
    album.files = {p("h.bmp"), p("b.jpg"), p("a.jpg")};
    ASSERT_TRUE(WriteAlbumFile(path("r.pho"), album, QDateTime::currentDateTime(), QString()));
    {
        SettingsStore s(conf);
        PrintDocument d(s);
        AppSettings& a = d.settings();
        a.ImportedAlbum = path("r.pho");
        ImageList& l = d.imageList();
        FakeServices f;
        ImageListCommands c(d, f.services(&s));
        c.startUp();
        // The first page starts at the album's first photo, which is drawn once.
        l.beginPage();
        QStringList drawn;
        for (int i = 0; i < 2; ++i) {
            drawn << l.currentPhoto;
            l.takeNext();
        }
        EXPECT_EQ(drawn, QStringList({p("h.bmp"), p("b.jpg")}));
        a.writeViewEnd(s, c.endOfRunPhoto());
    }
    {
        SettingsStore s(conf);
        PrintDocument d(s);
        ImageList& l = d.imageList();
        FakeServices f;
        ImageListCommands c(d, f.services(&s));
        c.startUp();
        EXPECT_EQ(l.count(), 3);
        l.beginPage();
        EXPECT_EQ(l.currentPhoto, p("a.jpg"));
    }
}

TEST_F(CommandsTest, DispatchCoversTheNineCommandsAndUpdatesStates) {
    for (int id : {OpenDirectory, AddFiles, ImportAlbum, ExportToAlbum, Erase, NextPage, PreviousPage, Redraw,
                   ExportHtml})
        EXPECT_TRUE(ImageListCommands::handles(id)) << id;
    EXPECT_FALSE(ImageListCommands::handles(32814));
    make();
    EXPECT_FALSE(commands->run(32814));
    const int before = stateUpdates;
    for (int id : {OpenDirectory, ImportAlbum, ExportToAlbum, Erase, NextPage, PreviousPage, Redraw})
        commands->run(id);
    EXPECT_EQ(stateUpdates - before, 7);
}
