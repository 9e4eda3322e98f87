#include "imagelist/DirectoryScan.h"

#include <QDir>
#include <QDirIterator>

#include "app/Seams.h"
#include "app/SettingsStore.h"
#include "imagelist/ImageList.h"
#include "imagelist/WaitCursor.h"

namespace {

bool containsAfterFirst(const QString& path, QLatin1StringView extension) {
    return path.indexOf(extension, 1, Qt::CaseInsensitive) >= 0;
}

}  // namespace

bool AcceptsPhotoFile(const QString& path, SettingsStore& store) {
    // The extension is looked for first, so a switch is read only for a path that
    // it could decide; the answer is the same as reading all nine every time.
    const QString config = QStringLiteral("Config");
    auto on = [&](const char* name) { return store.readInt(config, QLatin1String(name), 1) != 0; };
    if ((containsAfterFirst(path, QLatin1StringView(".jpeg")) ||
         containsAfterFirst(path, QLatin1StringView(".jpg"))) &&
        on("JpgFilter"))
        return true;
    if (containsAfterFirst(path, QLatin1StringView(".bmp")) && on("BmpFilter")) return true;
    if (containsAfterFirst(path, QLatin1StringView(".tga")) && on("TgaFilter")) return true;
    if (containsAfterFirst(path, QLatin1StringView(".pcx")) && on("PcxFilter")) return true;
    if (containsAfterFirst(path, QLatin1StringView(".png")) && on("PngFilter")) return true;
    if (containsAfterFirst(path, QLatin1StringView(".gif")) && on("GifFilter")) return true;
    if (containsAfterFirst(path, QLatin1StringView(".ico")) && on("IconFilter")) return true;
    if ((containsAfterFirst(path, QLatin1StringView(".tiff")) ||
         containsAfterFirst(path, QLatin1StringView(".tif"))) &&
        on("TifFilter"))
        return true;
    if (containsAfterFirst(path, QLatin1StringView(".wmf")) && on("WmfFilter")) return true;
    return false;
}

int BuildFromDirectory(ImageList& list, const QString& directory, const QString& resumePhoto,
                       SettingsStore& store, StatusSink* status) {
    WaitCursor wait;
    list.clear();
    QString dir = directory;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');

    // Plain files and links to them, hidden ones too, in the file system's order;
    // subfolders are not entered. Devices, pipes and dangling links are left out.
    QDirIterator it(dir, QDir::Files | QDir::Hidden);
    bool first = true;
    while (it.hasNext()) {
        it.next();
        const QString path = dir + it.fileName();
        if (AcceptsPhotoFile(path, store)) {
            list.append(path);
            if (!first && status)
                status->setPaneText(0, QStringLiteral("Adding file to image list: %1").arg(path));
        }
        first = false;
    }

    list.sort();
    if (status) status->setPaneText(0, QStringLiteral("Image list contains %1 files.").arg(list.count()));
    list.setCursor(0);
    list.seekResume(resumePhoto);
    return list.count();
}
