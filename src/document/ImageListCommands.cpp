#include "document/ImageListCommands.h"

#include <QCoreApplication>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"
#include "album/AlbumSave.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "imagelist/DirectoryScan.h"
#include "imagelist/HtmlExport.h"
#include "imagelist/ImageList.h"

namespace {
const char* const kAlbumFilter = QT_TRANSLATE_NOOP("FileDialogs", "Photo Album Files(*.pho) | *.pho");
const char* const kAlbumSaveFilter =
    QT_TRANSLATE_NOOP("FileDialogs", "Photo Album Files|*.pho|All Files|*.*||");
}  // namespace

ImageListCommands::ImageListCommands(PrintDocument& document, const Services& services,
                                     std::function<void()> showWelcomeTips)
    : document_(document),
      list_(document.imageList()),
      settings_(document.settings()),
      services_(services),
      showWelcomeTips_(std::move(showWelcomeTips)) {}

bool ImageListCommands::handles(int id) {
    using namespace ImageListCommandId;
    return id == OpenDirectory || id == AddFiles || id == ImportAlbum || id == ExportToAlbum || id == Erase ||
           id == NextPage || id == PreviousPage || id == Redraw || id == ExportHtml;
}

bool ImageListCommands::run(int id) {
    using namespace ImageListCommandId;
    switch (id) {
        case OpenDirectory:
            openDirectory();
            break;
        case AddFiles:
            addFiles();
            break;
        case ImportAlbum:
            importAlbum();
            break;
        case ExportToAlbum:
            exportToAlbum();
            break;
        case Erase:
            erase();
            break;
        case NextPage:
            nextPage();
            break;
        case PreviousPage:
            previousPage();
            break;
        case Redraw:
            redraw();
            break;
        case ExportHtml:
            exportHtml();
            break;
        default:
            return false;
    }
    return true;
}

void ImageListCommands::invalidatePage() {
    document_.dropPage();
}

void ImageListCommands::updateCommandStates() {
    document_.notifyListChanged();
}

void ImageListCommands::leaveZoom() {
    document_.setZoomMode(false);
}

void ImageListCommands::forgetPositions() {
    settings_.StartSeqPic.clear();
    list_.selectedStartPhoto.clear();
    list_.currentPhoto.clear();
}

Answer ImageListCommands::ask(const QString& title, const QString& text) {
    return services_.notifier ? services_.notifier->message(title, text, MessageKind::WarningQuestion)
                              : Answer::No;
}

void ImageListCommands::openDirectory() {
    FileDialogRequest request;
    request.title = QCoreApplication::translate("FileDialogs", "Open Directory And Start At Selected Image");
    request.defaultExtension = QStringLiteral("jpg");
    request.initialPath = settings_.StartSeqPic;
    request.fallbackFolder = settings_.BitmapPath;
    request.filter = photoFileFilter();
    request.preview = settings_.PreviewCheck != 0;
    const QString chosen = services_.files ? services_.files->openFile(request) : QString();
    if (chosen.isEmpty()) {
        updateCommandStates();
        return;
    }
    openFolderAt(chosen.left(chosen.lastIndexOf(QLatin1Char('/')) + 1), chosen);
}

void ImageListCommands::openFolder(const QString& folder) {
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    openFolderAt(dir, QString());
}

void ImageListCommands::openFolderAt(const QString& folder, const QString& startPhoto) {
    settings_.StartSeqPic = startPhoto;
    list_.selectedStartPhoto = startPhoto;
    list_.currentPhoto = startPhoto;
    settings_.BitmapPath = folder;
    settings_.ImportedAlbum.clear();
    if (services_.store) {
        settings_.write(*services_.store, setting::BitmapPath);
        settings_.write(*services_.store, setting::ImportedAlbum);
    }

    buildFromDirectory();
    list_.seek(list_.selectedStartPhoto);
    list_.takeNext();
    invalidatePage();
    updateCommandStates();
}

void ImageListCommands::addFiles() {
    if (!list_.isEmpty() && services_.notifier &&
        services_.notifier->plainYesNo(QCoreApplication::translate(
            "Messages", "Do you want to erase your current image list first?")) == Answer::Yes) {
        list_.clear();
        forgetPositions();
    }

    FileDialogRequest request;
    request.title = QCoreApplication::translate("FileDialogs", "Add Additional Image Files To Image List");
    request.defaultExtension = QStringLiteral("jpg");
    request.initialPath = settings_.StartSeqPic;
    request.fallbackFolder = settings_.BitmapPath;
    request.filter = photoFileFilter();
    request.preview = settings_.PreviewCheck != 0;
    addPhotoFiles(services_.files ? services_.files->openFiles(request) : QStringList());
}

void ImageListCommands::addPhotoFiles(const QStringList& paths) {
    if (!paths.isEmpty()) {
        // The cursor stays at its position; the sort may move another path under it.
        for (const QString& path : paths) list_.append(path);
        list_.sort();
        invalidatePage();
    }
    updateCommandStates();
    if (list_.isEmpty()) redraw();
}

void ImageListCommands::importAlbum() {
    FileDialogRequest request;
    request.title = QCoreApplication::translate("FileDialogs", "Import Photo Album File");
    request.defaultExtension = QStringLiteral("pho");
    request.initialPath = settings_.ImportedAlbum;
    request.fallbackFolder = settings_.BitmapPath;
    request.filter = QCoreApplication::translate("FileDialogs", kAlbumFilter);
    request.preview = true;
    importAlbumFile(services_.files ? services_.files->openFile(request) : QString());
}

void ImageListCommands::importAlbumFile(const QString& album) {
    if (!album.isEmpty()) {
        settings_.ImportedAlbum = album;
        if (services_.store) settings_.write(*services_.store, setting::ImportedAlbum);
        loadAlbum(false);
    }
    updateCommandStates();
}

void ImageListCommands::loadAlbum(bool keepResumePhoto) {
    list_.clear();
    Album album;
    QString lastUpdate;
    if (!settings_.ImportedAlbum.isEmpty())
        ReadAlbumFile(settings_.ImportedAlbum, album, lastUpdate, services_.notifier);
    for (const QString& path : album.files) list_.append(path);
    if (list_.isEmpty()) return;

    const QString resume = settings_.StartSeqPic;
    forgetPositions();
    if (keepResumePhoto) settings_.StartSeqPic = resume;
    list_.setCursor(0);
    list_.takeNext();
    invalidatePage();
}

void ImageListCommands::buildFromDirectory() {
    if (!services_.store) {
        list_.clear();
        return;
    }
    {
        PrintDocument::BusyScope busy(document_, QCoreApplication::translate("Messages", "the folder scan"));
        BuildFromDirectory(list_, settings_.BitmapPath, settings_.StartSeqPic, *services_.store,
                           services_.status);
    }
    if (firstBuild_) {
        firstBuild_ = false;
        if (settings_.WelcomeTipStatus != 1 && showWelcomeTips_) showWelcomeTips_();
    }
}

void ImageListCommands::rebuildIfEmptyAndPlace() {
    bool rebuilt = false;
    if (list_.isEmpty()) {
        rebuilt = true;
        // The album is the one the last run used, so its resume photo still counts.
        loadAlbum(true);
        if (list_.isEmpty()) buildFromDirectory();
    }
    list_.seekResume(settings_.StartSeqPic);
    // A freshly made list begins its first page at the cursor; a current photo
    // left by the album load would otherwise be drawn first, out of place.
    if (rebuilt) list_.currentPhoto.clear();
}

void ImageListCommands::startUp() {
    rebuildIfEmptyAndPlace();
    updateCommandStates();
}

void ImageListCommands::exportToAlbum() {
    if (list_.isEmpty()) {
        if (services_.notifier) showListEmpty(*services_.notifier);
        updateCommandStates();
        return;
    }
    FileDialogRequest request;
    request.title = QCoreApplication::translate("FileDialogs", "Save Photo Image List As Photo Album");
    request.filter = QCoreApplication::translate("FileDialogs", kAlbumSaveFilter);
    request.fallbackFolder = settings_.BitmapPath;
    request.overwritePrompt = true;
    QString name = services_.files ? services_.files->saveFile(request) : QString();
    if (name.isEmpty()) {
        updateCommandStates();
        return;
    }
    const QString chosen = name;
    name = withAlbumExtension(name);
    if (!ConfirmReplacingFile(chosen, name, services_.notifier)) {
        updateCommandStates();
        return;
    }

    Album album;
    for (const QString& path : list_.entries()) album.files.append(path);
    const QDateTime when = services_.clock ? services_.clock->now() : QDateTime::currentDateTime();
    // The album's pages as the editor would show them when it opens the album, so its
    // thumbnail is the first page in the person's chosen layout.
    AlbumPageModel pages(nullptr, services_.notifier);
    if (services_.store) pages.setLayout(albumLayoutFromSettings(*services_.store));
    pages.setFiles(album.files);
    QString error;
    if (!SaveAlbumWithThumbnail(pages, name, album, when, kDefaultPreviewArea, &error)) {
        // The list still comes from where it came from; the album named nothing.
        if (services_.notifier)
            services_.notifier->message(
                QCoreApplication::translate("Messages", "Snapvale Error: Album Not Saved"),
                QCoreApplication::translate("Messages", "Unable to write the photo album file:\n%1\n%2")
                    .arg(name, error),
                MessageKind::Error);
        updateCommandStates();
        return;
    }
    settings_.ImportedAlbum = name;
    if (services_.store) settings_.write(*services_.store, setting::ImportedAlbum);
    updateCommandStates();
}

void ImageListCommands::erase() {
    if (list_.isEmpty()) {
        if (services_.notifier) showListEmpty(*services_.notifier, true);
    } else if (ask(QCoreApplication::translate("Messages", "Snapvale Delete Image List?"),
                   QCoreApplication::translate(
                       "Messages", "Do you want to remove ALL image files from the current image list?")) ==
               Answer::Yes) {
        list_.clear();
        forgetPositions();
        invalidatePage();
        if (services_.status) services_.status->setIndicator(QStringLiteral("LED_DKGRN"));
    }
    updateCommandStates();
}

void ImageListCommands::nextPage() {
    leaveZoom();
    if (list_.direction() == ImageList::Direction::Backward) {
        list_.setDirection(ImageList::Direction::Forward);
        list_.takeNext();
        list_.takeNext();
    }
    if (settings_.UseSingleImage == 1) list_.takeNext();
    invalidatePage();
    updateCommandStates();
}

void ImageListCommands::previousPage() {
    leaveZoom();
    if (list_.direction() == ImageList::Direction::Forward) {
        list_.setDirection(ImageList::Direction::Backward);
        list_.takeNext();
        list_.takeNext();
    }
    if (settings_.UseSingleImage == 1) list_.takeNext();
    invalidatePage();
    updateCommandStates();
}

void ImageListCommands::redraw() {
    leaveZoom();
    list_.currentPhoto = list_.pageFirstPhoto;
    list_.seek(list_.pageFirstPhoto);
    list_.takeNext();
    invalidatePage();
    updateCommandStates();
}

bool ImageListCommands::exportHtml() {
    bool ok = false;
    {
        PrintDocument::BusyScope busy(document_, QCoreApplication::translate("Messages", "the HTML export"));
        ok = ExportImageListHtml(list_, services_, QString(), [this] { return document_.takeStopRequest(); });
    }
    updateCommandStates();
    return ok;
}

QString ImageListCommands::endOfRunPhoto() const {
    return list_.currentPhoto;
}
