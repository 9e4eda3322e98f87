#pragma once
// Printing the document: the Print command on the page it shows, and the batch print
// of its whole list, each holding the document busy while it runs.

#include <functional>

#include "core/Seams.h"
#include "output/PagePrinter.h"

class PrintDocument;

// Renders the page when none is kept, then prints it as the Print command does.
// services needs notifier and printer.
PrintResult PrintDocumentPage(PrintDocument& document, const Services& services);

// The Print command of a window or dialog: through the document's gate (refused
// while a long operation runs, a print included), then PrintDocumentPage; a page
// that did not reach the spooler is said in status pane 0.
PrintResult PrintPageCommand(PrintDocument& document, const Services& services);

// The alignment page for the document's template, placed as its pages are, moved by
// the given offsets (the ones being tried, not yet kept). services needs printer.
PrintResult PrintDocumentAlignmentPage(PrintDocument& document, const Services& services,
                                       const AlignmentOffsets& offsets);

// The batch print of the document's list: every page rendered by the document and
// printed like the Print command, waiting for the queue between pages. pause, when
// given, replaces the queue wait (tests); a close of the main window meanwhile asks
// the batch to stop (PrintDocument::requestStop). services needs notifier, printer
// and progress.
bool BatchPrintDocument(PrintDocument& document, const Services& services,
                        std::function<void(int milliseconds)> pause = {});
