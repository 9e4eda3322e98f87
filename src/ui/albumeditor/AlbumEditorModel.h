#pragma once
// The album editor without its window: the album being edited (name, title,
// description, files), the dirty flag, the New counter, the save question and the
// saves, the list's clicks and the page steps. The pages themselves (layout, page
// start, preview, thumbnail, print) are the AlbumPageModel's; this only tells it what
// changed and when to draw. It talks to the person through the seams only.

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "album/AlbumPages.h"
#include "core/Seams.h"

struct AppSettings;

namespace album_editor {
inline constexpr const char* kWindowTitle = "Electronic Photo Album: %s";
inline constexpr const char* kUntitledName = "Untitled-%d.pho";
inline constexpr const char* kSaveQuestionTitle = "Photo Album Edit Warning: Save Changes?";
inline constexpr const char* kSaveQuestionText = "Do you want to save your changes?";
inline constexpr const char* kNothingToDelete = "There is nothing selected to delete!";
inline constexpr const char* kNoClipboardText = "No text in clipboard to paste!";
inline constexpr const char* kOpenTitle = "Select Electronic Photo Album File";
inline constexpr const char* kOpenFilter = "Photo Album Files(*.pho) | *.pho";
inline constexpr const char* kAddTitle = "Add Additional Image Files To Photo Album";
inline constexpr const char* kSaveAsTitle = "Save Photo Image List As Photo Album";
inline constexpr const char* kSaveAsFilter = "Photo Album Files|*.pho|All Files|*.*||";
inline constexpr const char* kHelpPage = "/PhotoAlbum.htm";
// More rows than this between the list's top row and the next page's entry scroll it up.
inline constexpr int kNextPageScrollRows = 12;

// The album's files in order of their full paths, letter case ignored; equal paths
// keep their order, as a neighbour-exchange sort leaves them.
void sortAlbumFiles(QStringList& files);

// The row Delete selects after removing rows (0-based) from a list of count entries:
// highest removed - number removed + 1 when that row is left, else the first (-1 when
// nothing is left). Deleting rows 2 and 3 of six selects row 2.
int rowAfterDelete(const QList<int>& removed, int count);

// The description box holds LF line breaks; an album holds CR LF (written) or CR
// (read back).
QString descriptionForBox(const QString& albumText);
QString descriptionForAlbum(const QString& boxText);
}  // namespace album_editor

class AlbumEditorModel {
public:
    // services gives the notifier, the file chooser, the clock, the store, the printer
    // and the clipboard; status is the editor's own status line, progress bar and title.
    AlbumEditorModel(AppSettings& settings, const Services& services, StatusSink* status);

    // The dialog opens: the layout choices from the settings, then the album named by
    // ImportedAlbum, or a new "Untitled-1.pho" when it names none.
    void start();

    // --- The album.
    QString albumName() const { return name_; }
    // Still named "Untitled-%d.pho", never saved or opened: a save asks for a name.
    bool isUntitled() const { return untitled_; }
    int untitledCounter() const { return counter_; }
    const QStringList& files() const { return pages_.files(); }
    bool isEmpty() const { return pages_.isEmpty(); }
    QString title() const { return title_; }
    QString description() const { return description_; }  // as the box holds it
    // Typing in the title or the description box; both are part of what a save keeps.
    void setTitle(const QString& title);
    void setDescription(const QString& description);
    // A click in the description box marks the album as changed, as typing does.
    void descriptionClicked() { dirty_ = true; }

    bool isDirty() const { return dirty_; }
    // "Electronic Photo Album: <name>", with "*" while there are unsaved changes.
    QString windowTitle() const;

    // --- Commands. Those that may ask first return false when the person backed out.

    // The save question before New, Open and the close box: only with unsaved changes
    // in an album that holds files. True when the caller may go on (No, or saved).
    bool askToSave();
    bool newAlbum();
    // Opens an album by name: the list refilled from the file (a missing or unreadable
    // file gives an empty album of that name), the first file the page start.
    void openAlbum(const QString& fileName);
    // Open: the album chooser, then the chosen album (also made the image list's album).
    bool openCommand();
    // Add files: the photo chooser with "Add To Album"; the files chosen are appended
    // and the album sorted. False on Cancel.
    bool addFiles();
    // Save, Save As and Set Thumbnail; true when the album was written.
    bool save();
    bool saveAs();
    bool setThumbnail();
    // Removes the rows (0-based); returns the row to select, or -1. With no rows
    // "There is nothing selected to delete!" is shown and nothing changes.
    int deleteRows(const QList<int>& rows);
    // A click on a row: with Ctrl the page start only; without, the page drawn from it.
    void clickRow(int row, bool ctrl);
    // Next Page with the row selected in the list (-1 for none); returns the row of the
    // page start it draws from.
    int nextPage(int selectedRow);
    bool canGoBack() const { return remembered_ >= 0 && remembered_ < files().size(); }
    // Prev Page: back to the row remembered by Next Page, once; returns it (-1 for none).
    int prevPage();
    // The layout choices, each stored in its setting as it changes.
    void setLayoutText(const QString& text);
    void setTwoPage(bool on);
    // Captions switched; focusedRow is the list's entry with the focus, clicked afresh.
    void setCaptions(bool on, int focusedRow);
    // The clipboard's text replaces the description; false when it holds none.
    bool pasteDescription();
    AlbumPageModel::PrintOutcome printPage();

    AlbumPageModel& pages() { return pages_; }
    const AlbumPageModel& pages() const { return pages_; }
    // The size the page area draws at.
    void setPreviewArea(const QSize& size) { previewArea_ = size; }
    QSize previewArea() const { return previewArea_; }

private:
    void render(AlbumPageModel::Drawing why);
    void setFiles(const QStringList& files, int pageStart);
    bool write(const QString& fileName);
    bool albumIsEmptyNotice();
    QString dialogFolder() const;

    AppSettings& settings_;
    Services services_;
    AlbumPageModel pages_;
    QSize previewArea_;
    QString name_;
    bool untitled_ = true;
    int counter_ = 1;
    bool dirty_ = false;
    QString title_;
    QString description_;
    int remembered_ = -1;
};
