// snapvale-cli album-page and album-print: one page of an album as the album editor
// draws it, written to a file or printed as the editor's page print does.

#include <QRegularExpression>
#include <QSizeF>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"
#include "cli/CliCommand.h"
#include "cli/CliImageSources.h"
#include "cli/PageFiles.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"
#include "output/PrinterBackend.h"
#include "output/SnapshotWriters.h"

namespace {

const char* const kPageUsage =
    "album-page ALBUM [--layout \"C x R\"] [--two-page] [--caption] [--size WxH] [--page N] --out FILE";
const char* const kPrintUsage =
    "album-print ALBUM [--layout \"C x R\"] [--two-page] [--caption] [--size WxH] [--page N] [--printer "
    "QUEUE]";

// A PDF page holds the drawing at this resolution (1800 x 1600 is 9 x 8 inches).
constexpr int kPdfResolution = 200;

struct AlbumPageOptions {
    QString album;
    AlbumLayout layout;
    QSize size = kPrintArea;
    long long page = 1;
    QString out;
    PageFileKind kind = PageFileKind::Png;  // by the extension of out
    QString printer;
    bool hasPrinter = false;
};

// Only the progress bar reaches the terminal: the page texts belong to the editor's window.
class ProgressOnly final : public StatusSink {
public:
    explicit ProgressOnly(StatusSink* forward) : forward_(forward) {}
    void setPaneText(int, const QString&) override {}
    void setIndicator(const QString&) override {}
    void setProgress(int position) override {
        if (position > 0 && forward_) forward_->setProgress(position);
    }
    void setWindowTitle(const QString&) override {}

private:
    StatusSink* forward_;
};

bool parseSize(const QString& text, QSize& size) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,6})[xX]([0-9]{1,6})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return false;
    size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    return size.width() > 0 && size.height() > 0;
}

// The options both commands take; forPrint takes --printer instead of --out. Returns
// 0 when parsed, else the usage error's exit code (already reported).
int parseOptions(const QStringList& given, bool forPrint, AlbumPageOptions& o) {
    const char* command = forPrint ? "album-print" : "album-page";
    const char* usage = forPrint ? kPrintUsage : kPageUsage;
    auto usageError = [&](const QString& text) { return cliUsageError(command, usage, text); };
    QStringList args = given;
    QString error, layout, size, page;
    bool hasLayout = false, hasSize = false, hasPage = false, hasOut = false;
    if (!cliTakeValue(args, QStringLiteral("--layout"), layout, hasLayout, error) ||
        !cliTakeValue(args, QStringLiteral("--size"), size, hasSize, error) ||
        !cliTakeValue(args, QStringLiteral("--page"), page, hasPage, error) ||
        (forPrint ? !cliTakeValue(args, QStringLiteral("--printer"), o.printer, o.hasPrinter, error)
                  : !cliTakeValue(args, QStringLiteral("--out"), o.out, hasOut, error)))
        return usageError(error);
    const bool twoPage = args.removeAll(QStringLiteral("--two-page")) > 0;
    const bool captions = args.removeAll(QStringLiteral("--caption")) > 0;
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--"))) return usageError(QStringLiteral("unknown option %1").arg(a));
    if (args.size() != 1) return usageError(QStringLiteral("give exactly one ALBUM file"));
    o.album = args.front();

    if (hasLayout && !AlbumLayout::isChoice(layout))
        return usageError(QStringLiteral("--layout takes one of \"%1\": %2")
                              .arg(albumLayoutChoices().join(QStringLiteral("\", \"")), layout));
    o.layout = AlbumLayout::fromText(hasLayout ? layout : QStringLiteral("1 x 1"), twoPage, captions);
    if (hasSize && !parseSize(size, o.size))
        return usageError(
            QStringLiteral("--size takes WIDTHxHEIGHT in pixels, e.g. 1800x1600: %1").arg(size));
    if (hasPage) {
        bool ok = false;
        o.page = page.toLongLong(&ok);
        if (!ok || o.page < 1)
            return usageError(QStringLiteral("--page takes a page number from 1: %1").arg(page));
    }
    if (!forPrint) {
        if (!hasOut || o.out.isEmpty()) return usageError(QStringLiteral("--out FILE is required"));
        if (!pageFileKindFor(o.out, o.kind))
            return usageError(
                QStringLiteral("the output must end in .bmp, .jpg, .png or .pdf: %1").arg(o.out));
    }
    return 0;
}

// The album's files in the model, laid out and placed at the asked page.
bool loadAlbum(const AlbumPageOptions& o, CliContext& ctx, AlbumPageModel& model, QString& error) {
    Album album;
    QString lastUpdate;
    if (!ReadAlbumFile(o.album, album, lastUpdate, ctx.services.notifier)) {
        error = QStringLiteral("cannot read album file: %1").arg(o.album);
        return false;
    }
    model.setFiles(album.files);
    model.setLayout(o.layout);
    if (!model.isEmpty()) model.setPageStart(model.pageStartFor(o.page));
    return true;
}

int runAlbumPage(CliContext& ctx) {
    AlbumPageOptions o;
    if (const int code = parseOptions(ctx.args, false, o)) return code;
    ProgressOnly status(ctx.services.status);
    AlbumPageModel model(&status, ctx.services.notifier);
    QString error;
    if (!loadAlbum(o, ctx, model, error)) return cliFailure("album-page", error);
    if (!model.RenderAlbumPage(o.size, AlbumPageModel::Drawing::LayoutChange))
        return cliFailure("album-page", QStringLiteral("the page could not be drawn"));

    const int jpegQuality = ctx.services.store ? readSettingInt(*ctx.services.store, setting::JPGQuality)
                                               : AppSettings().JPGQuality;
    bool ok = false;
    QString writeError;
    if (o.kind == PageFileKind::Pdf) {
        PdfPages pdf;
        const QSizeF inches(double(o.size.width()) / kPdfResolution,
                            double(o.size.height()) / kPdfResolution);
        ok = pdf.open(o.out, inches, kPdfResolution, QStringLiteral("Album page %1").arg(o.page)) &&
             pdf.addPage(model.cachedPreview()) && pdf.close();
        writeError = pdf.errorText();
    } else {
        CxImage page;
        ok = Canvas::keptPageFrom(model.cachedPreview(), page) &&
             writePageFile(page, o.kind, jpegQuality, o.out, writeError);
    }
    if (!ok)
        return cliFailure(
            "album-page",
            QStringLiteral("cannot write %1%2")
                .arg(o.out, writeError.isEmpty() ? QString() : QStringLiteral(" (") + writeError + ')'));
    cliOut(o.out);
    return 0;
}

int runAlbumPrint(CliContext& ctx) {
    AlbumPageOptions o;
    if (const int code = parseOptions(ctx.args, true, o)) return code;
    if (!ctx.services.printer) return cliFailure("album-print", QStringLiteral("no printer access"));
    PrinterBackend& printer = *ctx.services.printer;
    if (o.hasPrinter && !printer.selectPrinter(o.printer))
        return cliFailure("album-print", QStringLiteral("no printer is called \"%1\"").arg(o.printer));

    ProgressOnly status(ctx.services.status);
    AlbumPageModel model(&status, ctx.services.notifier);
    QString error;
    if (!loadAlbum(o, ctx, model, error)) return cliFailure("album-print", error);
    model.setThumbnailAreaSize(o.size);
    const QString where = currentPrinterName(printer);
    switch (model.PrintAlbumPage(printer)) {
        case AlbumPageModel::PrintOutcome::Printed:
            cliOut(QStringLiteral("printed album page %1 on \"%2\"").arg(o.page).arg(where));
            return 0;
        case AlbumPageModel::PrintOutcome::EmptyAlbum:
            return cliFailure("album-print", QStringLiteral("nothing printed"));
        case AlbumPageModel::PrintOutcome::MemoryError:
            return cliFailure("album-print", QStringLiteral("the page could not be drawn"));
        case AlbumPageModel::PrintOutcome::NotPrinted:
            break;
    }
    return cliFailure("album-print",
                      QStringLiteral("the page could not be sent to the printer \"%1\"").arg(where));
}

const CliCommandRegistration pageRegistration(CliCommand{
    QStringLiteral("album-page"), QString::fromLatin1(kPageUsage),
    QStringLiteral("draw page N (from 1) of an album as the album editor shows it, at WxH pixels (default "
                   "1800x1600), and write it as .bmp, .jpg, .png or .pdf"),
    runAlbumPage});

const CliCommandRegistration printRegistration(CliCommand{
    QStringLiteral("album-print"), QString::fromLatin1(kPrintUsage),
    QStringLiteral("print page N of an album, portrait inside quarter-inch margins; a size narrower than 500 "
                   "pixels prints at 1800x1600"),
    runAlbumPrint});

}  // namespace
