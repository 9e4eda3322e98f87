#pragma once
// Putting one rendered page on paper: where the page lands on the printer's
// printable area, the questions asked before printing (page size, borderless
// setup, print margins), and the Print command itself. The placement and the
// ratio take plain values so they can be checked without a printer.

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "layout/PageSetup.h"
#include "output/PrinterBackend.h"

class CxImage;
struct KeptPage;
class Notifier;
class SettingsStore;
struct AppSettings;

// How a bitmap is put on the printer page.
enum PlacementMode : int {
    FitInMargins = 1,  // scaled, aspect kept, into the printable area less the offsets on every side
    OneToOne = 4,      // one canvas pixel on one printer dot, at the offsets
    PageFit = 5,       // sized from the template area by the page-area ratio
    EdgeToEdge = 6,    // a borderless page: the whole printable area when it is the paper, else PageFit
};

// The page-area ratio limits and the PageFit factors, as exact decimals.
namespace print_limits {
inline constexpr double kTooLarge = 102.0;        // at or above: the printer page is too large
inline constexpr double kBorderless = 99.9;       // at or above (below kTooLarge): borderless match
inline constexpr double kTooSmall = 85.56;        // below: the printer page is too small
inline constexpr double kLargeSheetInches = 5.0;  // printable width above which a sheet is large
inline constexpr double kSmallSheetMargin = 0.022;
inline constexpr double kLargeSheetHeight = 0.978;
}  // namespace print_limits

// The printable size in inches; 0 on an axis without a resolution.
double printableWidthInches(const PrinterPage& page);
double printableHeightInches(const PrinterPage& page);

// Printable area over paper area, in percent; 100 when they are equal. A printer
// page without an area (no printer) gives 0, and so does a paper without one.
double PageAreaRatio(const PrinterPage& page, double paperWidth, double paperHeight);

// Where the bitmap lands on the printer page, in printer dots from the printable
// area's top-left corner. Offsets are inches (used by FitInMargins and OneToOne).
// An empty rectangle means nothing is drawn (a blank page is spooled).
QRect ComputePlacement(const PrinterPage& page, int mode, int bitmapWidth, int bitmapHeight, float offsetX,
                       float offsetY, const PaperSizes& sizes);

// The placement moved by the alignment offsets, each rounded to the nearest dot. The
// offsets are in the paper's frame (the sheet upright as it leaves the printer); a
// landscape job is turned a quarter turn anti-clockwise onto the paper, so there
// the paper's right is the job's down and the paper's down the job's left.
QRect AlignedPlacement(const QRect& placement, const PrinterPage& page, const AlignmentOffsets& offsets,
                       int orientation = kPrintPortrait);

// The placement the Print command uses: PageFit when StretchImageToPage is 1
// (EdgeToEdge for a borderless page), else OneToOne.
int PagePlacementMode(const AppSettings& settings, bool borderless);

// Landscape when the canvas is at least as wide as high (AutoOrientation), else
// the manual choice (ManPortraitRadio: portrait when set).
int PrintOrientation(const AppSettings& settings, int canvasWidth, int canvasHeight);

// The FitInMargins fit: a bitmap of bitmapWidth x bitmapHeight scaled with its aspect
// kept to the largest size inside boxWidth x boxHeight (integer arithmetic, truncated).
// Empty when either size is not positive.
QSize fitInMarginsSize(int boxWidth, int boxHeight, int bitmapWidth, int bitmapHeight);

// The spooler's document name: the title cut to 31 characters.
QString PrintDocumentName(const QString& title);

// What a page asks of the printer besides its placement.
struct PageRequest {
    // The borderless version of the queue's paper, where it has one.
    bool borderless = false;
    // Added to the placement; the queue's own offsets when not given.
    std::optional<AlignmentOffsets> alignment;
};

// Spools one page. Without a bitmap, a printer or a printable area nothing is
// spooled. True only when the page reached the spooler.
bool PrintBitmap(PrinterBackend& backend, const CxImage* bitmap, int mode, const QString& title,
                 int orientation, float offsetX, float offsetY, const PaperSizes& sizes,
                 const PageRequest& request = {});

// Set while a batch print runs: the page-size question is then not asked.
bool BatchPrintInProgress();
// Sets the flag for its lifetime; the flag is cleared however the holder ends.
class BatchPrintFlag {
public:
    BatchPrintFlag();
    ~BatchPrintFlag();
    BatchPrintFlag(const BatchPrintFlag&) = delete;
    BatchPrintFlag& operator=(const BatchPrintFlag&) = delete;
};

// Before a single page print: asks whether to go on when the printer page is far
// smaller or larger than the template's paper. A borderless page is measured on the
// borderless version of the queue's paper where it has one. True means print.
bool CheckPrinterPageSize(PrinterBackend& backend, Notifier& notifier, const PaperSizes& sizes,
                          bool borderless = false);

// After a borderless template is chosen: tells the person when the printer is not
// set up for borderless printing, measured on the borderless version of the queue's
// paper; a queue without one is named in the notice. True when the notice was shown.
bool CheckBorderlessPage(PrinterBackend& backend, Notifier& notifier, const PaperSizes& sizes);

// Borderless printing needs zero print margins: when either is above 0, asks to
// reset them. Yes sets both to 0 and writes them (when a store is given); the
// result says whether the caller goes on (no margins, or Yes).
bool AskMarginReset(AppSettings& settings, SettingsStore* store, Notifier& notifier);

// "Print canvas to \"%s\"" with the printer's name.
QString PrintCommandText(PrinterBackend& backend);

enum class PrintResult {
    Printed,     // the page reached the spooler
    Abandoned,   // the page-size question was answered No
    EmptyList,   // nothing to print; the person was told
    NotPrinted,  // no page, no printer, or the spooler refused it
};

// The Print command: the page-size check, the empty-list notice, then the page in
// the orientation and placement the settings choose, as "Snapvale Snapshot". The
// page's own paper and template sizes place it; a borderless page goes on the
// borderless version of the queue's paper, edge to edge, where the queue has one.
PrintResult PrintPage(const AppSettings& settings, bool listEmpty, const KeptPage* page,
                      PrinterBackend& backend, Notifier& notifier);
