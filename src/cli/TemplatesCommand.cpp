// snapvale-cli templates: the print layouts the program knows, one a line.

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "cli/CliCommand.h"
#include "layout/TemplateCatalogue.h"

namespace {

QString pageText(double w, double h) {
    return QString::asprintf("%.2f x %.2f in", w, h);
}

int runTemplates(CliContext& ctx) {
    QStringList args = ctx.args;
    bool full = args.removeAll(QStringLiteral("--full")) > 0;
    bool half = args.removeAll(QStringLiteral("--half")) > 0;
    if (!args.isEmpty()) {
        cliError(QStringLiteral("Usage: snapvale-cli templates [--full] [--half]"));
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
    QStringLiteral("templates"), QStringLiteral("templates [--full] [--half]"),
    QStringLiteral("list the full-page templates and half-page styles: name, page size, photo count"),
    runTemplates});

}  // namespace
