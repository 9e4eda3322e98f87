#include "cli/CliImageSources.h"

#include <QDir>
#include <QFileInfo>

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "imagelist/DirectoryScan.h"
#include "imagelist/ImageList.h"
#include "layout/FaceFinder.h"

bool cliTakeValue(QStringList& args, const QString& name, QString& value, bool& given, QString& error) {
    const int i = args.indexOf(name);
    if (i < 0) return true;
    if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    value = args[i + 1];
    given = true;
    args.remove(i, 2);
    if (args.contains(name)) {
        error = QStringLiteral("%1 given twice").arg(name);
        return false;
    }
    return true;
}

// The list as the program builds it: a folder is scanned and sorted, an album keeps
// its order, files are appended and sorted as "Add files" does.
bool buildCliImageList(const QStringList& sources, PrintDocument& document, CliContext& ctx, QString& error) {
    SettingsStore& store = document.store();
    ImageList& list = document.imageList();
    AppSettings& settings = document.settings();
    const QFileInfo first(sources.first());
    if (first.isDir()) {
        if (sources.size() > 1) {
            error = QStringLiteral("give one folder, one album or photo files, not a mix");
            return false;
        }
        const QString dir = QDir(first.absoluteFilePath()).absolutePath() + QLatin1Char('/');
        settings.BitmapPath = dir;
        settings.ImportedAlbum.clear();
        settings.write(store, setting::BitmapPath);
        settings.write(store, setting::ImportedAlbum);
        NullStatusSink quiet;
        BuildFromDirectory(list, dir, QString(), store, &quiet);
        if (list.isEmpty()) error = QStringLiteral("no photos in folder %1").arg(sources.first());
        return !list.isEmpty();
    }
    if (first.isFile() && first.suffix().compare(QLatin1String("pho"), Qt::CaseInsensitive) == 0) {
        if (sources.size() > 1) {
            error = QStringLiteral("give one folder, one album or photo files, not a mix");
            return false;
        }
        settings.ImportedAlbum = first.absoluteFilePath();
        settings.write(store, setting::ImportedAlbum);
        ImageListCommands(document, ctx.services).loadAlbum(false);
        if (list.isEmpty())
            error = QStringLiteral("cannot read album %1, or it lists no photos").arg(sources.first());
        return !list.isEmpty();
    }
    for (const QString& source : sources) {
        const QFileInfo info(source);
        if (info.isDir() ||
            (info.isFile() && info.suffix().compare(QLatin1String("pho"), Qt::CaseInsensitive) == 0)) {
            error = QStringLiteral("give one folder, one album or photo files, not a mix");
            return false;
        }
        if (!info.isFile()) {
            error = QStringLiteral("no such file or folder: %1").arg(source);
            return false;
        }
        list.append(info.absoluteFilePath());
    }
    list.sort();
    return true;
}

CliPageSwitches cliTakePageSwitches(QStringList& args) {
    CliPageSwitches s;
    s.cutMarks = args.removeAll(QStringLiteral("--cut-marks")) > 0;
    s.keepFaces = args.removeAll(QStringLiteral("--keep-faces")) > 0;
    return s;
}

void cliApplyPageSwitches(const CliPageSwitches& switches, AppSettings& settings, SettingsStore& store,
                          const char* command) {
    if (switches.cutMarks) {
        settings.CutMarks = 1;
        settings.write(store, setting::CutMarks);
    }
    if (switches.keepFaces) {
        settings.KeepFacesInFrame = 1;
        settings.write(store, setting::KeepFacesInFrame);
        const QString why = FaceFinder::shared().unavailableReason();
        if (!why.isEmpty())
            cliError(QStringLiteral("snapvale-cli %1: --keep-faces: %2").arg(QLatin1String(command), why));
    }
}
