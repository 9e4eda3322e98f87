#include "output/BatchPrint.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <memory>
#include <optional>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/ProgressWindow.h"
#include "core/WaitCursor.h"
#include "imagelist/ImageList.h"
#include "layout/TemplateCatalogue.h"
#include "output/PagePrinter.h"
#include "output/PrinterBackend.h"
#include "output/PrinterStatus.h"

void WaitWithEventsAlive(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool PollPrintQueue(PrinterBackend& backend, int& jobCount, const std::function<void(int)>& pause) {
    int count = jobCount;
    if (!backend.queuedJobCount(count)) return false;
    jobCount = count;
    // Read first, then wait: a page spooled just now is normally still counted.
    if (pause)
        pause(kQueuePollPauseMs);
    else
        WaitWithEventsAlive(kQueuePollPauseMs);
    return true;
}

void RestartImageList(ImageList& list) {
    list.currentPhoto.clear();
    list.setCursor(0);
    // Next page after a backward step would take two photos to turn round; from
    // the start of the list that would skip the first ones.
    list.setDirection(ImageList::Direction::Forward);
}

int BatchPhotosPerPage(const AppSettings& settings) {
    // One photo fills every slot: each page uses up one photo of the list.
    if (settings.UseSingleImage == 1) return 1;
    const PagePlan plan = planPage(PlacementContext::fromSettings(settings));
    return plan.slotCount > 0 ? plan.slotCount : 1;
}

QString BatchTemplateName(const AppSettings& settings) {
    const PagePlan plan = planPage(PlacementContext::fromSettings(settings));
    return plan.fullPage ? plan.title : plan.layoutText;
}

int BatchPageCount(int imageCount, int photosPerPage) {
    if (imageCount <= 0) return 0;
    if (photosPerPage < 1) photosPerPage = 1;
    return imageCount / photosPerPage + (imageCount % photosPerPage != 0 ? 1 : 0);
}

namespace {

// The progress window goes and the batch-in-progress flag is cleared however the
// batch ends.
struct BatchRun {
    std::unique_ptr<ProgressWindow> window;
    std::optional<BatchPrintFlag> flag;
    BatchRun() { flag.emplace(); }
    ~BatchRun() {
        if (window) window->destroy();
    }
};

int pagePosition(int page, int pageCount) {
    return static_cast<int>(std::trunc(double(page) * 100.0 / double(pageCount)));
}

const char* const kSpoolError =
    QT_TRANSLATE_NOOP("Messages", "Printer spool error - auto print process aborted!");

}  // namespace

bool BatchPrint(BatchPrintContext& ctx) {
    Notifier& notifier = *ctx.services.notifier;
    PrinterBackend& printer = *ctx.services.printer;
    // Windows stay alive while the batch waits, so its command can come again.
    if (BatchPrintInProgress()) return false;

    WaitCursor waitCursor;
    const int imageCount = ctx.list.count();
    if (imageCount == 0) {
        // Nothing to print: saying "All photos printed!" would be untrue.
        showListEmpty(notifier);
        return false;
    }
    const int pageCount = BatchPageCount(imageCount, BatchPhotosPerPage(ctx.settings));
    const QString templateName = layoutDisplayText(BatchTemplateName(ctx.settings));
    const QString printerName = currentPrinterName(printer);

    const QString question = QString::asprintf(
        QCoreApplication::translate("Messages",
                                    "This operation will print your ENTIRE image list of %d images. Using "
                                    "the current photo template:\n "
                                    "\"%s\", this will require %d printer pages. \nYou should make sure your "
                                    "printer paper and settings "
                                    "match the current template.\n\nDo you want to continue this operation?")
            .toUtf8()
            .constData(),
        imageCount, templateName.toUtf8().constData(), pageCount);
    if (notifier.message(
            QCoreApplication::translate("Messages", "Batch Print Image List -> %1").arg(printerName),
            question, MessageKind::WarningQuestion) != Answer::Yes)
        return false;

    BatchRun run;
    if (ctx.hooks.restartList) ctx.hooks.restartList();
    if (ctx.hooks.nextPageAndRender) ctx.hooks.nextPageAndRender();

    if (ctx.services.progress) run.window = ctx.services.progress->makeProgressWindow();
    if (!run.window) run.window = std::make_unique<SilentProgressWindow>();
    ProgressWindow& progress = *run.window;
    progress.create(QCoreApplication::translate("Messages", "Photo Auto Print - %1").arg(printerName));
    progress.setRange(0, 100, 1);

    // The Cancel button, an Escape or a close of the main window: asks whether to stop.
    auto stopWanted = [&] {
        if (ctx.hooks.stopAsked && ctx.hooks.stopAsked()) progress.cancel();
        if (!progress.cancelled()) return false;
        if (notifier.message(QCoreApplication::translate("Messages", "Photo Printing Progress Interrupt"),
                             QCoreApplication::translate("Messages", "Do you want to stop photo printing?"),
                             MessageKind::WarningQuestion) == Answer::Yes)
            return true;
        progress.clearCancelled();
        progress.show();
        return false;
    };
    // The queue wait lets input through the progress window, so an Escape pressed
    // while the printer works is seen as well.
    const std::function<void(int)> pause =
        ctx.hooks.pause ? ctx.hooks.pause : [&progress](int ms) { progress.wait(ms, true); };

    int page = 1;
    int jobCount = 0;
    int lastShown = -1;
    bool goOn = true;
    bool result = true;
    // What the queue says about itself, read before each page and at each poll; a
    // halted queue is asked about once for each state it shows.
    QString stateText;       // naming the printer: the status pane and the question
    QString windowLine;      // the window's caption names it already
    QString lastStateShown;  // in the progress text
    QString lastPaneText;    // in the status pane, emptied again once the printer is fine
    QString askedAbout;
    auto readState = [&] {
        const PrinterState state = ReadPrinterState(printer);
        stateText = PrinterStateText(state, printerName);
        windowLine = PrinterStateText(state, QString());
        if (stateText != lastPaneText && ctx.services.status) ctx.services.status->setPaneText(0, stateText);
        lastPaneText = stateText;
        return state;
    };
    // The window holds four lines: the state takes the empty one under the template's name.
    auto pageText = [&](const QString& rest) {
        return QString::asprintf(
                   QCoreApplication::translate("Status", "Template type: %s\n").toUtf8().constData(),
                   templateName.toUtf8().constData()) +
               windowLine + u'\n' + rest;
    };
    // The waiting text is rewritten only when the count or the printer's state changed.
    auto showWaiting = [&] {
        if (jobCount == lastShown && stateText == lastStateShown) return;
        progress.setText(pageText(QString::asprintf(
            QCoreApplication::translate(
                "Status", "Printing photo page %d of %d\n(...waiting for %d jobs queued to print.)")
                .toUtf8()
                .constData(),
            page, pageCount, jobCount)));
        progress.setPosition(pagePosition(page, pageCount));
        lastShown = jobCount;
        lastStateShown = stateText;
    };
    // Before the first page; every later page follows the read after a poll.
    readState();
    while (goOn && page <= pageCount) {
        if (jobCount < 1) {
            const KeptPage* current = ctx.hooks.currentPage ? ctx.hooks.currentPage() : nullptr;
            const PrintResult printed =
                PrintPage(ctx.settings, ctx.list.isEmpty(), current, printer, notifier);
            if (printed != PrintResult::Printed) {
                // A page that never reached the spooler leaves the queue empty; going
                // on would end in "All photos printed!" with pages missing.
                notifier.plainOk(QCoreApplication::translate("Messages", kSpoolError));
                goOn = false;
                result = false;
                continue;
            }
            progress.setText(pageText(QString::asprintf(
                QCoreApplication::translate("Status", "Printing photo page %d of %d").toUtf8().constData(),
                page, pageCount)));
            progress.setPosition(pagePosition(page, pageCount));
            lastShown = -1;
            lastStateShown = stateText;
        } else {
            showWaiting();
        }

        progress.pump(true);
        if (stopWanted()) {
            goOn = false;
            result = false;
            continue;
        }

        if (!PollPrintQueue(printer, jobCount, pause)) {
            notifier.plainOk(QCoreApplication::translate("Messages", kSpoolError));
            goOn = false;
            result = false;
            continue;
        }
        const PrinterState state = readState();
        if (jobCount >= 1 && PrinterHalted(state)) {
            // The window says why before the question asks what to do about it.
            showWaiting();
            // A stopped or offline queue keeps the page for good: waiting on it is the
            // person's choice, not the program's.
            if (stateText != askedAbout) {
                askedAbout = stateText;
                if (!AskWaitForPrinter(notifier, printerName, stateText)) {
                    goOn = false;
                    result = false;
                    continue;
                }
                progress.show();
            }
        } else {
            askedAbout.clear();
        }
        if (stopWanted()) {
            // Stopped during the wait: the next page is neither rendered nor printed.
            goOn = false;
            result = false;
        } else if (jobCount < 1) {
            if (ctx.hooks.nextPageAndRender) ctx.hooks.nextPageAndRender();
            ++page;
        }
    }

    run.window->destroy();
    run.flag.reset();
    if (result) notifier.plainOk(QCoreApplication::translate("Messages", "All photos printed!"));
    return result;
}
