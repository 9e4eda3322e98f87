#pragma once
// The printer as the core sees it. Printing itself grows here; for now the shell
// needs the default printer's name.

#include <QString>

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    // The default printer's name, or empty when the machine has none.
    virtual QString defaultPrinterName() = 0;
};

// The name shown to the person: the default printer, or "Default Printer" when none.
QString currentPrinterName(PrinterBackend& backend);

// The default printer as CUPS knows it.
class CupsPrinterBackend : public PrinterBackend {
public:
    QString defaultPrinterName() override;
};
