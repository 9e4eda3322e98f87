#pragma once
// Printing the whole image list, page after page: each page is rendered the way the
// view renders it, printed like the Print command, and the next one waits until the
// printer's queue is empty, so the spooler never holds more than one of our pages.

#include <QString>
#include <functional>

#include "core/Seams.h"

class CxImage;
struct KeptPage;
class ImageList;
class PrinterBackend;
struct AppSettings;

// Waits the given milliseconds with a local event loop, so windows stay alive.
void WaitWithEventsAlive(int milliseconds);

// How long the queue poll holds the interface thread between two reads.
inline constexpr int kQueuePollPauseMs = 1500;

// Reads the number of jobs in the current printer's queue (every program's) into
// jobCount, then pauses. False, with jobCount unchanged and no pause, when the
// queue cannot be read. pause null: WaitWithEventsAlive.
bool PollPrintQueue(PrinterBackend& backend, int& jobCount, const std::function<void(int)>& pause = {});

// The list back at its start: no current photo, the position on the first file and
// the direction forward, so the next page begins with the first photo.
void RestartImageList(ImageList& list);

// Photos one page of the current layout takes (at least 1); with one photo repeated
// in every slot a page takes one photo of the list.
int BatchPhotosPerPage(const AppSettings& settings);
// The layout's name in the batch texts.
QString BatchTemplateName(const AppSettings& settings);
// image count / photos per page, rounded up.
int BatchPageCount(int imageCount, int photosPerPage);

// What the batch asks of whoever owns the list and the kept page (the main view,
// or the command line). Every page is rendered through the same code the view uses.
struct BatchPrintHooks {
    // The list back to its first file (RestartImageList, plus whatever the owner keeps).
    std::function<void()> restartList;
    // Next page, then the page rendered into the kept page.
    std::function<void()> nextPageAndRender;
    // The rendered page to print now; may render it when there is none. Null when
    // no page could be rendered.
    std::function<const KeptPage*()> currentPage;
    // The pause between queue reads; null waits with a local event loop.
    std::function<void(int milliseconds)> pause;
    // Asked after every pump: true when the person asked to stop some other way than
    // the progress window (closing the main window). Treated like its Cancel.
    std::function<bool()> stopAsked;
};

struct BatchPrintContext {
    AppSettings& settings;
    ImageList& list;
    Services services;  // notifier, printer and progress are needed
    BatchPrintHooks hooks;
};

// The whole run: confirmation, restart, the page loop with the progress window and
// the queue polls, and the closing message. True when every page reached the
// printer; false when declined, stopped, the queue could not be read, a page could
// not be printed, or a batch is already running.
bool BatchPrint(BatchPrintContext& context);
