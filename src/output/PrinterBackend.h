#pragma once
// The printer as the core sees it: the application's printer settings (a printer
// name and an orientation), the printable area of that printer, spooling one page,
// and the number of jobs waiting in its queue. The placement arithmetic and the
// checks around printing take plain values from here, so they run without a printer.

#include <QRect>
#include <QString>

class CxImage;

// The printable area of the current printer in dots and its resolution in dots per
// inch on each axis; all zero when no printer device can be made.
struct PrinterPage {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Orientation values written into the printer settings.
constexpr int kPrintPortrait = 1;
constexpr int kPrintLandscape = 2;

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    // The name of the printer the application prints to (its printer settings: the
    // printer picked in the printer setup, else the system's default printer), or
    // empty when the machine has none.
    virtual QString defaultPrinterName() = 0;
    // Writes the orientation (kPrintPortrait or kPrintLandscape) into the
    // application's printer settings; later pages and page reads use it.
    virtual void setOrientation(int /*orientation*/) {}
    // The printable area and resolution of the current printer; zeros without one.
    virtual PrinterPage readPrinterPage() { return {}; }
    // Spools one page under the document name: the bitmap stretched smoothly into
    // the placement rectangle (printer dots, origin at the printable area's top-left
    // corner; the device clips what lies outside). An empty rectangle spools a blank
    // page. False when the job could not be made or a step of it failed.
    virtual bool spoolPage(const CxImage& /*bitmap*/, const QRect& /*placement*/,
                           const QString& /*documentName*/) {
        return false;
    }
    // The number of jobs in the current printer's queue (every program's and user's).
    // False, with count untouched, when the printer or its queue cannot be read.
    virtual bool queuedJobCount(int& /*count*/) { return false; }
    // Makes the named printer the application's printer (the command line's
    // --printer); false, with the current choice kept, when there is no such printer.
    virtual bool selectPrinter(const QString& /*name*/) { return false; }
};

// The name shown to the person: the application's printer, or "Default Printer" when none.
QString currentPrinterName(PrinterBackend& backend);
