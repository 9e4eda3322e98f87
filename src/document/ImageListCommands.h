#pragma once
// The image list's commands, without any window: they change the document and talk
// to the person through the seams (file dialogs, messages, status bar, progress
// window, launcher). The main window, the command line and the tests share them.

#include <QString>
#include <functional>

#include "core/CommandIds.h"
#include "core/Seams.h"

class ImageList;
class PrintDocument;
struct AppSettings;

// The list commands by the names they have here; the numbers are the menus' and the toolbar's.
namespace ImageListCommandId {
inline constexpr int OpenDirectory = cmd::OpenImageList;
inline constexpr int AddFiles = cmd::AddFiles;
inline constexpr int ImportAlbum = cmd::ImportAlbum;
inline constexpr int ExportToAlbum = cmd::ExportAlbum;
inline constexpr int Erase = cmd::EraseList;
inline constexpr int NextPage = cmd::NextPage;
inline constexpr int PreviousPage = cmd::PreviousPage;
inline constexpr int Redraw = cmd::Redraw;
inline constexpr int ExportHtml = cmd::ExportHtml;
}  // namespace ImageListCommandId

class ImageListCommands {
public:
    // services needs notifier, files, status, progress, launcher, store and clock;
    // a missing one is skipped (no dialog means Cancel, no question means No).
    // showWelcomeTips, when given, opens the welcome tips window at the first folder build.
    ImageListCommands(PrintDocument& document, const Services& services,
                      std::function<void()> showWelcomeTips = {});

    static bool handles(int commandId);
    // Carries out one of the commands above; false for a number it does not handle.
    bool run(int commandId);

    void openDirectory();  // 57601
    void addFiles();       // 32771
    void importAlbum();    // 32830
    void exportToAlbum();  // 32775
    void erase();          // 32774
    void nextPage();       // 32772
    void previousPage();   // 32773
    void redraw();         // 1196
    bool exportHtml();     // 32791, true when the page was written completely

    // The three ways into the list without their dialogs (a drop on the window): a
    // folder as Open Directory builds it, starting at its first photo; photo files
    // added as Add Files adds them; an album imported.
    void openFolder(const QString& folder);
    void addPhotoFiles(const QStringList& paths);
    void importAlbumFile(const QString& album);

    // Start-up: when the list is empty, the album named by ImportedAlbum, else the
    // folder BitmapPath; then the list is placed at StartSeqPic so the first page
    // begins at the photo where the last run ended. Updates the command states.
    void startUp();
    // The same rebuild and placing, for the wizard's end.
    void rebuildIfEmptyAndPlace();

    // Clears the list and fills it from the album at settings.ImportedAlbum, in
    // the album's order. When photos came in, the first one becomes current; with
    // keepResumePhoto false (an import) the resume photo is forgotten.
    void loadAlbum(bool keepResumePhoto = false);
    // Builds the list from settings.BitmapPath, placed at the resume photo. The
    // first build of this object shows the welcome tips unless they are switched off.
    void buildFromDirectory();

    // What the program writes as StartSeqPic when it ends: the current photo.
    QString endOfRunPhoto() const;

private:
    void openFolderAt(const QString& folder, const QString& startPhoto);
    void invalidatePage();
    void updateCommandStates();
    void leaveZoom();
    void forgetPositions();
    Answer ask(const QString& title, const QString& text);

    PrintDocument& document_;
    ImageList& list_;
    AppSettings& settings_;
    Services services_;
    std::function<void()> showWelcomeTips_;
    bool firstBuild_ = true;
};
