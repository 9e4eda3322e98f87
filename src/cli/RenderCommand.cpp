// snapvale-cli render: lays the photos of a folder, an album or a few files into a
// template and writes the pages as BMP, JPEG, PNG files or one PDF.

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <utility>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliImageSources.h"
#include "cli/PageFiles.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "document/PrintProject.h"
#include "image/CxImage.h"
#include "imagelist/DirectoryScan.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/PageSetup.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"
#include "output/SnapshotWriters.h"

namespace {

const char* const kUsage =
    "render [--template NAME | --top N --bottom N] [--dpi N] [--pages N|all] [--cut-marks] [--keep-faces] "
    "[--frame N=PANX,PANY[,ZOOM[,TURNS]]]... [--save-project FILE.svp] [--save-settings] [--verbose] "
    "(SOURCE... | --project FILE.svp) --out PATTERN";

int usageError(const QString& text) {
    return cliUsageError("render", kUsage, text);
}

int failure(const QString& text) {
    return cliFailure("render", text);
}

// The pass's status texts for one page, kept for the summary; the progress goes to
// the command line's bar, and with --verbose every text as it comes.
class PageStatus final : public StatusSink {
public:
    PageStatus(StatusSink* forward, bool verbose) : forward_(forward), verbose_(verbose) {}
    void setPaneText(int pane, const QString& text) override {
        if (pane >= 0 && pane < 3) panes[pane] = text;
        if (verbose_ && forward_) forward_->setPaneText(pane, text);
    }
    void setIndicator(const QString& name) override { lamp = name; }
    void setProgress(int position) override {
        // The pass sets 0 before and after a page; only the run in between is a bar.
        if (position <= 0 || !forward_) return;
        lastProgress_ = position;
        forward_->setProgress(position);
    }
    void setWindowTitle(const QString& text) override { title = text; }
    // Ends a bar that stopped short of 100 (a page that processed fewer slots).
    void endPage() {
        if (forward_ && lastProgress_ > 0 && lastProgress_ < 100) forward_->setProgress(100);
        lastProgress_ = 0;
    }

    QString panes[3];
    QString lamp;
    QString title;

private:
    StatusSink* forward_;
    bool verbose_;
    int lastProgress_ = 0;
};

// The pattern with every "%d" replaced by the page number. Nothing else in it is a
// format: a file name is never handed to printf.
QString pagePath(const QString& pattern, int page) {
    QString path = pattern;
    path.replace(QStringLiteral("%d"), QString::number(page));
    return path;
}

// Every "--frame VALUE" of the arguments, in order.
bool takeFrames(QStringList& args, std::vector<std::pair<int, Framing>>& frames, QString& error) {
    for (int i = args.indexOf(QStringLiteral("--frame")); i >= 0;
         i = args.indexOf(QStringLiteral("--frame"))) {
        if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
            error = QStringLiteral("--frame needs a value");
            return false;
        }
        int place = 0;
        Framing framing;
        if (!parseFrameArgument(args[i + 1], place, framing, error)) return false;
        frames.emplace_back(place, framing);
        args.remove(i, 2);
    }
    return true;
}

bool parseInt(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

void printPageSummary(int page, const QString& where, const PageStatus& status) {
    cliError(QStringLiteral("page %1 -> %2").arg(page).arg(where));
    for (int pane = 0; pane < 3; ++pane)
        cliError(QStringLiteral("  [%1] %2").arg(pane).arg(status.panes[pane]));
    cliError(QStringLiteral("  lamp: %1").arg(status.lamp));
}

int runRender(CliContext& ctx) {
    QStringList args = ctx.args;
    QString error;
    QString templateName, top, bottom, dpi, pages, out, projectIn, projectOut;
    bool hasTemplate = false, hasTop = false, hasBottom = false, hasDpi = false, hasPages = false,
         hasOut = false, hasProject = false, hasSaveProject = false;
    std::vector<std::pair<int, Framing>> frames;
    if (!takeFrames(args, frames, error)) return usageError(error);
    if (!cliTakeValue(args, QStringLiteral("--project"), projectIn, hasProject, error) ||
        !cliTakeValue(args, QStringLiteral("--save-project"), projectOut, hasSaveProject, error) ||
        !cliTakeValue(args, QStringLiteral("--template"), templateName, hasTemplate, error) ||
        !cliTakeValue(args, QStringLiteral("--top"), top, hasTop, error) ||
        !cliTakeValue(args, QStringLiteral("--bottom"), bottom, hasBottom, error) ||
        !cliTakeValue(args, QStringLiteral("--dpi"), dpi, hasDpi, error) ||
        !cliTakeValue(args, QStringLiteral("--pages"), pages, hasPages, error) ||
        !cliTakeValue(args, QStringLiteral("--out"), out, hasOut, error))
        return usageError(error);
    const bool saveSettings = args.removeAll(QStringLiteral("--save-settings")) > 0;
    const bool verbose = args.removeAll(QStringLiteral("--verbose")) > 0;
    const CliPageSwitches switches = cliTakePageSwitches(args);
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--"))) return usageError(QStringLiteral("unknown option %1").arg(a));
    if (hasProject && !args.isEmpty())
        return usageError(QStringLiteral("--project and a SOURCE exclude each other"));
    if (hasProject && (hasTemplate || hasTop || hasBottom))
        return usageError(
            QStringLiteral("--project brings its own template: leave out --template/--top/--bottom"));
    if (!hasProject && args.isEmpty()) return usageError(QStringLiteral("no SOURCE given"));
    if (!hasOut || out.isEmpty()) return usageError(QStringLiteral("--out PATTERN is required"));
    if (hasTemplate && (hasTop || hasBottom))
        return usageError(QStringLiteral("--template and --top/--bottom exclude each other"));

    PageFileKind kind;
    if (!pageFileKindFor(out, kind))
        return usageError(QStringLiteral("the output must end in .bmp, .jpg, .png or .pdf: %1").arg(out));
    if (kind == PageFileKind::Pdf && out.contains(QStringLiteral("%d")))
        return usageError(QStringLiteral("a PDF holds every page: give its file name without %d"));

    int resolution = 0;
    if (hasDpi && (!parseInt(dpi, resolution) || resolution < 1 || resolution > 10000))
        return usageError(
            QStringLiteral("--dpi takes a whole number of dots per inch (1 to 10000): %1").arg(dpi));
    int topStyle = 0, bottomStyle = 0;
    if (hasTop && (!parseInt(top, topStyle) || !isSelectableHalfPageStyle(topStyle)))
        return usageError(QStringLiteral("--top takes a half-page style 123 to 133: %1").arg(top));
    if (hasBottom && (!parseInt(bottom, bottomStyle) || !isSelectableHalfPageStyle(bottomStyle)))
        return usageError(QStringLiteral("--bottom takes a half-page style 123 to 133: %1").arg(bottom));
    bool allPages = false;
    int pageCount = 1;
    if (hasPages) {
        if (pages == QLatin1String("all"))
            allPages = true;
        else if (!parseInt(pages, pageCount) || pageCount < 1)
            return usageError(
                QStringLiteral("--pages takes a page count of 1 or more, or \"all\": %1").arg(pages));
    }

    SettingsStore& store = *ctx.services.store;
    if (saveSettings) store.setWritesInMemoryOnly(false);
    PrintDocument document(store);
    AppSettings& settings = document.settings();

    QStringList missing;
    if (hasProject) {
        PrintProject project;
        if (!loadProjectFile(projectIn, settings, project, error)) return failure(error);
        missing = applyProject(document, project);
        for (const QString& m : missing)
            cliError(QStringLiteral("snapvale-cli render: photo not found: %1").arg(m));
        if (document.listEmpty()) return failure(QStringLiteral("none of the project's photos was found"));
    }
    if (hasTemplate) {
        const TemplateChoice choice = chooseFullPageTemplate(settings, &store, templateName);
        if (!choice.known)
            return usageError(QStringLiteral("no template is called \"%1\" (see snapvale-cli templates)")
                                  .arg(templateName));
    } else if (hasTop || hasBottom) {
        chooseHalfPageStyles(settings, &store, hasTop ? topStyle : settings.TopPageStyle,
                             hasBottom ? bottomStyle : settings.BottomPageStyle);
    }
    if (hasDpi) choosePageResolution(settings, &store, resolution);
    cliApplyPageSwitches(switches, settings, store, "render");
    if (hasTemplate || hasTop || hasBottom) settings.writeLayoutChoices(store);

    // Pages this layout cannot draw are refused before any photo is read.
    const PagePlan plan = planPage(PlacementContext::fromSettings(settings));
    if (plan.fullPage && !plan.placed)
        return failure(
            QStringLiteral("the stored template \"%1\" is not one the program knows; choose one with "
                           "--template (see snapvale-cli templates)")
                .arg(settings.FullPageTemplateSel));

    if (!hasProject && !buildCliImageList(args, document, ctx, error)) return failure(error);
    const ImageList& list = document.imageList();
    for (const auto& [place, framing] : frames)
        if (!document.setFraming(place, framing))
            return usageError(
                QStringLiteral("--frame %1: the list has %2 photos").arg(place).arg(list.count()));

    const int perPage = plan.fullPage ? plan.slotCount
                                      : halfPageStyleSlotCount(settings.TopPageStyle) +
                                            halfPageStyleSlotCount(settings.BottomPageStyle);
    if (allPages) {
        if (settings.PhotoGridOnly || perPage <= 0)
            pageCount = 1;  // the list does not move: every page would be the same
        else if (settings.UseSingleImage)
            pageCount = list.count();
        else
            pageCount = (list.count() + perPage - 1) / perPage;
    }
    if (pageCount > 1 && kind != PageFileKind::Pdf && !out.contains(QStringLiteral("%d")))
        return usageError(
            QStringLiteral("%1 pages need a %d in the output name for the page number").arg(pageCount));

    PageStatus status(ctx.services.status, verbose);
    Services services = ctx.services;
    services.status = &status;
    document.setServices(services);
    ImageListCommands commands(document, services);
    // Each PDF page is the template's physical size, at the resolution it is drawn at.
    PdfPages pdf;
    if (kind == PageFileKind::Pdf &&
        !pdf.open(out, QSizeF(settings.MaxTemplateWidthIn, settings.MaxTemplateHeightIn),
                  settings.PageResolution, plan.layoutText))
        return failure(QStringLiteral("cannot write %1 (%2)").arg(out, pdf.errorText()));

    QStringList written;
    int failed = 0;
    std::optional<PrintProject> drawn;
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) commands.nextPage();
        const PagePaintResult result = document.renderPage();
        const KeptPage& kept = document.page();
        status.endPage();
        if (result != PagePaintResult::Rendered) {
            ++failed;
            cliError(QStringLiteral("page %1: not rendered").arg(page));
            break;  // a page too big for memory stays too big
        }
        if (verbose && page == 1) cliError(status.title);
        if (page == 1 && hasSaveProject) drawn = projectOf(document);
        const QString path = kind == PageFileKind::Pdf ? out : pagePath(out, page);
        QString writeError;
        const bool ok = kind == PageFileKind::Pdf
                            ? pdf.addPage(kept.image.ToBitmap())
                            : writePageFile(kept.image, kind, settings.JPGQuality, path, writeError);
        printPageSummary(page, path, status);
        if (ok) {
            written << path;
        } else {
            ++failed;
            cliError(
                QStringLiteral("snapvale-cli render: cannot write %1%2")
                    .arg(path, writeError.isEmpty() ? QString() : QStringLiteral(" (") + writeError + ')'));
        }
    }
    if (kind == PageFileKind::Pdf) {
        if (!pdf.close())
            return failure(pdf.errorText().isEmpty()
                               ? QStringLiteral("nothing was written to %1").arg(out)
                               : QStringLiteral("cannot write %1 (%2)").arg(out, pdf.errorText()));
        cliOut(out);
    } else {
        for (const QString& path : written) cliOut(path);
    }
    if (drawn) {
        if (!saveProjectFile(projectOut, *drawn, error)) return failure(error);
        cliOut(projectOut);
    }
    if (written.isEmpty()) return failure(QStringLiteral("nothing was written"));
    return failed > 0 ? 1 : 0;
}

const CliCommandRegistration registration(CliCommand{
    QStringLiteral("render"), QString::fromLatin1(kUsage),
    QStringLiteral("lay the photos of a folder, album or files into a template and write the pages "
                   "(.bmp, .jpg, .png, one file a page with %d; .pdf, one file)"),
    runRender});

}  // namespace
