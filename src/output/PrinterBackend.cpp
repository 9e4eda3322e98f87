#include "output/PrinterBackend.h"

#include <algorithm>
#include <cmath>

#include "core/SettingsTable.h"

namespace {
// A stored offset is only text: whatever it holds stays within what a printer can be
// off, and reads back as the hundredths it was written with.
double storedOffset(float mm) {
    if (!std::isfinite(mm)) return 0.0;
    return std::round(std::clamp(double(mm), -kAlignmentLimitMm, kAlignmentLimitMm) * 100.0) / 100.0;
}
}  // namespace

PrinterPage ReadPrinterPageFor(PrinterBackend& backend, bool borderless) {
    backend.useBorderlessMedia(borderless);
    const PrinterPage page = backend.readPrinterPage();
    if (borderless) backend.useBorderlessMedia(false);
    return page;
}

QString currentPrinterName(PrinterBackend& backend) {
    const QString name = backend.defaultPrinterName();
    return name.isEmpty() ? QStringLiteral("Default Printer") : name;
}

QString printerQueueName(const QString& printerName) {
    return printerName.section(QLatin1Char('/'), 0, 0);
}

AlignmentOffsets PrinterBackend::alignmentOffsets() {
    if (!store_) return {};
    const QString queue = printerQueueName(defaultPrinterName());
    if (queue.isEmpty()) return {};
    return {storedOffset(readPerPrinterDecimal(*store_, setting::AlignmentXmm, queue)),
            storedOffset(readPerPrinterDecimal(*store_, setting::AlignmentYmm, queue))};
}

bool PrinterBackend::setAlignmentOffsets(const AlignmentOffsets& offsets) {
    if (!store_) return false;
    const QString queue = printerQueueName(defaultPrinterName());
    if (queue.isEmpty()) return false;
    writePerPrinterDecimal(*store_, setting::AlignmentXmm, queue, float(storedOffset(float(offsets.xMm))));
    writePerPrinterDecimal(*store_, setting::AlignmentYmm, queue, float(storedOffset(float(offsets.yMm))));
    return true;
}
