#include "output/AlignmentPage.h"

#include <QPainter>
#include <cmath>
#include <utility>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"
#include "layout/TemplateCatalogue.h"

namespace {
using namespace alignment_marks;

int mmToPixels(double mm, int resolution) {
    return int(std::lround(mm * resolution / 25.4));
}

// One ruler from the frame inward: `along` steps a millimetre at a time from the
// edge, `across` points away from the ruler's line towards its ticks.
struct Ruler {
    QPoint origin;  // on the frame, in the middle of the edge
    QPoint along;   // unit step inward
    QPoint across;  // unit step to the ticks' side
};

void drawRuler(QPainter& painter, const Ruler& ruler, int resolution, const QFont& font) {
    const int line = qMax(1, mmToPixels(kFrameMm / 2, resolution));
    const int length = mmToPixels(kRulerMm, resolution);
    auto point = [&](int alongPx, int acrossPx) {
        return ruler.origin + ruler.along * alongPx + ruler.across * acrossPx;
    };
    auto bar = [&](QPoint a, QPoint b) {
        QRect r = QRect(a, b).normalized();
        if (r.width() < line) r.setWidth(line);
        if (r.height() < line) r.setHeight(line);
        painter.fillRect(r, Qt::black);
    };
    bar(point(0, 0), point(length, 0));
    painter.setFont(font);
    const int textHeight = mmToPixels(kTextHeightMm, resolution);
    for (int mm = 0; mm <= kRulerMm; ++mm) {
        const double factor = mm % 10 == 0 ? 3.0 : mm % 5 == 0 ? 2.0 : 1.0;
        const int at = mmToPixels(mm, resolution);
        const int tick = mmToPixels(kTickMm * factor, resolution);
        bar(point(at, 0), point(at, tick));
        if (mm % 5 != 0 || mm == 0) continue;
        // The number beyond the tick's end, centred on it.
        const QPoint centre = point(at, tick + textHeight);
        const QRect box(centre.x() - 2 * textHeight, centre.y() - textHeight / 2 - 1, 4 * textHeight,
                        textHeight + 2);
        painter.drawText(box, Qt::AlignCenter, QString::number(mm));
    }
}
}  // namespace

QString AlignmentInstructions() {
    return QStringLiteral(
        "On each ruler read the gap between the paper's edge and the frame in millimetres: the width of "
        "the white strip, or minus the ruler's reading at the paper's edge where the frame runs off it.\n"
        "New X = X + (right gap - left gap) / 2\n"
        "New Y = Y + (bottom gap - top gap) / 2");
}

bool MakeAlignmentPage(CxImage& page, double templateWidth, double templateHeight, int resolution,
                       const AlignmentOffsets& used, const QString& printerName) {
    const QSize size = Canvas::pixelSize(resolution, templateWidth, templateHeight);
    Canvas canvas;
    if (resolution <= 0 || !canvas.create(size.width(), size.height())) return false;
    QPainter& painter = canvas.painter();
    const int w = size.width(), h = size.height();

    // The frame along the very edges of the template.
    const int line = qMax(1, mmToPixels(kFrameMm, resolution));
    painter.fillRect(0, 0, w, line, Qt::black);
    painter.fillRect(0, h - line, w, line, Qt::black);
    painter.fillRect(0, 0, line, h, Qt::black);
    painter.fillRect(w - line, 0, line, h, Qt::black);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(6, mmToPixels(kTextHeightMm, resolution)));
    drawRuler(painter, {QPoint(0, h / 2), QPoint(1, 0), QPoint(0, -1)}, resolution, font);       // left
    drawRuler(painter, {QPoint(w - 1, h / 2), QPoint(-1, 0), QPoint(0, -1)}, resolution, font);  // right
    drawRuler(painter, {QPoint(w / 2, 0), QPoint(0, 1), QPoint(1, 0)}, resolution, font);        // top
    drawRuler(painter, {QPoint(w / 2, h - 1), QPoint(0, -1), QPoint(1, 0)}, resolution, font);   // bottom

    // The explanation between the rulers.
    const int inset = mmToPixels(kRulerMm + 6, resolution);
    const QRect textBox(inset, inset, w - 2 * inset, h - 2 * inset);
    if (textBox.width() > 0 && textBox.height() > 0) {
        const QString text =
            QString::asprintf("Alignment page for \"%s\"\nPrinted with X %.1f mm, Y %.1f mm\n\n",
                              printerName.toUtf8().constData(), used.xMm, used.yMm) +
            AlignmentInstructions();
        painter.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    return canvas.makeKeptPage(page, resolution);
}

PrintResult PrintAlignmentPage(const AppSettings& settings, PrinterBackend& backend,
                               const AlignmentOffsets& offsets) {
    PaperSizes sizes = PaperSizes::fromSettings(settings);
    // Offsets are kept in the paper's frame, so the page is always printed upright on
    // the paper: what is read on it is what the offsets mean. A template wider than
    // high is drawn turned to match.
    if (sizes.templateWidth > sizes.templateHeight) {
        std::swap(sizes.templateWidth, sizes.templateHeight);
        std::swap(sizes.paperWidth, sizes.paperHeight);
    }
    CxImage page;
    // Drawn at the pages' own resolution, so one-to-one placement sizes it as theirs.
    if (!MakeAlignmentPage(page, sizes.templateWidth, sizes.templateHeight, settings.PageResolution, offsets,
                           currentPrinterName(backend)))
        return PrintResult::NotPrinted;
    const bool borderless = isBorderlessTemplate(settings.FullPageTemplateSel);
    const int mode = PagePlacementMode(settings, borderless);
    PageRequest request;
    request.borderless = borderless;
    request.alignment = offsets;
    const bool spooled =
        PrintBitmap(backend, &page, mode, QStringLiteral("Snapvale Alignment Page"), kPrintPortrait,
                    settings.LeftRightMargin, settings.TopBottomMargin, sizes, request);
    return spooled ? PrintResult::Printed : PrintResult::NotPrinted;
}
