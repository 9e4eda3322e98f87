#include "output/SystemPrinterBackend.h"

#include "print/QtPrinterBackend.h"

std::unique_ptr<PrinterBackend> createSystemPrinterBackend() {
    return std::make_unique<QtPrinterBackend>();
}
