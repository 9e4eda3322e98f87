#pragma once
// The application's printer settings as a QPrinter on the CUPS printers. Until the
// person picks a printer in the setup dialog it follows the system's default
// printer, read afresh on every request so a printer added or removed while the
// program runs is noticed.

#include <QString>
#include <memory>

#include "output/PrinterBackend.h"

class QPrinter;

class QtPrinterBackend : public PrinterBackend {
public:
    QtPrinterBackend();
    ~QtPrinterBackend() override;
    QtPrinterBackend(const QtPrinterBackend&) = delete;
    QtPrinterBackend& operator=(const QtPrinterBackend&) = delete;

    QString defaultPrinterName() override;
    void setOrientation(int orientation) override;
    PrinterPage readPrinterPage() override;
    bool spoolPage(const CxImage& bitmap, const QRect& placement, const QString& documentName) override;
    bool queuedJobCount(int& count) override;

    // Makes the named CUPS queue the application's printer; false, with the current
    // choice kept, when no such printer exists.
    bool selectPrinter(const QString& name) override;
    // The printer settings the setup dialog edits; nullptr when the machine has no
    // printer. Call keepChosenPrinter() when the dialog was accepted.
    QPrinter* printerForSetup();
    void keepChosenPrinter();

private:
    // Brings the QPrinter onto the current printer; false when there is none.
    bool ensurePrinter();
    void applyOrientation();

    std::unique_ptr<QPrinter> printer_;
    QString resolutionFor_;  // the printer whose default resolution was applied
    QString chosenName_;     // empty: follow the system default
    int orientation_ = 0;    // 0 until a caller sets one: the printer's own default stays
    bool spooling_ = false;
};
