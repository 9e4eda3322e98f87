#pragma once
// Trim guides for a sheet of several prints: short marks that continue each print's
// edges out into the margins and gutters, so a stack of printed sheets can be cut
// with a trimmer. A mark never reaches into any slot, so no photo is touched.

#include <QRect>
#include <vector>

class QPainter;
struct PagePlan;

// Sizes in canvas pixels for a page resolution: a mark is 1/8 in long, starts 1/32 in
// away from the print's corner (a cut slightly off the line leaves no mark on the
// print) and is 1/100 in thick, at least one pixel.
struct CutMarkStyle {
    int length = 0;
    int offset = 0;
    int thickness = 1;
    static CutMarkStyle forResolution(int resolution);
};

// The marks of prints lying at `prints` (QRect: right() is the last pixel column).
// At each corner of every print one mark runs along its horizontal edge and one along
// its vertical edge, away from the print; each is cut back where it would meet any
// rectangle of `keepClear` or leave `canvas`, so a narrow gutter keeps only what fits.
std::vector<QRect> cutMarkRects(const std::vector<QRect>& prints, const std::vector<QRect>& keepClear,
                                const QRect& canvas, const CutMarkStyle& style);

// The marks of a planned page: its photo slots are the prints, every slot (outlined
// ones too) is kept clear. A page of fewer than two prints gets none: there is
// nothing to cut apart. Returns the marks drawn.
std::vector<QRect> cutMarksForPlan(const PagePlan& plan, const QRect& canvas, int resolution);
void drawCutMarks(QPainter& painter, const std::vector<QRect>& marks);
