// snapvale-cli print: lays the photos of a folder, an album or a few files into a
// template and prints the first page, or with --batch the whole list page after page,
// through the same checks and placement as the Print and Batch Print commands.

#include "cli/CliCommand.h"
#include "cli/CliImageSources.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "document/DocumentPrinting.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/PageSetup.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"
#include "output/BatchPrint.h"
#include "output/PagePrinter.h"
#include "output/PrinterBackend.h"
#include "output/PrinterStatus.h"

namespace {

const char* const kUsage =
    "print [--template NAME] [--printer NAME] [--batch] [--cut-marks] [--keep-faces] [--yes] SOURCE...";

int usageError(const QString& text) {
    return cliUsageError("print", kUsage, text);
}

int failure(const QString& text) {
    return cliFailure("print", text);
}

// Asking for --batch is the answer to the batch's confirmation; a printer that stops
// while the batch waits on it ends the batch, as nobody is there to start it; every
// other message goes to the command line's own notifier (and --yes).
class BatchConfirmedNotifier final : public Notifier {
public:
    explicit BatchConfirmedNotifier(Notifier& inner) : inner_(inner) {}
    Answer message(const QString& title, const QString& text, MessageKind kind) override {
        if (kind == MessageKind::WarningQuestion && !confirmed_) {
            confirmed_ = true;
            cliError(title + QStringLiteral(": ") + text);
            cliError(QStringLiteral("  -> Yes (--batch)"));
            return Answer::Yes;
        }
        return inner_.message(title, text, kind);
    }
    int plain(const QString& title, const QString& text, MessageIcon icon,
              const QStringList& buttons) override {
        const int stop = buttons.indexOf(QStringLiteral("Stop"));
        if (stop >= 0) {
            cliError(title + QStringLiteral(": ") + text);
            cliError(QStringLiteral("  -> Stop"));
            return stop;
        }
        return inner_.plain(title, text, icon, buttons);
    }

private:
    Notifier& inner_;
    bool confirmed_ = false;
};

int runPrint(CliContext& ctx) {
    QStringList args = ctx.args;
    QString error, templateName, printerName;
    bool hasTemplate = false, hasPrinter = false;
    if (!cliTakeValue(args, QStringLiteral("--template"), templateName, hasTemplate, error) ||
        !cliTakeValue(args, QStringLiteral("--printer"), printerName, hasPrinter, error))
        return usageError(error);
    const bool batch = args.removeAll(QStringLiteral("--batch")) > 0;
    const CliPageSwitches switches = cliTakePageSwitches(args);
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--"))) return usageError(QStringLiteral("unknown option %1").arg(a));
    if (args.isEmpty()) return usageError(QStringLiteral("no SOURCE given"));
    if (!ctx.services.printer || !ctx.services.notifier || !ctx.services.store)
        return failure(QStringLiteral("no printer access"));
    PrinterBackend& printer = *ctx.services.printer;

    SettingsStore& store = *ctx.services.store;
    PrintDocument document(store);
    AppSettings& settings = document.settings();
    if (hasTemplate) {
        if (!chooseFullPageTemplate(settings, &store, templateName).known)
            return usageError(QStringLiteral("no template is called \"%1\" (see snapvale-cli templates)")
                                  .arg(templateName));
        settings.writeLayoutChoices(store);
    }
    cliApplyPageSwitches(switches, settings, store, "print");
    const PagePlan plan = planPage(PlacementContext::fromSettings(settings));
    if (plan.fullPage && !plan.placed)
        return failure(
            QStringLiteral("the stored template \"%1\" is not one the program knows; choose one with "
                           "--template (see snapvale-cli templates)")
                .arg(settings.FullPageTemplateSel));

    if (hasPrinter && !printer.selectPrinter(printerName))
        return failure(QStringLiteral("no printer is called \"%1\"").arg(printerName));
    const QString where = currentPrinterName(printer);
    // A printer that cannot print takes the job and keeps it: it is said first, and
    // the page goes only when asked for.
    const PrinterState state = ReadPrinterState(printer);
    if (const QString stateText = PrinterStateText(state, where); !stateText.isEmpty()) cliError(stateText);
    if (PrinterNeedsAttention(state) && !ctx.assumeYes)
        return failure(
            QStringLiteral("not printed: the printer \"%1\" cannot print now (--yes sends it anyway)")
                .arg(where));

    if (!buildCliImageList(args, document, ctx, error)) return failure(error);

    NullStatusSink quiet;
    Services services = ctx.services;
    services.status = &quiet;
    document.setServices(services);

    if (!batch) {
        if (document.renderPage() != PagePaintResult::Rendered)
            return failure(QStringLiteral("the page could not be rendered"));
        switch (PrintDocumentPage(document, services)) {
            case PrintResult::Printed:
                cliOut(QStringLiteral("printed 1 page on \"%1\"").arg(where));
                return 0;
            case PrintResult::Abandoned:
                return failure(QStringLiteral("not printed (--yes prints anyway)"));
            case PrintResult::EmptyList:
                return failure(QStringLiteral("no photos to print"));
            case PrintResult::NotPrinted:
                break;
        }
        return failure(QStringLiteral("the page could not be sent to the printer \"%1\"").arg(where));
    }

    BatchConfirmedNotifier notifier(*ctx.services.notifier);
    services.notifier = &notifier;
    document.setServices(services);
    if (!BatchPrintDocument(document, services))
        return failure(QStringLiteral("the batch did not print every page"));
    cliOut(QStringLiteral("printed %1 pages on \"%2\"")
               .arg(BatchPageCount(document.imageList().count(), BatchPhotosPerPage(settings)))
               .arg(where));
    return 0;
}

const CliCommandRegistration registration(CliCommand{
    QStringLiteral("print"), QString::fromLatin1(kUsage),
    QStringLiteral("print the first page of a folder, album or files in a template, or with --batch every "
                   "page, waiting for the printer's queue between pages"),
    runPrint});

}  // namespace
