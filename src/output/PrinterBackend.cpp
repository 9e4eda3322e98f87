#include "output/PrinterBackend.h"

QString currentPrinterName(PrinterBackend& backend) {
    const QString name = backend.defaultPrinterName();
    return name.isEmpty() ? QStringLiteral("Default Printer") : name;
}
