#include "output/SaveCanvas.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "core/WaitCursor.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "output/SnapshotWriters.h"

namespace {

// Each name/pattern pair a filter of the save dialog.
const char kSnapshotFilter[] = QT_TRANSLATE_NOOP(
    "FileDialogs", "Snapshot Files (*.bmp *.jpg *.png *.pdf)|*.bmp;*.jpg;*.png;*.pdf|All Files|*.*||");

}  // namespace

SnapshotTarget snapshotTargetFor(const QString& chosenPath) {
    SnapshotTarget t;
    const int slash = chosenPath.lastIndexOf(QLatin1Char('/'));
    const int dot = chosenPath.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash) {
        t.type = SnapshotType::Bmp;
        t.path = chosenPath + QStringLiteral(".bmp");
        return t;
    }
    t.hadExtension = true;
    t.extension = chosenPath.mid(dot + 1).toLower();
    if (t.extension == QLatin1String("jpg")) {
        t.type = SnapshotType::Jpeg;
        t.path = chosenPath.left(chosenPath.size() - 3) + QStringLiteral("jpg");
    } else if (t.extension == QLatin1String("bmp")) {
        t.type = SnapshotType::Bmp;
        t.path = chosenPath;
    } else if (t.extension == QLatin1String("png")) {
        t.type = SnapshotType::Png;
        t.path = chosenPath;
    } else if (t.extension == QLatin1String("pdf")) {
        t.type = SnapshotType::Pdf;
        t.path = chosenPath;
    } else {
        t.type = SnapshotType::Unsupported;
        t.path = chosenPath;
    }
    return t;
}

bool DiskSpaceCheck(const QString& path, std::size_t pageBytes, int saveAsJpg, Notifier& notifier,
                    const FreeSpaceQuery& freeSpace) {
    bool ok = false;
    const qint64 available = path.isEmpty() || !freeSpace ? 0 : freeSpace(path, &ok);
    if (!ok) {
        notifier.message(QCoreApplication::translate("Messages", "Snapvale Error: Disk Space"),
                         QCoreApplication::translate(
                             "Messages", "Unable to determine free disk space available: \nPath - %1")
                             .arg(path),
                         MessageKind::Error);
        return false;
    }
    const double factor = saveAsJpg == 1 ? 0.11 : 1.0;
    const auto required = static_cast<qint64>(double(pageBytes) * factor);
    if (required > available) {
        notifier.message(QCoreApplication::translate("Messages", "Snapvale Error: Low Disk Space Remaining"),
                         QCoreApplication::translate(
                             "Messages", "Not enough disk space remaining to continue: \nFile - %1")
                             .arg(path),
                         MessageKind::Error);
        return false;
    }
    return true;
}

SaveCanvasCommand::SaveCanvasCommand(const ImageList& list, AppSettings& settings, const Services& services)
    : list_(list), settings_(settings), services_(services), freeSpace_(&freeDiskSpace) {}

void SaveCanvasCommand::storeSaveAsJpg(int value) {
    settings_.SaveAsJpg = value;
    if (services_.store) settings_.write(*services_.store, setting::SaveAsJpg);
}

bool SaveCanvasCommand::run(const KeptPage& kept) {
    const CxImage& keptPage = kept.image;
    Notifier* notifier = services_.notifier;
    if (list_.isEmpty()) {
        if (notifier) showListEmpty(*notifier);
        return false;
    }
    if (!services_.files) return false;
    FileDialogRequest request;
    request.title = QCoreApplication::translate("FileDialogs", "Save Snapvale Snapshot As...");
    request.filter = QCoreApplication::translate("FileDialogs", kSnapshotFilter);
    request.overwritePrompt = true;
    const QString chosen = services_.files->saveFile(request);
    if (chosen.isEmpty()) return false;

    const SnapshotTarget target = snapshotTargetFor(chosen);
    if (target.type == SnapshotType::Unsupported) {
        if (notifier)
            notifier->message(
                QStringLiteral("Snapvale"),
                QCoreApplication::translate("Messages", "Illegal or unsupported EXPORT image type: \"%1\"")
                    .arg(target.extension),
                MessageKind::Error);
        return false;
    }

    if (!ConfirmReplacingFile(chosen, target.path, notifier)) return false;

    QString error;
    bool written = false;
    if (target.type == SnapshotType::Jpeg) {
        storeSaveAsJpg(1);
        if (!notifier ||
            !DiskSpaceCheck(chosen, keptPage.GetDIBSize(), settings_.SaveAsJpg, *notifier, freeSpace_))
            return false;
        WaitCursor wait;
        written = WriteJpeg(keptPage, settings_.JPGQuality, target.path, error);
    } else {
        // A PNG or PDF leaves the JPEG switch as it is: it only chooses between those two.
        if (target.type == SnapshotType::Bmp && target.hadExtension) storeSaveAsJpg(0);
        WaitCursor wait;
        switch (target.type) {
            case SnapshotType::Png:
                written = WritePng(keptPage, target.path, &error);
                break;
            case SnapshotType::Pdf:
                written = WritePdf(kept, target.path, QStringLiteral("Snapvale Snapshot"), &error);
                break;
            default:
                written = WriteBmp(keptPage, target.path, &error);
                break;
        }
    }
    // A snapshot that did not reach the disk is said so: the person would otherwise
    // believe the page saved.
    if (!written && notifier)
        notifier->message(QCoreApplication::translate("Messages", "Snapvale Error"),
                          QCoreApplication::translate("Messages", "Unable to save the snapshot \"%1\":\n%2")
                              .arg(target.path, error),
                          MessageKind::Error);
    return written;
}
