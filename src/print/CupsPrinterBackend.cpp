// The plain CUPS backend of the core header, kept beside the real printer so that
// libcups is only reached through the library loaded on first use.
#include "output/PrinterBackend.h"
#include "print/CupsLibrary.h"

QString CupsPrinterBackend::defaultPrinterName() {
    const CupsLibrary* cups = cupsLibrary();
    if (!cups) return {};
    cups_dest_t* dests = nullptr;
    const int count = cups->getDests2(CUPS_HTTP_DEFAULT, &dests);
    QString name;
    if (cups_dest_t* dest = cups->getDest(nullptr, nullptr, count, dests))
        name = QString::fromUtf8(dest->name);
    cups->freeDests(count, dests);
    return name;
}
