#include "ui/albumeditor/AlbumEditorModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "album/AlbumFile.h"
#include "album/AlbumSave.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "core/WaitCursor.h"

using namespace album_editor;

namespace album_editor {

void sortAlbumFiles(QStringList& files) {
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

int rowAfterDelete(const QList<int>& removed, int count) {
    const int left = count - int(removed.size());
    if (left <= 0) return -1;
    const int highest = removed.isEmpty() ? 0 : *std::max_element(removed.begin(), removed.end());
    const int row = highest - int(removed.size()) + 1;
    return row >= 0 && row < left ? row : 0;
}

QString descriptionForBox(const QString& albumText) {
    QString text = albumText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString descriptionForAlbum(const QString& boxText) {
    QString text = boxText;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace album_editor

AlbumEditorModel::AlbumEditorModel(AppSettings& settings, const Services& services, StatusSink* status)
    : settings_(settings),
      services_(services),
      pages_(status, services.notifier),
      previewArea_(kDefaultPreviewArea) {}

void AlbumEditorModel::start() {
    if (services_.store) pages_.setLayout(albumLayoutFromSettings(*services_.store));
    counter_ = 1;
    if (settings_.ImportedAlbum.isEmpty()) {
        name_ = QString::asprintf(kUntitledName, counter_);
        untitled_ = true;
        title_.clear();
        description_.clear();
        dirty_ = false;
        setFiles({}, -1);
        render(AlbumPageModel::Drawing::PageChange);
    } else {
        openAlbum(settings_.ImportedAlbum);
    }
}

void AlbumEditorModel::setTitle(const QString& title) {
    // The title is saved with the album like the description, so losing it to a
    // close without the question would lose typing as surely.
    if (title == title_) return;
    title_ = title;
    dirty_ = true;
}

void AlbumEditorModel::setDescription(const QString& description) {
    if (description == description_) return;
    description_ = description;
    dirty_ = true;
}

QString AlbumEditorModel::windowTitle() const {
    QString text = QString::asprintf(kWindowTitle, name_.toUtf8().constData());
    if (dirty_) text += QLatin1Char('*');
    return text;
}

void AlbumEditorModel::render(AlbumPageModel::Drawing why) {
    pages_.RenderAlbumPage(previewArea_, why);
}

void AlbumEditorModel::setFiles(const QStringList& files, int pageStart) {
    pages_.setFiles(files);
    if (pageStart >= 0) pages_.setPageStart(pageStart);
    // Rows remembered for Prev Page named entries of the list as it was.
    remembered_ = -1;
}

QString AlbumEditorModel::dialogFolder() const {
    return settings_.BitmapPath;
}

bool AlbumEditorModel::albumIsEmptyNotice() {
    if (!isEmpty()) return false;
    if (services_.notifier) services_.notifier->plainOk(QString::fromLatin1(album_text::kEmptyAlbum));
    return true;
}

bool AlbumEditorModel::askToSave() {
    if (!dirty_ || isEmpty()) return true;
    dirty_ = false;
    const Answer answer = services_.notifier
                              ? services_.notifier->message(QString::fromLatin1(kSaveQuestionTitle),
                                                            QString::fromLatin1(kSaveQuestionText),
                                                            MessageKind::WarningQuestion)
                              : Answer::No;
    if (answer != Answer::Yes) return true;
    // An album without a name of its own asks for one rather than landing in whatever
    // folder the program was started from; backing out of that, or a failed write,
    // keeps the album open with its changes.
    const bool saved = untitled_ ? saveAs() : write(name_);
    if (!saved) dirty_ = true;
    return saved;
}

bool AlbumEditorModel::newAlbum() {
    if (!askToSave()) return false;
    ++counter_;
    name_ = QString::asprintf(kUntitledName, counter_);
    untitled_ = true;
    title_.clear();
    description_.clear();
    setFiles({}, -1);
    render(AlbumPageModel::Drawing::PageChange);
    dirty_ = true;
    return true;
}

void AlbumEditorModel::openAlbum(const QString& fileName) {
    name_ = fileName;
    untitled_ = false;
    Album album;
    QString lastUpdate;
    ReadAlbumFile(fileName, album, lastUpdate, services_.notifier);
    title_ = album.title;
    description_ = descriptionForBox(album.description);
    setFiles(album.files, 0);
    render(AlbumPageModel::Drawing::PageChange);
    dirty_ = false;
}

bool AlbumEditorModel::openCommand() {
    if (!askToSave()) return false;
    FileDialogRequest request;
    request.title = QString::fromLatin1(kOpenTitle);
    request.defaultExtension = QStringLiteral("pho");
    request.filter = QString::fromLatin1(kOpenFilter);
    request.initialPath = untitled_ ? QFileInfo(name_).fileName() : name_;
    request.fallbackFolder = dialogFolder();
    request.preview = true;
    const QString chosen = services_.files ? services_.files->openFile(request) : QString();
    if (chosen.isEmpty()) return false;
    dirty_ = false;
    settings_.ImportedAlbum = chosen;
    if (services_.store) settings_.write(*services_.store, setting::ImportedAlbum);
    openAlbum(chosen);
    return true;
}

bool AlbumEditorModel::addFiles() {
    FileDialogRequest request;
    request.title = QString::fromLatin1(kAddTitle);
    request.defaultExtension = QStringLiteral("jpg");
    request.filter = photoFileFilter();
    request.initialPath = isEmpty() ? settings_.StartSeqPic : files().last();
    request.fallbackFolder = dialogFolder();
    // The album's chooser always starts with its preview on.
    request.preview = true;
    request.addToAlbum = true;
    const QStringList chosen = services_.files ? services_.files->openFiles(request) : QStringList();
    if (chosen.isEmpty()) return false;
    dirty_ = true;
    // The page on display is drawn again from its first file, wherever the sort puts it.
    const int shown = pages_.firstFileOfPage();
    const QString first = shown >= 0 ? files().at(shown) : QString();
    QStringList all = files() + chosen;
    sortAlbumFiles(all);
    setFiles(all, first.isEmpty() ? 0 : int(all.indexOf(first)));
    render(AlbumPageModel::Drawing::PageChange);
    return true;
}

bool AlbumEditorModel::write(const QString& fileName) {
    Album album;
    album.title = title_;
    album.description = descriptionForAlbum(description_);
    album.files = files();
    const QDateTime when = services_.clock ? services_.clock->now() : QDateTime::currentDateTime();
    bool written = false;
    QString error;
    {
        const WaitCursor wait;  // the page may be drawn again for the thumbnail
        written = SaveAlbumWithThumbnail(pages_, fileName, album, when, previewArea_, &error);
    }
    if (!written) {
        // Saying nothing would leave the person believing the album is safe.
        if (services_.notifier)
            services_.notifier->message(
                QCoreApplication::translate("AlbumEditor", "Snapvale Error: Album Not Saved"),
                QCoreApplication::translate("AlbumEditor", "Unable to write the photo album file:\n%1\n%2")
                    .arg(fileName, error),
                MessageKind::Error);
        return false;
    }
    dirty_ = false;
    return true;
}

bool AlbumEditorModel::save() {
    if (albumIsEmptyNotice()) return false;
    if (untitled_) return saveAs();
    return write(name_);
}

bool AlbumEditorModel::saveAs() {
    if (albumIsEmptyNotice()) return false;
    FileDialogRequest request;
    request.title = QString::fromLatin1(kSaveAsTitle);
    request.filter = QString::fromLatin1(kSaveAsFilter);
    request.defaultExtension = QStringLiteral("pho");
    request.initialPath = untitled_ ? QFileInfo(name_).fileName() : name_;
    request.fallbackFolder = dialogFolder();
    request.overwritePrompt = true;
    const QString chosen = services_.files ? services_.files->saveFile(request) : QString();
    if (chosen.isEmpty()) return false;
    const QString name = withAlbumExtension(chosen);
    if (!ConfirmReplacingFile(chosen, name, services_.notifier)) return false;
    if (!write(name)) return false;
    name_ = name;
    untitled_ = false;
    return true;
}

bool AlbumEditorModel::setThumbnail() {
    // The thumbnail is made afresh by every save.
    return save();
}

int AlbumEditorModel::deleteRows(const QList<int>& rows) {
    if (rows.isEmpty()) {
        if (services_.notifier) services_.notifier->plainOk(QString::fromLatin1(kNothingToDelete));
        return -1;
    }
    dirty_ = true;
    QList<int> removed = rows;
    std::sort(removed.begin(), removed.end());
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    const int count = int(files().size());
    QStringList left;
    for (int i = 0; i < count; ++i)
        if (!std::binary_search(removed.begin(), removed.end(), i)) left << files().at(i);
    // The page on display starts again where it started, unless its first file went.
    const int shown = pages_.firstFileOfPage();
    int start = 0;
    if (shown >= 0 && !std::binary_search(removed.begin(), removed.end(), shown))
        start = shown - int(std::lower_bound(removed.begin(), removed.end(), shown) - removed.begin());
    setFiles(left, left.isEmpty() ? -1 : start);
    render(AlbumPageModel::Drawing::PageChange);
    return rowAfterDelete(removed, count);
}

void AlbumEditorModel::clickRow(int row, bool ctrl) {
    // A Ctrl+click picks where the next page starts; the page shown stays until then.
    if (ctrl) {
        pages_.movePageStart(row);
        return;
    }
    if (!pages_.setPageStart(row)) return;
    render(AlbumPageModel::Drawing::PageChange);
}

int AlbumEditorModel::nextPage(int selectedRow) {
    if (isEmpty()) return -1;
    if (selectedRow >= 0 && selectedRow < files().size()) remembered_ = selectedRow;
    const int row = pages_.pageStart();
    render(AlbumPageModel::Drawing::PageChange);
    return row;
}

int AlbumEditorModel::prevPage() {
    if (!canGoBack()) return -1;
    const int row = remembered_;
    remembered_ = -1;
    pages_.setPageStart(row);
    render(AlbumPageModel::Drawing::PageChange);
    return row;
}

void AlbumEditorModel::setLayoutText(const QString& text) {
    if (services_.store) writeSettingText(*services_.store, setting::PageLayout, text);
    pages_.setLayoutText(text);
    render(AlbumPageModel::Drawing::LayoutChange);
}

void AlbumEditorModel::setTwoPage(bool on) {
    if (services_.store) writeSettingInt(*services_.store, setting::TwoPageAlbum, on ? 1 : 0);
    pages_.setTwoPage(on);
    render(AlbumPageModel::Drawing::LayoutChange);
}

void AlbumEditorModel::setCaptions(bool on, int focusedRow) {
    if (services_.store) writeSettingInt(*services_.store, setting::UseCaption, on ? 1 : 0);
    pages_.setCaptions(on);
    if (focusedRow >= 0 && focusedRow < files().size())
        clickRow(focusedRow, false);
    else
        render(AlbumPageModel::Drawing::LayoutChange);
}

bool AlbumEditorModel::pasteDescription() {
    const QString text = services_.clipboard ? services_.clipboard->text() : QString();
    if (text.isEmpty()) return false;
    description_ = descriptionForBox(text);
    dirty_ = true;
    return true;
}

AlbumPageModel::PrintOutcome AlbumEditorModel::printPage() {
    if (!services_.printer) {
        if (albumIsEmptyNotice()) return AlbumPageModel::PrintOutcome::EmptyAlbum;
        return AlbumPageModel::PrintOutcome::NotPrinted;
    }
    return pages_.PrintAlbumPage(*services_.printer);
}
