#include "output/PrinterBackend.h"

QString currentPrinterName(PrinterBackend& backend) {
    const QString name = backend.defaultPrinterName();
    return name.isEmpty() ? QStringLiteral("Default Printer") : name;
}

// CupsPrinterBackend lives in the print library, which loads libcups on first use.
