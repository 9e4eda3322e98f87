// snapvale-cli list, album-info and html-export: the image list as the program
// builds it, an album's header, and the list's web page.

#include <QFileInfo>
#include <cstdio>

#include "album/AlbumFile.h"
#include "cli/CliCommand.h"
#include "core/SettingsStore.h"
#include "imagelist/DirectoryScan.h"
#include "imagelist/HtmlExport.h"
#include "imagelist/ImageList.h"

namespace {

// A folder is scanned with the extension switches of the settings; a file is read as an album.
bool loadSource(const QString& source, ImageList& list, CliContext& ctx, bool verbose) {
    const QFileInfo info(source);
    if (info.isDir()) {
        NullStatusSink quiet;
        StatusSink* status = verbose ? ctx.services.status : &quiet;
        BuildFromDirectory(list, source, QString(), *ctx.services.store, status);
        return true;
    }
    if (!info.exists()) {
        cliError(QStringLiteral("snapvale-cli: no such folder or album: %1").arg(source));
        return false;
    }
    Album album;
    QString lastUpdate;
    if (!ReadAlbumFile(source, album, lastUpdate, ctx.services.notifier)) {
        cliError(QStringLiteral("snapvale-cli: cannot read album file: %1").arg(source));
        return false;
    }
    list.clear();
    for (const QString& path : album.files) list.append(path);
    return true;
}

// Pulls "--name VALUE" out of args; false when the value is missing.
bool takeOption(QStringList& args, const QString& name, QString& value) {
    const int i = args.indexOf(name);
    if (i < 0) return true;
    if (i + 1 >= args.size()) return false;
    value = args[i + 1];
    args.remove(i, 2);
    return true;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

int runList(CliContext& ctx) {
    QStringList args = ctx.args;
    const bool verbose = takeFlag(args, QStringLiteral("--verbose"));
    if (args.size() != 1) {
        cliError(QStringLiteral("Usage: snapvale-cli list [--verbose] SOURCE"));
        return 2;
    }
    ImageList list;
    if (!loadSource(args[0], list, ctx, verbose)) return 1;
    // One write for the whole list: folders of tens of thousands of photos are common.
    QByteArray out;
    for (const QString& path : list.entries()) {
        out += path.toUtf8();
        out += '\n';
    }
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    std::fflush(stdout);
    return 0;
}

int runAlbumInfo(CliContext& ctx) {
    if (ctx.args.size() != 1) {
        cliError(QStringLiteral("Usage: snapvale-cli album-info ALBUM"));
        return 2;
    }
    Album album;
    QString lastUpdate;
    if (!ReadAlbumFile(ctx.args[0], album, lastUpdate, ctx.services.notifier)) {
        cliError(QStringLiteral("snapvale-cli: cannot read album file: %1").arg(ctx.args[0]));
        return 1;
    }
    // The description's line breaks are single CRs; show them as lines.
    QString description = album.description;
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    description.replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    cliOut(QStringLiteral("Title: %1").arg(album.title));
    cliOut(QStringLiteral("Description: %1").arg(description));
    cliOut(QStringLiteral("Files: %1").arg(album.files.size()));
    cliOut(QStringLiteral("Last update: %1").arg(lastUpdate));
    return 0;
}

int runHtmlExport(CliContext& ctx) {
    QStringList args = ctx.args;
    QString out;
    const bool verbose = takeFlag(args, QStringLiteral("--verbose"));
    if (!takeOption(args, QStringLiteral("--out"), out) || args.size() != 1) {
        cliError(QStringLiteral("Usage: snapvale-cli html-export [--verbose] SOURCE [--out FILE]"));
        return 2;
    }
    ImageList list;
    if (!loadSource(args[0], list, ctx, verbose)) return 1;
    const QString path = out.isEmpty() ? htmlExportPath() : out;
    if (!ExportImageListHtml(list, ctx.services, path)) {
        cliError(QStringLiteral("snapvale-cli: unable to write the web page: %1").arg(path));
        return 1;
    }
    cliOut(path);
    return 0;
}

const CliCommandRegistration listRegistration(CliCommand{
    QStringLiteral("list"), QStringLiteral("list [--verbose] SOURCE"),
    QStringLiteral(
        "print the image list of a folder or a .pho album, one path a line, in the program's order"),
    runList, /*drawsText=*/false});

const CliCommandRegistration albumInfoRegistration(CliCommand{
    QStringLiteral("album-info"), QStringLiteral("album-info ALBUM"),
    QStringLiteral("print an album's title, description, photo count and last update"), runAlbumInfo,
    /*drawsText=*/false});

const CliCommandRegistration htmlExportRegistration(CliCommand{
    QStringLiteral("html-export"), QStringLiteral("html-export [--verbose] SOURCE [--out FILE]"),
    QStringLiteral(
        "write the image list of a folder or album as a web page table with each photo's pixel size"),
    runHtmlExport, /*drawsText=*/false});

}  // namespace
