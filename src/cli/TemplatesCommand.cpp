// snapvale-cli templates: the print layouts the program knows, one a line.

#include "cli/CliCommand.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "layout/TemplateCatalogue.h"

namespace {

QString pageText(double w, double h) {
    return QString::asprintf("%.2f x %.2f in", w, h);
}

QString inchesText(int thousandths) {
    return QString::asprintf("%.3f", thousandths / 1000.0);
}

QString rectText(const PixelRect& r) {
    return QStringList{inchesText(r.left), inchesText(r.right), inchesText(r.top), inchesText(r.bottom)}.join(
        QLatin1Char('\t'));
}

// The rectangles a full-page template places, one a line after the template's line:
// "\tslot\tx0\tx1\ty0\ty1" (outline-only ones as "outline", an index sheet's cell area
// as "index\tfilm|slides\tcolumns\trows" and its edges), in inches on the template's
// page, in placement order. Planned on a canvas of a thousand pixels an inch, where
// every edge of the catalogue is a whole pixel, so the figures are the catalogue's own.
void printPlacements(const QString& name, double pageWidth, double pageHeight, const AppSettings& settings) {
    PlacementContext ctx = PlacementContext::fromSettings(settings);
    ctx.fullPageSelection = name;
    ctx.photosOnly = false;
    ctx.canvasWidth = qRound(pageWidth * 1000);
    ctx.canvasHeight = qRound(pageHeight * 1000);
    const PagePlan plan = planPage(ctx);
    for (const PlacedSlot& s : plan.slots)
        cliOut(
            QStringLiteral("\t%1\t%2")
                .arg(s.outlineOnly ? QStringLiteral("outline") : QStringLiteral("slot"), rectText(s.rect)));
    if (const auto& sheet = plan.indexSheet)
        cliOut(QStringLiteral("\tindex\t%1\t%2\t%3\t%4")
                   .arg(sheet->slides ? QStringLiteral("slides") : QStringLiteral("film"))
                   .arg(sheet->columns)
                   .arg(sheet->rows)
                   .arg(rectText(sheet->sheetArea)));
}

int runTemplates(CliContext& ctx) {
    QStringList args = ctx.args;
    bool full = args.removeAll(QStringLiteral("--full")) > 0;
    bool half = args.removeAll(QStringLiteral("--half")) > 0;
    const bool slots = args.removeAll(QStringLiteral("--slots")) > 0;
    if (!args.isEmpty()) {
        cliError(QStringLiteral("Usage: snapvale-cli templates [--full] [--half] [--slots]"));
        return 2;
    }
    if (!full && !half) full = half = true;

    // The user-defined page takes its size from the settings.
    AppSettings settings;
    settings.load(*ctx.services.store);

    if (full) {
        for (const Template& t : fullPageTemplates()) {
            const double w = t.userPage ? settings.UserWidth : t.pageWidth;
            const double h = t.userPage ? settings.UserHeight : t.pageHeight;
            cliOut(QStringLiteral("%1\t%2\t%3").arg(t.name, pageText(w, h)).arg(t.slotCount()));
            if (slots) printPlacements(t.name, w, h, settings);
        }
    }
    if (half) {
        for (const Template& t : halfPageStyles()) {
            cliOut(QStringLiteral("style %1: %2\t%3\t%4")
                       .arg(t.style)
                       .arg(t.name, pageText(t.pageWidth, t.pageHeight))
                       .arg(t.slotCount()));
        }
    }
    return 0;
}

const CliCommandRegistration registration(CliCommand{
    QStringLiteral("templates"), QStringLiteral("templates [--full] [--half] [--slots]"),
    QStringLiteral("list the full-page templates and half-page styles: name, page size, photo count; "
                   "--slots adds each full-page template's rectangles in inches"),
    runTemplates, /*drawsText=*/false});

}  // namespace
