#pragma once
// The alignment page: a frame along the template's edges and millimetre rulers
// across the middle of each edge, printed the way the template's pages print, so
// the person can measure how far a printer puts its prints off the paper's middle
// and give the correction once for that printer.

#include <QString>

#include "layout/PageSetup.h"
#include "output/PagePrinter.h"

class CxImage;
struct AppSettings;

// Millimetre lengths of the page's marks.
namespace alignment_marks {
inline constexpr int kRulerMm = 20;           // each ruler's length from the frame inward
inline constexpr double kFrameMm = 0.3;       // the frame's line width
inline constexpr double kTickMm = 1.5;        // a millimetre tick; 5 and 10 are longer
inline constexpr double kTextHeightMm = 2.5;  // numbers and the explanation
}  // namespace alignment_marks

// What the page tells the person to do with the rulers.
QString AlignmentInstructions();

// The page for a template area of templateWidth x templateHeight inches at the given
// resolution, naming the printer and the offsets it was printed with. False, with
// page untouched, when the page cannot be made (no area, or no memory for it).
bool MakeAlignmentPage(CxImage& page, double templateWidth, double templateHeight, int resolution,
                       const AlignmentOffsets& used, const QString& printerName);

// Prints the page for the current template as the Print command would print one of
// its pages (placement, borderless paper), moved by the offsets given instead of the
// queue's, but always upright on the paper (portrait, a wide template turned), since
// the offsets are in the paper's frame. No page-size question is asked: the page is a test.
PrintResult PrintAlignmentPage(const AppSettings& settings, PrinterBackend& backend,
                               const AlignmentOffsets& offsets);
