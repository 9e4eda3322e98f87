// The album editor and the file chooser it shares with the image list: the editor's
// rules without a window, the editor driven through its own controls on the
// offscreen platform, and the chooser's preview panel.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "album/AlbumFile.h"
#include "core/CommandIds.h"
#include "document/PrintDocument.h"
#include "gui/GuiFixture.h"
#include "ui/AccessibleLabels.h"
#include "ui/albumeditor/AlbumEditor.h"
#include "ui/albumeditor/AlbumEditorModel.h"
#include "ui/fileopen/CPMFileOpen.h"
#include "ui/fileopen/FileOpenModel.h"

namespace {

using namespace album_editor;

TEST(AlbumEditorRulesTest, SortDeleteAndLineBreaks) {
    QStringList files = {"/p/b.jpg", "/p/C.jpg", "/P/z.jpg", "/p/A.jpg", "/p/c.jpg"};
    sortAlbumFiles(files);
    // Letter case ignored, equal names kept in the order they came.
    EXPECT_EQ(files, QStringList({"/p/A.jpg", "/p/b.jpg", "/p/C.jpg", "/p/c.jpg", "/P/z.jpg"}));

    const struct {
        QList<int> removed;
        int count;
        int row;
    } deletes[] = {
        {{2, 3}, 6, 2},     // the row after the removed run
        {{5}, 6, 0},        // the last row removed: back to the first
        {{0, 1, 2}, 5, 0},  //
        {{1, 4}, 6, 3},     // highest - count removed + 1
        {{0}, 1, -1},       // nothing left
    };
    for (const auto& d : deletes) EXPECT_EQ(rowAfterDelete(d.removed, d.count), d.row) << d.removed.size();

    EXPECT_EQ(descriptionForBox("one\r\ntwo\rthree"), "one\ntwo\nthree");
    EXPECT_EQ(descriptionForAlbum("one\ntwo"), "one\r\ntwo");
}

TEST(FileOpenModelTest, InformationLinesAndCollection) {
    using namespace file_open;
    EXPECT_EQ(photoInformationLine("/home/me/a.jpg", 640, 480), "/home/me/a.jpg [640 x 480]");
    const QString longPath = "/home/me/" + QString(120, QLatin1Char('x')) + "/last.jpg";
    const QString line = photoInformationLine(longPath, 4000, 3000);
    EXPECT_LE(line.size(), 70);
    EXPECT_TRUE(line.startsWith("/home/me/")) << line.toStdString();
    EXPECT_TRUE(line.endsWith("last.jpg [4000 x 3000]")) << line.toStdString();
    const QString unknown = unknownFormatLine(longPath);
    EXPECT_LE(unknown.size(), 90);
    EXPECT_TRUE(unknown.startsWith("**Unknown Format** /home/me/")) << unknown.toStdString();
    EXPECT_TRUE(unknown.endsWith("[0 x 0]"));
    EXPECT_EQ(albumInformationLine(3), "Photo Album [3 image files]");
    EXPECT_EQ(lastUpdateLine(""), "");

    AlbumCollection gathered;
    EXPECT_EQ(gathered.add({"/a/1.jpg", "/a/2.jpg"}), 0);
    EXPECT_EQ(gathered.statusText(0), "Album Status: 2 file(s) selected");
    const int skipped = gathered.add({"/a/2.jpg", "/b/1.jpg", "/b/1.jpg"});
    EXPECT_EQ(skipped, 2);
    EXPECT_EQ(gathered.files(), QStringList({"/a/1.jpg", "/a/2.jpg", "/b/1.jpg"}));
    EXPECT_EQ(gathered.statusText(skipped), "Album Status: 3 file(s) selected [2 duplicates ignored]");
}

class ChooserPlaceTest : public TempDirTest {};

TEST_F(ChooserPlaceTest, OpensBesideTheInitialNameElseInTheListsFolder) {
    using namespace file_open;
    QDir().mkpath(path("list"));
    const QString photo = writeFile("shots/a.jpg", "x");
    const struct {
        QString initial;
        QString fallback;
        QString folder;
        QString name;
    } cases[] = {
        {photo, path("list"), path("shots"), "a.jpg"},
        {path("shots/gone.jpg"), path("list"), path("shots"), "gone.jpg"},
        {path("shots"), path("list"), path("shots"), ""},
        {"Untitled-1.pho", path("list"), path("list"), "Untitled-1.pho"},
        {"", path("list"), path("list"), ""},
        {path("nowhere/a.jpg"), path("list"), path("list"), ""},
        {"", "", QDir::homePath(), ""},
        {"", "relative/folder", QDir::homePath(), ""},
    };
    for (const auto& c : cases) {
        const StartPlace place = startPlace(c.initial, c.fallback);
        EXPECT_EQ(place.folder, c.folder) << c.initial.toStdString() << " | " << c.fallback.toStdString();
        EXPECT_EQ(place.fileName, c.name) << c.initial.toStdString();
    }
}

class AlbumEditorTest : public TempDirTest {
protected:
    FakeServices fakes;
    std::unique_ptr<PrintDocument> document;
    std::unique_ptr<AlbumEditor> editor;
    QList<int> commands;
    QStringList photos;  // sorted as the album keeps them

    void SetUp() override {
        TempDirTest::SetUp();
        QDir().mkpath(path("pics"));
        QImage picture(64, 48, QImage::Format_RGB32);
        int shade = 40;
        for (const char* name : {"d.jpg", "B.jpg", "a.png", "c.jpg", "F.jpg", "e.jpg"}) {
            picture.fill(QColor(shade, 120, 200 - shade));
            shade += 25;
            ASSERT_TRUE(picture.save(path(QStringLiteral("pics/") + name)));
        }
        for (const char* name : {"a.png", "B.jpg", "c.jpg", "d.jpg", "e.jpg", "F.jpg"})
            photos << path(QStringLiteral("pics/") + name);
        store().writeString("Config", "BitmapPath", path("pics"));
        document = std::make_unique<PrintDocument>(store());
    }

    AlbumEditor& open() {
        editor.reset();
        AlbumEditorContext context;
        context.document = document.get();
        context.services = fakes.services(&store());
        context.helpDir = path("html");
        context.runCommand = [this](int id) { commands << id; };
        editor = std::make_unique<AlbumEditor>(context);
        return *editor;
    }

    // Add Files with the chooser handing back these files.
    void addFiles(const QStringList& chosen) {
        fakes.files.results.push_back(chosen);
        editor->run(AlbumEditor::AddFiles);
    }

    QStringList listed() const {
        QStringList rows;
        for (int i = 0; i < editor->contents()->count(); ++i) rows << editor->contents()->item(i)->text();
        return rows;
    }
};

TEST_F(AlbumEditorTest, ANewAlbumFillsUpSortedAndCountsItsUntitledNames) {
    AlbumEditor& e = open();
    EXPECT_EQ(e.windowTitle(), "Electronic Photo Album: Untitled-1.pho");
    for (auto c : {AlbumEditor::New, AlbumEditor::Save, AlbumEditor::Delete})
        EXPECT_FALSE(e.action(c)->isEnabled()) << c;
    EXPECT_TRUE(e.action(AlbumEditor::AddFiles)->isEnabled());
    EXPECT_FALSE(e.nextPageButton()->isEnabled());

    addFiles({photos[3], photos[0], photos[5]});
    const FileDialogRequest& request = fakes.files.requests.back();
    EXPECT_EQ(request.title, "Add Additional Image Files To Photo Album");
    EXPECT_TRUE(request.addToAlbum);
    EXPECT_EQ(request.fallbackFolder, path("pics"));
    EXPECT_EQ(listed(), QStringList({photos[0], photos[3], photos[5]}));
    EXPECT_EQ(e.windowTitle(), "Electronic Photo Album: Untitled-1.pho*");
    EXPECT_TRUE(e.action(AlbumEditor::New)->isEnabled());
    EXPECT_TRUE(e.action(AlbumEditor::Save)->isEnabled());
    EXPECT_TRUE(e.nextPageButton()->isEnabled());

    // New asks about the changes first; No drops them.
    fakes.notifier.answers = {Answer::No};
    e.run(AlbumEditor::New);
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].title, "Photo Album Edit Warning: Save Changes?");
    EXPECT_EQ(fakes.notifier.shown[0].text, "Do you want to save your changes?");
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(e.windowTitle().startsWith("Electronic Photo Album: Untitled-2.pho"))
        << e.windowTitle().toStdString();

    // Cancel in the chooser adds nothing.
    addFiles({});
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(AlbumEditorTest, SavingAnUntitledAlbumAsksForANameAndKeepsAThumbnail) {
    AlbumEditor& e = open();
    addFiles(photos.mid(0, 3));
    e.titleEdit()->setText("Summer");
    fakes.files.results.push_back({path("trip")});
    e.run(AlbumEditor::Save);
    ASSERT_EQ(fakes.files.requests.back().title, "Save Photo Image List As Photo Album");
    EXPECT_EQ(fakes.files.requests.back().initialPath, "Untitled-1.pho");
    ASSERT_TRUE(QFile::exists(path("trip.pho")));
    EXPECT_EQ(e.windowTitle(), "Electronic Photo Album: " + path("trip.pho"));

    // The chooser's preview of the album: its count, its date and its thumbnail.
    const file_open::AlbumPreview preview = file_open::readAlbumPreview(path("trip.pho"));
    ASSERT_TRUE(preview.read);
    EXPECT_EQ(preview.imageCount, 3);
    EXPECT_EQ(preview.lastUpdate, "Sun Jul 14 15:30:00 2024");
    EXPECT_FALSE(preview.thumbnail.isNull());

    // Opened again, the editor shows the album as it was saved.
    store().writeString("PhotoAlbum", "ImportedAlbum", path("trip.pho"));
    document = std::make_unique<PrintDocument>(store());
    AlbumEditor& again = open();
    EXPECT_EQ(listed(), photos.mid(0, 3));
    EXPECT_EQ(again.titleEdit()->text(), "Summer");
    EXPECT_EQ(again.windowTitle(), "Electronic Photo Album: " + path("trip.pho"));

    // Saving an empty album says so and writes nothing.
    fakes.notifier.shown.clear();
    again.contents()->selectAll();
    again.run(AlbumEditor::Delete);
    fakes.files.results.push_back({path("empty")});
    again.run(AlbumEditor::SaveAs);
    EXPECT_EQ(fakes.notifier.texts(), QStringList({"Your album is empty!"}));
    EXPECT_FALSE(QFile::exists(path("empty.pho")));
}

TEST_F(AlbumEditorTest, DeleteTakesTheSelectionAndSelectsTheRowAfterIt) {
    AlbumEditor& e = open();
    addFiles(photos);
    e.contents()->clearSelection();
    e.run(AlbumEditor::Delete);
    EXPECT_EQ(fakes.notifier.texts(), QStringList({"There is nothing selected to delete!"}));
    EXPECT_EQ(listed().size(), 6);

    e.contents()->item(2)->setSelected(true);
    e.contents()->item(3)->setSelected(true);
    EXPECT_TRUE(e.action(AlbumEditor::Delete)->isEnabled());
    e.run(AlbumEditor::Delete);
    EXPECT_EQ(listed(), QStringList({photos[0], photos[1], photos[4], photos[5]}));
    ASSERT_EQ(e.contents()->selectedItems().size(), 1);
    EXPECT_EQ(e.contents()->currentRow(), 2);
}

TEST_F(AlbumEditorTest, CtrlClickOnlyMovesWhereTheNextPageStarts) {
    AlbumEditor& e = open();
    addFiles(photos);
    e.show();
    QCoreApplication::processEvents();  // the page area draws its page
    const AlbumPageModel& pages = e.model().pages();
    ASSERT_TRUE(pages.hasCachedPreview());
    ASSERT_EQ(pages.firstFileOfPage(), 0);
    e.clickRow(4, true);
    e.pageArea()->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(pages.firstFileOfPage(), 0) << "the page on display stays";
    e.nextPage();
    EXPECT_EQ(pages.firstFileOfPage(), 4) << "Next Page goes to the file chosen";
}

TEST_F(AlbumEditorTest, TheDescriptionCanBeWrittenBeforeThePhotosOnlyPasteWaits) {
    AlbumEditor& e = open();
    EXPECT_TRUE(e.descriptionBox()->isEnabled());
    EXPECT_FALSE(e.pasteButton()->isEnabled());
    EXPECT_FALSE(e.layoutChoice()->isEnabled());
    addFiles(photos);
    EXPECT_TRUE(e.pasteButton()->isEnabled());
    EXPECT_TRUE(e.layoutChoice()->isEnabled());
}

TEST_F(AlbumEditorTest, CloseLeavesAtOnceTheCloseBoxAsksFirst) {
    AlbumEditor& e = open();
    addFiles(photos.mid(0, 2));
    e.show();
    e.run(AlbumEditor::Close);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(fakes.notifier.shown.empty());

    // The close box: Yes, then Cancel in the name chooser, keeps the editor and its album.
    e.show();
    fakes.notifier.answers = {Answer::Yes};
    e.reject();
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(listed().size(), 2);
    EXPECT_TRUE(e.windowTitle().endsWith('*'));
    // No closes it.
    fakes.notifier.answers = {Answer::No};
    e.reject();
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(fakes.notifier.shown.size(), 2u);
}

TEST_F(AlbumEditorTest, LayoutChoicesAndPasteAreKept) {
    AlbumEditor& e = open();
    addFiles(photos);
    e.layoutChoice()->setCurrentText("3 x 3");
    EXPECT_EQ(e.model().pages().photosPerPage(), 9);
    e.twoPage()->setChecked(true);
    EXPECT_EQ(e.model().pages().photosPerPage(), 18);  // a spread of two pages
    EXPECT_EQ(store().readString("PhotoAlbum", "PageLayout", ""), "3 x 3");
    EXPECT_EQ(store().readInt("PhotoAlbum", "TwoPageAlbum", -1), 1);

    // Paste with nothing on the clipboard says so; with text it replaces the description.
    e.pasteDescription();
    EXPECT_EQ(fakes.notifier.texts(), QStringList({"No text in clipboard to paste!"}));
    fakes.clipboard.held = "Beach\r\nand hills";
    e.pasteDescription();
    EXPECT_EQ(e.descriptionBox()->toPlainText(), "Beach\nand hills");
    EXPECT_EQ(e.model().description(), "Beach\nand hills");

    // A new editor starts with the choices made.
    AlbumEditor& again = open();
    EXPECT_EQ(again.layoutChoice()->currentText(), "3 x 3");
    EXPECT_TRUE(again.twoPage()->isChecked());
}

TEST_F(AlbumEditorTest, ToolbarOrderAndAccessibleNames) {
    // As the main window does before any dialog exists.
    installAccessibleLabels();
    AlbumEditor& e = open();
    QStringList texts;
    for (QAction* a : e.toolBar()->actions()) texts << a->text();
    EXPECT_EQ(texts, QStringList({"New", "Open", "Add Files", "Save", "Delete", "Help", "Close"}));
    // Save As, the page print and the printer setup are in the More menu.
    e.run(AlbumEditor::PrinterSetup);
    EXPECT_EQ(commands, QList<int>({cmd::PrinterSetup}));
    e.show();
    for (QWidget* w : e.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    // Assistive tools meet the layout choice under its label, its entry as the value.
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(e.layoutChoice());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->text(QAccessible::Name), "Photo Page Layout");
    EXPECT_EQ(combo->text(QAccessible::Value), "1 x 1");
    // The bus has no value text for a combo box: the entry leads its description.
    EXPECT_TRUE(combo->text(QAccessible::Description).startsWith("1 x 1. "));
    EXPECT_TRUE(combo->text(QAccessible::Description).endsWith(e.layoutChoice()->toolTip()))
        << "then its tip";
    e.layoutChoice()->setCurrentIndex(2);
    EXPECT_TRUE(combo->text(QAccessible::Description).startsWith(e.layoutChoice()->currentText() + ". "));
    EXPECT_NE(e.layoutChoice()->currentText(), "1 x 1");
    EXPECT_EQ(combo->childCount(), 1);
    // The tool bar's own button for the commands that do not fit has a name too.
    auto* overflow = e.toolBar()->findChild<QToolButton*>("qt_toolbar_ext_button");
    ASSERT_NE(overflow, nullptr);
    EXPECT_FALSE(overflow->accessibleName().isEmpty());
    QAccessibleInterface* more = QAccessible::queryAccessibleInterface(e.moreButton());
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->text(QAccessible::Name), "More");
}

TEST_F(MainWindowTest, ToolsEditPhotoAlbumOpensTheEditor) {
    CSnapvaleDlg& w = open();
    QString title;
    QTimer::singleShot(0, [&] {
        auto* e = qobject_cast<AlbumEditor*>(QApplication::activeModalWidget());
        if (!e) return;
        title = e->windowTitle();
        e->run(AlbumEditor::Close);
    });
    w.runCommand(cmd::EditAlbum);
    EXPECT_EQ(title, "Electronic Photo Album: Untitled-1.pho");
}

class FileChooserTest : public TempDirTest {};

TEST_F(FileChooserTest, PreviewsPhotosAlbumsAndUnknownFiles) {
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(path("green.png")));
    const QString junk = writeFile("junk.jpg", "not a photo at all");
    Album album;
    album.files = {path("green.png"), path("green.png"), path("junk.jpg")};
    ASSERT_TRUE(
        WriteAlbumFile(path("holiday.pho"), album, QDateTime(QDate(2025, 3, 1), QTime(9, 0)), QString()));

    FileDialogRequest request;
    request.title = "Add Additional Image Files To Photo Album";
    request.initialPath = path("green.png");
    request.preview = true;
    request.addToAlbum = true;
    CPMFileOpen dialog(request, CPMFileOpen::Mode::OpenMany);
    // Opening on a photo previews it at once.
    EXPECT_EQ(dialog.informationLine()->text(), path("green.png") + " [640 x 480]");
    ASSERT_FALSE(dialog.previewPicture().isNull());
    EXPECT_LE(dialog.previewPicture().width(), dialog.previewArea()->width());
    EXPECT_EQ(dialog.previewPicture().pixelColor(5, 5), QColor(Qt::darkGreen));

    dialog.showPreviewOf(junk);
    EXPECT_TRUE(dialog.informationLine()->text().startsWith("**Unknown Format** ")) << "";
    EXPECT_TRUE(dialog.previewPicture().isNull());

    // A name typed into the field previews as well, here an album of another folder.
    QDir().mkpath(path("albums"));
    ASSERT_TRUE(QFile::rename(path("holiday.pho"), path("albums/holiday.pho")));
    auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    nameField->setText(path("albums/holiday.pho"));
    EXPECT_EQ(dialog.informationLine()->text(), "Photo Album [3 image files]");
    EXPECT_TRUE(dialog.statusLine()->text().startsWith("Last update: "))
        << dialog.statusLine()->text().toStdString();

    // An album that cannot be read leaves nothing of the file shown before.
    QFile huge(path("huge.pho"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxAlbumFileBytes + 1));  // beyond what an album may be; sparse
    huge.close();
    dialog.showPreviewOf(path("huge.pho"));
    EXPECT_TRUE(dialog.informationLine()->text().isEmpty()) << dialog.informationLine()->text().toStdString();
    EXPECT_TRUE(dialog.previewPicture().isNull());
    QFile::remove(path("huge.pho"));

    // Switched off, the preview shows nothing.
    dialog.setPreviewEnabled(false);
    EXPECT_TRUE(dialog.previewPicture().isNull());
    EXPECT_TRUE(dialog.informationLine()->text().isEmpty());

    // Add To Album gathers what is selected, once, and OK takes the gathered files.
    dialog.selectFile(path("green.png"));
    dialog.addToAlbum();
    dialog.addToAlbum();
    EXPECT_EQ(dialog.statusLine()->text(), "Album Status: 1 file(s) selected [1 duplicates ignored]");
    EXPECT_EQ(dialog.labelText(QFileDialog::Accept), "&OK");
    EXPECT_EQ(dialog.chosenFiles(), QStringList({path("green.png")}));
    for (QWidget* w :
         {static_cast<QWidget*>(dialog.enablePreviewBox()), dialog.previewArea(),
          static_cast<QWidget*>(dialog.addToAlbumButton()), static_cast<QWidget*>(dialog.colourSwatch())})
        EXPECT_FALSE(w->accessibleName().isEmpty());
}

}  // namespace
