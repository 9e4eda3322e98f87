#include "output/PrinterBackend.h"

#include <cups/cups.h>

QString currentPrinterName(PrinterBackend& backend) {
    const QString name = backend.defaultPrinterName();
    return name.isEmpty() ? QStringLiteral("Default Printer") : name;
}

QString CupsPrinterBackend::defaultPrinterName() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QString name;
    if (cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests)) name = QString::fromUtf8(dest->name);
    cupsFreeDests(count, dests);
    return name;
}
