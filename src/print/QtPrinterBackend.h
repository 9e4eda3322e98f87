#pragma once
// The application's printer settings as a QPrinter on the CUPS printers. Until the
// person picks a printer in the setup dialog it follows the system's default
// printer (or, where no queue is marked the default, the first one CUPS lists),
// read afresh on every request so a printer added or removed while the program runs
// is noticed. Jobs go on the queue's own default paper unless the person picked
// another in the setup dialog; a borderless page asks for the borderless version of
// that paper where the queue's PPD has one (same size, printable to its edges).

#include <QPageSize>
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
    PrinterMedia currentMedia() override;
    bool useBorderlessMedia(bool on) override;
    bool readPrinterState(PrinterState& state) override;
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
    // Brings the QPrinter onto the current printer and its paper; false when there is none.
    bool ensurePrinter();
    void applyOrientation();
    // The paper the QPrinter prints on now, with the printer's own margins for it.
    void applyMedia(const QPageSize& size);
    // Takes size as the paper of the current printer and looks for its borderless version.
    void takeMedia(const QPageSize& size);
    QPageSize borderlessVersionOf(const QPageSize& size);

    std::unique_ptr<QPrinter> printer_;
    QString resolutionFor_;      // the printer whose default resolution was applied
    QString chosenName_;         // empty: follow the system default
    QString mediaFor_;           // the printer whose paper media_ is
    QPageSize media_;            // the queue's default paper, or the one picked in the setup
    QPageSize borderlessMedia_;  // its borderless version; invalid when the queue has none
    bool wantBorderless_ = false;
    int orientation_ = 0;  // 0 until a caller sets one: the printer's own default stays
    bool spooling_ = false;
};
