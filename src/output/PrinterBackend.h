#pragma once
// The printer as the core sees it: the application's printer settings (a printer
// name, an orientation, the paper), the printable area of that paper, spooling one
// page, the number of jobs waiting in its queue and what the queue says about
// itself. The placement arithmetic and the checks around printing take plain values
// from here, so they run without a printer.

#include <QRect>
#include <QString>
#include <QStringList>

class CxImage;
class SettingsStore;

// The printable area of the current printer in dots and its resolution in dots per
// inch on each axis; all zero when no printer device can be made.
struct PrinterPage {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// The paper the jobs go on, as the queue names and measures it.
struct PrinterMedia {
    QString name;            // the queue's own name for it ("4x6", "4x6.Fullbleed"); empty when unknown
    QString displayName;     // as the printer's dialogs show it ("4 x 6 in")
    double widthInches = 0;  // upright
    double heightInches = 0;
    bool borderless = false;  // printable to its edges
    bool isValid() const { return !name.isEmpty() && widthInches > 0 && heightInches > 0; }
};

// What the queue says about itself (printer-state and printer-state-reasons).
struct PrinterState {
    enum class Kind { Unknown, Idle, Processing, Stopped };
    Kind kind = Kind::Unknown;
    QStringList reasons;  // keywords as the queue gives them ("media-empty-error"); never "none"
};

// Where prints land on a printer's paper compared with where they should, measured
// on the alignment page and added to every placement: millimetres, positive moves
// the print right and down.
struct AlignmentOffsets {
    double xMm = 0;
    double yMm = 0;
    friend bool operator==(const AlignmentOffsets&, const AlignmentOffsets&) = default;
};
// No printer is off by more than this; a stored value beyond it is taken as this.
inline constexpr double kAlignmentLimitMm = 25.0;

// Orientation values written into the printer settings.
constexpr int kPrintPortrait = 1;
constexpr int kPrintLandscape = 2;

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    // The name of the printer the application prints to (its printer settings: the
    // printer picked in the printer setup, else the system's default printer, else
    // the first one the system lists), or empty when the machine has none.
    virtual QString defaultPrinterName() = 0;
    // Writes the orientation (kPrintPortrait or kPrintLandscape) into the
    // application's printer settings; later pages and page reads use it.
    virtual void setOrientation(int /*orientation*/) {}
    // The printable area and resolution of the current printer on the paper in use;
    // zeros without one.
    virtual PrinterPage readPrinterPage() { return {}; }
    // The paper the next job goes on: the one picked in the printer setup, else the
    // queue's default, or its borderless version while that is asked for. Invalid
    // without a printer or when the queue does not say.
    virtual PrinterMedia currentMedia() { return {}; }
    // Asks for the borderless version of the paper (on) or the paper itself (off) for
    // the page reads and jobs that follow. True when the queue prints that way: with
    // on, when it offers a borderless version of its paper (or the paper is one).
    virtual bool useBorderlessMedia(bool on) { return !on; }
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
    // The current printer's state; false, with state untouched, when it cannot be read.
    virtual bool readPrinterState(PrinterState& /*state*/) { return false; }
    // Makes the named printer the application's printer (the command line's
    // --printer); false, with the current choice kept, when there is no such printer.
    virtual bool selectPrinter(const QString& /*name*/) { return false; }

    // The alignment offsets of the current printer's queue, kept in the settings store
    // given here (none without a store or a printer).
    void setSettingsStore(SettingsStore* store) { store_ = store; }
    AlignmentOffsets alignmentOffsets();
    // Keeps them for the current printer's queue; false without a store or a printer.
    bool setAlignmentOffsets(const AlignmentOffsets& offsets);

private:
    SettingsStore* store_ = nullptr;
};

// The printable area on the paper a page of that kind goes on: the borderless version
// of the queue's paper for a borderless page (where it has one), else the paper itself.
// The printer is left asking for its plain paper, as every job leaves it.
PrinterPage ReadPrinterPageFor(PrinterBackend& backend, bool borderless);

// The name shown to the person: the application's printer, or "Default Printer" when none.
QString currentPrinterName(PrinterBackend& backend);
// The queue a printer name stands for: CUPS names an instance "queue/instance".
QString printerQueueName(const QString& printerName);
