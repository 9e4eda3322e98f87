#pragma once
// What the queue says about itself, put into words for the person: a stopped or
// offline queue keeps every job until someone acts, so a batch waiting on it must
// say so and ask rather than wait in silence.

#include <QString>

#include "output/PrinterBackend.h"

class Notifier;

// The printer's condition as one sentence ("The printer \"Photo\" is stopped and out
// of paper.", or "The printer is ..." without a name), or empty when it is ready or
// says nothing worth telling.
QString PrinterStateText(const PrinterState& state, const QString& printerName);

// Stopped or offline: its jobs wait until someone starts it or plugs it in.
bool PrinterHalted(const PrinterState& state);
// Halted, out of paper or jammed: a page sent now will not come out by itself.
bool PrinterNeedsAttention(const PrinterState& state);

// Asked while a batch waits on a halted printer. True to go on waiting.
bool AskWaitForPrinter(Notifier& notifier, const QString& printerName, const QString& stateText);

// The state read now, or nothing known when it cannot be read.
PrinterState ReadPrinterState(PrinterBackend& backend);
